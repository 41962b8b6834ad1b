#!/usr/bin/env bash
# Makes the pictures the current build draws the gallery's references
# (tests/golden). Look at every changed picture before committing it.
#   scripts/bless-goldens.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
cmake --build "$dir" --target torvane3d golden_compare
TORVANE3D_BLESS=1 ctest --test-dir "$dir" -L golden --output-on-failure
git status --short tests/golden
