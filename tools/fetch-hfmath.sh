#!/usr/bin/env bash
# Installs the npm package hfmath 0.0.2 (the numbered Hershey glyph set that
# tools/gen_stroke_fonts.py reads) into a cache folder outside the repository.
set -euo pipefail
dir=${XDG_CACHE_HOME:-$HOME/.cache}/torvane3d/hfmath
mkdir -p "$dir"
npm install --no-save --no-audit --no-fund --prefix "$dir" hfmath@0.0.2
echo "$dir/node_modules/hfmath/dist/hfmath.js"
