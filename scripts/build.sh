#!/usr/bin/env bash
# Configures and builds Tarvelle in the given folder, with the project's warnings as
# errors. Further arguments go to CMake.
#   usage: scripts/build.sh BUILD_DIR [CMAKE_ARG...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
shift
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLE_WERROR=ON "$@"
cmake --build "$build_dir"
