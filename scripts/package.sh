#!/usr/bin/env bash
# Builds the program and makes its Debian package with CPack: build/package/festoon_<version>_<arch>.deb,
# installing under /usr, its library dependencies found by dpkg-shlibdeps. Prints the package's path.
# Usage: scripts/package.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build_dir=${1:-${FESTOON_BUILD_DIR:-build}}
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir"
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B package >/dev/null)
ls "$PWD/$build_dir"/package/festoon_*.deb
