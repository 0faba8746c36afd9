#!/usr/bin/env bash
# Installs what Tarvelle needs on Debian 12: to build and run the program; with
# --tests, to run its whole test suite too; with --bench, to run the benchmarks in
# bench/. Idempotent: apt-get runs only when a package is missing.
#   usage: scripts/setup-debian.sh [--tests] [--bench]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libfast-float-dev       # the number reader of the calculation core
    libeigen3-dev           # the linear algebra of the square coax's field solver
    libboost-dev            # Bessel functions, root finding and quadrature (Boost.Math)
    qt6-base-dev qt6-qpa-plugins libgl-dev
    qt6-wayland             # native on Wayland
    qt6-translations-l10n   # Qt's own texts in French
    fonts-wine              # the free "MS Sans Serif" that the window is laid out for
    fonts-dejavu-core       # the outline face for dense screens
)
tests=false
for argument in "$@"; do
    case $argument in
    --tests) tests=true ;;
    --bench) packages+=(xvfb galculator libxcb1-dev dbus-daemon dbus-session-bus-common bc mawk time) ;;
    *) echo "usage: scripts/setup-debian.sh [--tests] [--bench]" >&2; exit 2 ;;
    esac
done
if $tests; then
    packages+=(
        libgtest-dev
        clang libclang-rt-14-dev libc++-dev libc++abi-dev   # the fuzzer, and the core built on libc++
        weston dbus-daemon at-spi2-core python3-pyatspi     # the start-up test, on Wayland, driven through AT-SPI
        xvfb libxcb-xkb-dev                 # the window tests that count the X server's own bell
        lintian man-db                      # checking the Debian package and its manual pages
        locales
        desktop-file-utils appstream file   # validating the desktop entry and the AppStream record
        dpkg-dev                            # the Debian package's dependencies
        g++-aarch64-linux-gnu qemu-user     # the core and tarvelle-calc built for arm64 and run under emulation
    )
fi

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A French locale, for checking that nothing depends on the process locale.
if $tests && ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    as_root sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    as_root locale-gen >/dev/null
fi
