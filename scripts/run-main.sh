#!/usr/bin/env bash
# The main job: installs what is missing, builds, and runs torvane3d.
# With no arguments it draws the built-in chart (the peaks function as a
# shaded, zoned, meshed surface with contour lines and its zones and contour
# lines on the floor) into build/chart.png and says where; otherwise the
# arguments go to torvane3d (for example: render data.dat DRAW_ZONES=1 -o out.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ $# -eq 0 ]; then
  build/hosts/cli/torvane3d render -o build/chart.png
  echo "The built-in chart is in $(pwd)/build/chart.png"
  exit 0
fi
exec build/hosts/cli/torvane3d "$@"
