#!/usr/bin/env bash
# Builds the Debian package of Tarvelle with Debian's hardening flags, in its own
# build folder, and leaves tarvelle_VERSION_ARCH.deb in OUTPUT_DIR. Further arguments
# go to CMake.
#   usage: scripts/package-debian.sh BUILD_DIR OUTPUT_DIR [CMAKE_ARG...]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1" "$2"
build_dir=$(cd "$1" && pwd) output_dir=$(cd "$2" && pwd)
shift 2
# The flags that Debian builds its packages with: fortify, stack protector, relro
# and bindnow, read from the source tree (for its file prefix map). Read first, so
# that a missing or failing dpkg-buildflags stops the script.
# Without -g: the package has no debug symbols package, and the information would
# only be stripped.
flags=$(cd "$source_dir" && DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g \
        dpkg-buildflags --export=sh)
eval "$flags"
# Given on the command line, so that a build folder made before takes them too;
# CMake reads no CPPFLAGS, so the preprocessor's (fortify) go with the compiler's.
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DTARVELLE_DEBIAN_PACKAGE=ON \
      -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
      -DCMAKE_STRIP="$source_dir/scripts/strip-like-debian" "$@" >/dev/null
cmake --build "$build_dir" --target tarvelle tarvelle-calc install-files >/dev/null  # what the package holds
# CPack works in a folder of its own; only the package goes to OUTPUT_DIR.
rm -rf "$build_dir/cpack"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$build_dir/cpack" >/dev/null
mv "$build_dir"/cpack/tarvelle_*.deb "$output_dir/"
