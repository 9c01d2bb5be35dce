#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the program needs.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev
  libjpeg62-turbo-dev libzip-dev libexif-dev qt6-image-formats-plugins
  libgtest-dev libgmock-dev libbenchmark-dev libpixman-1-dev
  fonts-noto-color-emoji fonts-dejavu-core fontconfig
  fp-utils xchm xdg-utils
  dpkg-dev appstream desktop-file-utils
  xvfb xauth x11-utils xdotool xclip imagemagick python3-pil
  clang libclang-rt-14-dev clang-format
)

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
