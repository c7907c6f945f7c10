#!/usr/bin/env bash
# Builds the program for release and packs it as a Debian package:
#   bash tools/package.sh          -> build-pkg/zazuzar_<version>_amd64.deb
# Install it with: apt-get install ./build-pkg/zazuzar_*.deb
# The same commit gives the same package, byte for byte, wherever and whenever
# it is built and whatever the umask (tools/reproducible.sh checks it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test # packing needs dpkg-dev and file besides the build
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
# Every time the build stamps (rcc's pictures, the package's files and
# members) is the release time of CHANGELOG.md's top entry, as dpkg takes it
# from debian/changelog; a SOURCE_DATE_EPOCH already set wins.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(dpkg-parsechangelog -l build-pkg/packaging/changelog -S Timestamp)}
export SOURCE_DATE_EPOCH
cmake --build build-pkg --target zazuzar
# CPack writes the .deb's own members (debian-binary, control.tar.gz,
# data.tar.gz) with the umask's modes; the modes inside are fixed by the build.
(umask 022 && cd build-pkg && cpack -G DEB >/dev/null)
sha256sum build-pkg/zazuzar_*.deb
