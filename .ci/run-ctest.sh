#!/usr/bin/env bash
# Runs CTest in a build folder, with the output of each failing test.
#   run-ctest.sh <build folder> [ctest options]
# With ZAZUZAR_NO_SKIPS=1 (.ci/run sets it) a test that was skipped or did not
# run fails the run as well: where everything is installed, a skipped test is
# a test lost.
set -euo pipefail
build=$1
shift
log=$build/ctest.log
ctest --test-dir "$build" --output-on-failure "$@" 2>&1 | tee "$log"
if [[ ${ZAZUZAR_NO_SKIPS:-0} == 1 ]] && grep -q '^The following tests did not run:' "$log"; then
  echo "FAILED: with ZAZUZAR_NO_SKIPS=1 every test must run"
  exit 1
fi
