#!/usr/bin/env bash
# Builds the program for release and packs it as a Debian package:
#   bash tools/package.sh          -> build-pkg/zazuzar_<version>_amd64.deb
# Install it with: apt-get install ./build-pkg/zazuzar_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test # packing needs dpkg-dev and file besides the build
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build-pkg --target zazuzar
(cd build-pkg && cpack -G DEB >/dev/null)
ls build-pkg/zazuzar_*.deb
