#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit, UI offscreen,
# end-to-end). Exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zerin_install_missing
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZERIN_BUILD_UI=ON -DZERIN_BUILD_TESTS=ON
cmake --build build
cd build
ctest --output-on-failure -j "$(nproc)"
