#!/usr/bin/env bash
# Whole `torvane3d render` runs on the peer workloads W1, W2, W3 (grids 100,
# 300, 1000), W5 and W6, timed in the same measuring call as the peer tools of
# the bench-peers folder, so that the ratios hold on a noisy machine.
#   bench/peer_comparison.sh BENCH_PEERS_DIR [OUT] [ID-REGEX]
# The peers (gnuplot, matplotlib, PLplot, MathGL from Debian) are installed
# here for the comparison only; nothing of them is linked into the project.
# ID-REGEX picks cases; by default torvane3d and the two fastest peers of each
# workload. Prints the table of bench/peers/summarize.py.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PEERS=$(cd "${1:?usage: bench/peer_comparison.sh BENCH_PEERS_DIR [OUT] [ID-REGEX]}" && pwd)
OUT=${2:-${TMPDIR:-/tmp}/torvane3d_peers}
PICK=${3:-'^(torvane3d_|floor_png$|plplot_w1_|mathgl_w1_[0-9]+$|gnuplot_w2_|mathgl_w2_|plplot_w3_|mpl_w3_|gnuplot_w5|mathgl_w5|gnuplot_w6_|mathgl_w6_[0-9]+$)'}

missing=$(for p in gnuplot-nox python3-matplotlib libplplot-dev plplot-driver-cairo libmgl-dev libpng-dev; do
  dpkg -s "$p" >/dev/null 2>&1 || echo "$p"; done)
if [ -n "$missing" ]; then apt-get install -y $missing; fi

"$ROOT/scripts/build.sh" "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DTORVANE3D_TESTS=OFF >/dev/null
T="$ROOT/build-release/hosts/cli/torvane3d"

PY=
for p in $(type -ap python3); do
  if "$p" -c 'import matplotlib, contourpy' 2>/dev/null; then PY=$p; break; fi
done
mkdir -p "$OUT/bin" "$OUT/data" "$OUT/png" "$OUT/vec"
cc -O2 -o "$OUT/bin/gen_peaks" "$PEERS/common/gen_peaks.c" -lm
cc -O2 -o "$OUT/bin/png_floor" "$PEERS/floor/png_floor.c" $(pkg-config --cflags --libs libpng) -lm
cc -O2 -o "$OUT/bin/bench_plplot" "$PEERS/plplot/bench_plplot.c" $(pkg-config --cflags --libs plplot) -lm
c++ -O2 -o "$OUT/bin/bench_mgl" "$PEERS/mathgl/bench_mgl.cpp" -lmgl
"$OUT/bin/gen_peaks" "$OUT/data" >/dev/null

# Each workload's cases side by side: the peers', then ours.
(cd "$PEERS" && bash cases.sh "$OUT" "$PY") > "$OUT/cases_peers.txt"
bash "$ROOT/bench/peers/torvane3d_cases.sh" "$T" "$OUT/data" "$OUT/png" > "$OUT/cases_ours.txt"
python3 - "$OUT" <<'PY'
import sys
out = sys.argv[1]
lines = open(f'{out}/cases_peers.txt').read().splitlines() + open(f'{out}/cases_ours.txt').read().splitlines()
key = lambda l: l.split('\t')[0].split('_', 1)[1] if '_' in l.split('\t')[0] else ''
order = []
for l in lines:
    if key(l) not in order:
        order.append(key(l))
lines.sort(key=lambda l: order.index(key(l)))
open(f'{out}/cases.txt', 'w').write('\n'.join(lines) + '\n')
PY
(cd "$PEERS" && "$PY" measure.py "$OUT/cases.txt" "$OUT/results.csv" "$PICK")
python3 "$ROOT/bench/peers/summarize.py" "$OUT/results.csv"
