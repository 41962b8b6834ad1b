#!/usr/bin/env bash
# Makes the pictures the current build draws the golden images
# (tests/golden/README.md): every golden test runs with TORVANE3D_BLESS=1, a
# missing or changed picture is replaced, one that still matches is left.
# Look at every picture `git status` then lists before committing it.
#   scripts/bless-goldens.sh [BUILD_DIR] [TEST-REGEX]    (default: build, Golden)
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
cmake --build "$dir"
TORVANE3D_BLESS=1 ctest --test-dir "$dir" -R "${2:-Golden}" --output-on-failure
git status --short tests/golden
