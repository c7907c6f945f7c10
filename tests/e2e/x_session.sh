# The part the end-to-end scripts share: an X server of their own, the real
# program on it, and the ways a person works its window with xdotool.
# Sourced; the script sets `program` first and may set `tools`, more
# commands it needs. Work files go in "$work", removed on exit.

# Exits 77 (skipped) where a tool is missing.
source "$(dirname "${BASH_SOURCE[0]}")/../require_tools.sh"
require_tools Xvfb xdotool dbus-run-session "${tools[@]}"
# The script runs again on a session bus of its own, as a desktop gives its
# programs one; without it libdbus would start a bus for the program and note
# it in the home folder. The bus ends with the script.
[[ -n ${ZAZUZAR_TEST_BUS:-} ]] || ZAZUZAR_TEST_BUS=1 exec dbus-run-session -- bash "$0" "$@"

work=$(mktemp -d)
cleanup() {
  [[ -n ${app:-} ]] && kill "$app" 2>/dev/null || true
  [[ -n ${xserver:-} ]] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 20 s until a condition (evaluated) holds. A loaded machine may
# take its time with any step, so every step waits for what it should bring,
# something the test can see, instead of sleeping.
wait_until() {
  for _ in $(seq 200); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

# A display of our own; Xvfb names it on the file descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
wait_until '[[ -s $work/display ]]'
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

# Starts the program (arguments: what goes before it, such as env settings)
# and waits for its window: sets app, window and X, Y of its client area.
start_program() {
  "$@" "$program" >"$work/app.log" 2>&1 &
  app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --classname zazuzar | head -1) ||
    fail "the program showed no window within 20 s"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool windowfocus --sync "$window" || true
}

# Controls by their place in the fixed layout: the tab page starts at 9, 31 in
# the window; each point is the middle of a control.
page() { echo $((X + 9 + $1)) $((Y + 31 + $2)); }
VavorIn="332 34"; bt_kodieren="236 100"; rb_VavorDecod="35 109"
bt_OTPkey="68 308"; bt_OTPCrypt="84 508"; output_area="188 640"
bt_OTPLoad="420 380"; bt_OTPSave="420 412"; bt_OTPPrint="420 444"

# The program's visible windows: the main window, and a popup menu, a dialog
# or a message box while one is open.
windows() { xdotool search --onlyvisible --classname zazuzar 2>/dev/null | wc -l; }
wait_windows() { wait_until "((\$(windows) == $1))"; }
# Waits until the window named $1 has the keyboard: a dialog or a message box
# takes it once it is shown, and keys sent before that are lost.
wait_focus() {
  local name=$1
  wait_until '[[ $(xdotool getwindowfocus getwindowname 2>/dev/null) == "$name" ]]'
}
fail() {
  echo "FAIL: $*"
  for id in $(xdotool search --onlyvisible --classname zazuzar 2>/dev/null); do
    echo "open window: \"$(xdotool getwindowname "$id")\""
    xdotool getwindowgeometry "$id" | sed 's/^/  /'
  done
  [[ -s $work/app.log ]] && { echo "program output:"; cat "$work/app.log"; }
  exit 1
}
# A click on a control; the window must be alone afterwards (a message box
# that shows later fails the next step's wait).
click() {
  xdotool mousemove $(page "$1" "$2") click 1
  wait_windows 1 || fail "a window or message box opened after a click at $1, $2"
}
# A click on a control that opens the dialog named $3; waits for its keyboard.
click_to_dialog() {
  xdotool mousemove $(page "$1" "$2") click 1
  wait_focus "$3" || fail "no dialog \"$3\" after a click at $1, $2"
}
