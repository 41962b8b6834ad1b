# Prints the torvane3d cases of the peer comparison, one a line: ID <TAB> command.
#   torvane3d_cases.sh TORVANE3D DATA PNG
# The same workloads, data, zone edges and colours, cube (z from -8 to 9) and
# 1000x800 PNG as the peers' cases (bench-peers/README.md), drawn as whole
# pages with a header and the legend.
set -euo pipefail
T=$1 D=$2 P=$3
HERE=$(cd "$(dirname "$0")" && pwd)
# Whole pages: a header and, where the chart shows zones, the legend.
VIEW='ZMIN=-8 ZMAX=9 XROTATION=60 ZROTATION=30 "HEADER_STRINGS=(Peaks)" --size 1000x800'
ZONES="DISTN_METHOD=FromTable DISTN_TABLE=$HERE/zones.lvl CONTOUR_STYLES=$HERE/zones.sty"
for n in 100 300 1000; do
  g=$D/peaks_$n.dat
  printf 'torvane3d_w1_%s\t%s render %s DRAW_SHADED=0 %s -o %s/torvane3d_w1_%s.png\n' "$n" "$T" "$g" "$VIEW" "$P" "$n"
  printf 'torvane3d_w2_%s\t%s render %s DRAW_SHADED=1 DRAW_ZONES=1 DRAW_CONTOURS=1 PROJECT_ZMIN=3 %s %s -o %s/torvane3d_w2_%s.png\n' \
    "$n" "$T" "$g" "$ZONES" "$VIEW" "$P" "$n"
  printf 'torvane3d_w3_%s\t%s render %s DRAW_MESH=0 DRAW_ZONES=1 DRAW_CONTOURS=1 "HEADER_STRINGS=(Peaks)" %s --size 1000x800 -o %s/torvane3d_w3_%s.png\n' \
    "$n" "$T" "$g" "$ZONES" "$P" "$n"
done
printf 'torvane3d_w5_40\t%s render %s/peaks_40.dat TYPE=TypeBar DRAW_SHADED=1 DRAW_ZONES=1 %s %s -o %s/torvane3d_w5_40.png\n' \
  "$T" "$D" "$ZONES" "$VIEW" "$P"
printf 'torvane3d_w6_100000\t%s render %s/scatter.dat "DATA_STYLES=(((None Black 0) (Dot #4675ed 3)))" %s -o %s/torvane3d_w6_100000.png\n' \
  "$T" "$D" "$VIEW" "$P"
