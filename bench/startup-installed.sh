#!/usr/bin/env bash
# The installed program against a bare Qt window with one label: time from
# start to the first window shown on an X server (Xvfb), side by side.
#   bench/startup-installed.sh [build-folder] [program]   (defaults build-test, /usr/bin/zazuzar)
set -euo pipefail
build=${1:-build-test}
program=${2:-/usr/bin/zazuzar}
runs=${RUNS:-40}
cmake --build "$build" --target map_timer startup_bare >/dev/null
unset QT_QPA_PLATFORM

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
trap 'kill $xserver; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

timer="$build/bench/map_timer"
"$timer" 5 "$build/bench/startup_bare" >/dev/null 2>&1  # warm the caches
"$timer" 5 "$program" >/dev/null 2>&1
# Alternate the two so that a change of load on the machine meets both alike.
bare=() real=()
for _ in $(seq 5); do
  bare+=("$("$timer" $((runs / 5)) "$build/bench/startup_bare" 2>/dev/null)")
  real+=("$("$timer" $((runs / 5)) "$program" 2>/dev/null)")
done
python3 - "${bare[*]}" "${real[*]}" "$program" <<'PY'
import statistics, sys
bare = statistics.median(map(float, sys.argv[1].split()))
real = statistics.median(map(float, sys.argv[2].split()))
print(f"median start to first window: bare Qt window {bare:.1f} ms, {sys.argv[3]} {real:.1f} ms, ratio {real / bare:.2f}")
PY
echo "size of $program: $(stat -c %s "$program") bytes"
