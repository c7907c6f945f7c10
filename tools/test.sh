#!/usr/bin/env bash
# Installs what Zazuzar needs (as root), builds everything and runs every test:
# the suite under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers
# for a bounded time each, and last the suite on the normal build, whose CTest
# summary ends the output.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/sanitize.sh
bash tools/fuzz.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAZUZAR_WERROR=ON
cmake --build build-test -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j "$(nproc)"
