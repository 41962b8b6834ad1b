#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time over its seeds:
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS_PER_TARGET
# New inputs go to a scratch folder; the committed seeds are only read.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${2:-20}
# The fuzz build's undefined-behaviour checks only print; stopping at the
# first makes it a failure the run reports with its input.
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for fuzzer in "$build"/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer" _fuzzer)
  mkdir -p "$scratch/$name"
  echo "-- $name: ${seconds}s"
  if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=0 \
      -artifact_prefix="$scratch/" "$scratch/$name" "$here/corpus/$name" >"$scratch/$name.log" 2>&1; then
    echo "$name found a failure:"
    tail -n 60 "$scratch/$name.log"
    for a in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
      [ -f "$a" ] && { echo "input ($a):"; od -c "$a" | head -20; }
    done
    status=1
  else
    grep -E '^(#[0-9]+\s+DONE|Done)' "$scratch/$name.log" | tail -n 1 || true
  fi
done
exit $status
