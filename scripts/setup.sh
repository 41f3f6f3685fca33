#!/usr/bin/env bash
# Installs every Debian package the game, its tools and its tests need; only
# what is missing, so a second run does nothing.
set -euo pipefail

PACKAGES=(
    # build
    build-essential cmake ninja-build pkg-config clang clang-format
    # libraries
    libsdl2-dev libepoxy-dev libpng-dev zlib1g-dev libvorbis-dev libogg-dev libfreetype-dev
    libopenal-dev libcairo2-dev
    # software OpenGL for windows without a GPU and for the offscreen driver
    libgl1-mesa-dri libegl-mesa0 libegl1
    # fonts: the game's font and the built-in one
    ttf-bitstream-vera fonts-dejavu-core
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    # libFuzzer's runtime for the loader fuzzers
    libclang-rt-14-dev
    # end-to-end runs in a real window
    xvfb openbox xdotool imagemagick
    # the install and package checks: validators, the manual, watching the
    # installed game's files and window, building the .deb
    desktop-file-utils appstream man-db inotify-tools x11-utils dpkg-dev gzip
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
