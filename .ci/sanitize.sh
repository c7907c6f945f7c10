#!/usr/bin/env bash
# Builds the core, the window and the tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan and runs every test there. Any
# report (memory error, leak, undefined behaviour) fails the run.
#
# SANITIZE_CXX picks the compiler (default: clang++ if present, else g++).
set -euo pipefail
cd "$(dirname "$0")/.."

cxx=${SANITIZE_CXX:-$(command -v clang++ || command -v g++)}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
jobs=$(nproc)

# Every report aborts the process, so the test that trips it fails; leak
# checking is on (Qt on the offscreen platform reports no leaks of its own;
# the leaks of libraries on a real X server are suppressed by name).
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/.ci/lsan-suppressions.txt"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen

# Without Debian's hardening flags: fortified functions would do their own
# checks where the sanitizers' interceptors should see the access.
cmake -S . -B build-asan -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="$flags" \
  -DCMAKE_SHARED_LINKER_FLAGS="$flags" \
  -DZAZUZAR_BUILD_UI=ON -DBUILD_TESTING=ON -DZAZUZAR_BUILD_TOOLS=ON \
  -DZAZUZAR_HARDENING=OFF -DZAZUZAR_WERROR=ON
cmake --build build-asan -j "$jobs"
bash .ci/run-ctest.sh build-asan -j "$jobs"
