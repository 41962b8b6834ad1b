#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs torvane3d.
# With no arguments it lists every resource of a new graph with its default;
# otherwise the arguments go to torvane3d (for example: play ZMIN=5 ZMIN?).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -eq 0 ]; then
  set -- resources
fi
exec build/hosts/cli/torvane3d "$@"
