#!/usr/bin/env bash
# Start-up to the first painted window, the real window against a bare Qt
# window with one label, side by side in one run; and their peak memory.
#   bench/startup.sh [build-folder]   (default build-test)
set -euo pipefail
build=${1:-build-test}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target startup_bare startup_window >/dev/null
bare="$build/bench/startup_bare"
real="$build/bench/startup_window"
hyperfine --warmup 5 --runs 40 --export-json /tmp/zazuzar-startup.json -N "$bare" "$real"
python3 - <<'PY'
import json, statistics
r = json.load(open('/tmp/zazuzar-startup.json'))['results']
m = [statistics.median(x['times']) * 1000 for x in r]
print(f"median start-up: bare {m[0]:.1f} ms, window {m[1]:.1f} ms, ratio {m[1] / m[0]:.2f}")
PY
peak() { /usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -1; }
b=$(peak "$bare"); w=$(peak "$real")
echo "peak memory: bare ${b} KiB, window ${w} KiB, difference $(((w - b) / 1024)) MiB"
