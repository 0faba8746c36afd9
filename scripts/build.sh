#!/usr/bin/env bash
# Configures and builds Tarvelle in build/ after making sure that everything it needs is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build
