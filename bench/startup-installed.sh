#!/usr/bin/env bash
# The installed program against a bare Qt window with one label, measured as
# bench/startup.sh measures the program of a build.
#   bench/startup-installed.sh [build-folder] [program]   (defaults build-test, /usr/bin/zazuzar)
set -euo pipefail
build=${1:-build-test}
exec bash "$(dirname "$0")/startup.sh" "$build" "${2:-/usr/bin/zazuzar}"
