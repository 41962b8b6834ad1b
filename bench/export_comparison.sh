#!/usr/bin/env bash
# Export of the peer workload W2 (grids 100 and 300) to PNG, JPEG, BMP, EMF,
# SVG and PDF: whole `torvane3d render` runs, time and file size, beside the
# peers' SVG exports of W2 at N = 100 (gnuplot's svg terminal, MathGL's
# WriteSVG) timed in the same measuring call.
#   bench/export_comparison.sh BENCH_PEERS_DIR [OUT]
# Target: our SVG of W2 at N = 100 at least 3 times faster than the fastest
# peer's and smaller than 2 MB.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
PEERS=$(cd "${1:?usage: bench/export_comparison.sh BENCH_PEERS_DIR [OUT]}" && pwd)
OUT=${2:-${TMPDIR:-/tmp}/torvane3d_export}

missing=$(for p in gnuplot-nox libmgl-dev; do dpkg -s "$p" >/dev/null 2>&1 || echo "$p"; done)
if [ -n "$missing" ]; then apt-get install -y $missing; fi

"$ROOT/scripts/build.sh" "$ROOT/build-release" -DCMAKE_BUILD_TYPE=Release -DTORVANE3D_TESTS=OFF >/dev/null
T="$ROOT/build-release/hosts/cli/torvane3d"

mkdir -p "$OUT/bin" "$OUT/data" "$OUT/png" "$OUT/vec"
cc -O2 -o "$OUT/bin/gen_peaks" "$PEERS/common/gen_peaks.c" -lm
c++ -O2 -o "$OUT/bin/bench_mgl" "$PEERS/mathgl/bench_mgl.cpp" -lmgl
"$OUT/bin/gen_peaks" "$OUT/data" >/dev/null

ZONES="DISTN_METHOD=FromTable DISTN_TABLE=$ROOT/bench/peers/zones.lvl CONTOUR_STYLES=$ROOT/bench/peers/zones.sty"
VIEW='ZMIN=-8 ZMAX=9 XROTATION=60 ZROTATION=30 "HEADER_STRINGS=(Peaks)" --size 1000x800'
{
  (cd "$PEERS" && bash cases.sh "$OUT" python3) | grep -E '^(gnuplot|mathgl)_w2svg_100'
  for n in 100 300; do
    for ext in png jpg bmp emf svg pdf; do
      printf 'torvane3d_w2%s_%s\t%s render %s DRAW_SHADED=1 DRAW_ZONES=1 DRAW_CONTOURS=1 PROJECT_ZMIN=3 %s %s -o %s/w2_%s.%s\n' \
        "$ext" "$n" "$T" "$OUT/data/peaks_$n.dat" "$ZONES" "$VIEW" "$OUT/vec" "$n" "$ext"
    done
  done
} >"$OUT/cases.txt"
(cd "$PEERS" && python3 measure.py "$OUT/cases.txt" "$OUT/results.csv")

# The table: median wall time and the file each case wrote.
python3 - "$OUT" <<'PY'
import csv, os, re, sys
out = sys.argv[1]
cases = dict(l.rstrip('\n').split('\t', 1) for l in open(f'{out}/cases.txt'))
print('| case | wall median (s) | file size (MB) |')
print('|---|---|---|')
for r in csv.DictReader(open(f'{out}/results.csv')):
    m = re.search(r"(?:-o |OUT=')(\S+?)'?(?:\s|\"|$)", cases[r['id']])
    size = os.path.getsize(m.group(1)) / 1e6 if m and os.path.exists(m.group(1)) else float('nan')
    print(f"| {r['id']} | {r['wall_median']} | {size:.2f} |")
PY
