#!/usr/bin/env bash
# Builds the Debian package of Tarvelle with Debian's hardening flags, in its own
# build folder, and leaves tarvelle_VERSION_ARCH.deb in OUTPUT_DIR.
#   usage: scripts/package-debian.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$1 output_dir=$2
# The flags that Debian builds its packages with: fortify, stack protector, relro
# and bindnow.
# Read first, so that a missing or failing dpkg-buildflags stops the script.
flags=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)
eval "$flags"
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" >/dev/null
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$output_dir" >/dev/null
