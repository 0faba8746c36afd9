#!/usr/bin/env bash
# Builds Tarvelle in the given folder after making sure that everything it needs is
# installed. Further arguments go to CMake.
#   usage: scripts/build.sh BUILD_DIR [CMAKE_ARG...]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
shift
scripts/setup-debian.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELLE_WERROR=ON "$@"
cmake --build "$build_dir"
