#!/usr/bin/env bash
# Configures and builds Halvena in build/. Arguments are passed to CMake's configuration, e.g.
# `scripts/build.sh -DHALVENA_WERROR=ON`. A build/ folder that another generator or another
# source folder made is configured afresh; one configured for the fuzz targets or the
# sanitizers is switched back to the plain program build, which the other scripts run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=build
options=(-G Ninja -DHALVENA_FUZZ=OFF -DHALVENA_SANITIZE=OFF)
if [ -f "$build/CMakeCache.txt" ]; then
  generator=$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$build/CMakeCache.txt")
  source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
  if [ "$generator" != Ninja ] || [ "$source" != "$PWD" ]; then
    echo "$build/ was made by '$generator' for '$source'; configuring it afresh for Ninja here"
    options+=(--fresh)
  fi
fi
cmake -S . -B "$build" "${options[@]}" "$@"
cmake --build "$build"
