#!/usr/bin/env bash
# Installs what is missing, builds Zerin and starts it. Arguments go to zerin, e.g.
#   ./scripts/start.sh --home ~/zerin-test
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
zerin_install_missing
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZERIN_BUILD_UI=ON
cmake --build build --target zerin
exec ./build/src/zerin "$@"
