#!/usr/bin/env bash
# Builds the program for release and packs it as a Debian package:
#   bash packaging/package.sh          -> build-pkg/zazuzar_<version>_amd64.deb
# Install it with: apt-get install ./build-pkg/zazuzar_*.deb
# The same commit gives the same package, byte for byte, wherever and whenever
# it is built and whatever the umask (.ci/reproducible.sh checks it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh test # packing needs dpkg-dev and file besides the build
# The compiler flags Debian builds its packages with, hardening=+all, as
# dpkg-buildflags gives them on this release; its prefix map keeps the
# build's folder out of the program. CMake reads no CPPFLAGS, so they go with
# the CXXFLAGS.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
# Every time the build stamps (rcc's pictures, the package's files and
# members) is the release time of CHANGELOG.md's top entry, which CMake has
# read; a SOURCE_DATE_EPOCH already set wins.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(<build-pkg/packaging/source-date-epoch)}
export SOURCE_DATE_EPOCH
cmake --build build-pkg --target zazuzar
# CPack writes the .deb's own members (debian-binary, control.tar.gz,
# data.tar.gz) with the umask's modes; the modes inside are fixed by the build.
(umask 022 && cd build-pkg && cpack -G DEB >/dev/null)
sha256sum build-pkg/zazuzar_*.deb
