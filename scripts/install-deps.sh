#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with.
# Only missing packages are installed; nothing happens when all are present.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang libclang-rt-14-dev python3
  # drawing, fonts and image files (platform layer)
  pkg-config libcairo2-dev libfreetype-dev libfontconfig-dev libpng-dev fonts-liberation
  # downloads of saved charts by URL (control layer)
  libcurl4-openssl-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # glyph tables the stroke font generator reads (tools/gen_stroke_fonts.py)
  hershey-fonts-data
  # the contour cross-check and the peer benchmarks (contourpy)
  python3-matplotlib
  # the resampling cross-check and its benchmark beside SciPy
  python3-scipy
  # picture files read for backgrounds
  libpng-dev libjpeg-dev
  # the platform printer (libcups), and the print server the printing tests
  # start for themselves
  libcups2-dev cups-daemon cups-client
  # independent readers of the files export writes: metafiles, PDF, SVG,
  # JPEG, PNG and BMP (tests only)
  libwmf-bin emf2svg poppler-utils librsvg2-bin libjpeg-turbo-progs python3-pil
  # the Type 1 fonts the plain metafile reader draws text with
  gsfonts
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
