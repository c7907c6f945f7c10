#!/usr/bin/env bash
# Start-up of the program exactly as main starts it, against a bare Qt window
# with one label: time from start to the first Expose on an X server (Xvfb).
# Without a window manager the server sends a window its first Expose when it
# maps it, so the time to the first MapNotify is the time to the first Expose.
# The two programs take turns, one start each, 15 times over (RUNS sets it).
# Then the peak memory of both, each ending after its first paint.
#   bench/startup.sh [build-folder] [program]   (defaults build-test, <build-folder>/ui/zazuzar)
set -euo pipefail
build=${1:-build-test}
program=${2:-$build/ui/zazuzar}
runs=${RUNS:-15}
cmake --build "$build" --target zazuzar map_timer startup_bare startup_window >/dev/null
unset QT_QPA_PLATFORM QT_SCALE_FACTOR

work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xserver=$!
trap 'kill $xserver; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

timer="$build/bench/map_timer"
bare_program="$build/bench/startup_bare"
"$timer" 3 "$bare_program" >/dev/null 2>&1  # warm the caches
"$timer" 3 "$program" >/dev/null 2>&1
bare=() real=()
for _ in $(seq "$runs"); do
  bare+=("$("$timer" 1 "$bare_program" 2>/dev/null)")
  sleep 0.2
  real+=("$("$timer" 1 "$program" 2>/dev/null)")
  sleep 0.2
done
python3 - "${bare[*]}" "${real[*]}" "$program" <<'PY'
import statistics, sys
bare = statistics.median(map(float, sys.argv[1].split()))
real = statistics.median(map(float, sys.argv[2].split()))
print(f"median start to first Expose: bare Qt window {bare:.1f} ms, {sys.argv[3]} {real:.1f} ms, "
      f"ratio {real / bare:.2f}")
PY
peak() { /usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -1; }
b=$(peak "$bare_program"); w=$(peak "$build/bench/startup_window")
echo "peak memory to the first paint: bare ${b} KiB, window ${w} KiB, difference $(((w - b) / 1024)) MiB"
