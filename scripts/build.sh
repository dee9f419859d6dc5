#!/usr/bin/env bash
# Configures (when there is no build folder yet) and builds Halvena in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
[ -f build/build.ninja ] || cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
