#!/usr/bin/env bash
# Installs what Zazuzar's tests need (as root), builds everything and runs every
# test: the suite under AddressSanitizer and UndefinedBehaviorSanitizer, the
# fuzzers for a bounded time each, and last the suite on the normal build,
# package check included. Each stage's time follows it.
#   test.sh [stage...]   stages: sanitize fuzz normal (default all three)
set -euo pipefail
cd "$(dirname "$0")/.."
stages=("$@")
((${#stages[@]})) || stages=(sanitize fuzz normal)
jobs=$(nproc)

normal() {
  # Built as Debian builds its packages (dpkg-buildflags with hardening=+all,
  # a prefix map that rewrites __FILE__ among them), so that the whole suite
  # passes under a packager's flags; CMake reads no CPPFLAGS.
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
  export CXXFLAGS LDFLAGS
  cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAZUZAR_WERROR=ON \
    -DZAZUZAR_BUILD_BENCH=ON -DZAZUZAR_BUILD_TOOLS=ON -DZAZUZAR_PACKAGE_CHECK=ON
  cmake --build build-test -j "$jobs"
  QT_QPA_PLATFORM=offscreen bash .ci/run-ctest.sh build-test -j "$jobs"
}

for stage in install "${stages[@]}"; do
  start=$SECONDS
  case $stage in
    install) bash tools/install-deps.sh test ;;
    sanitize) bash .ci/sanitize.sh ;;
    fuzz) bash .ci/fuzz.sh ;;
    normal) normal ;;
    *)
      echo "unknown stage $stage (sanitize, fuzz, normal)"
      exit 2
      ;;
  esac
  echo "stage $stage: $((SECONDS - start)) s"
done
