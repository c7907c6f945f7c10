#!/usr/bin/env bash
# The real program on a real X server, worked with real X events: a message is
# typed and enciphered, the cipher text copied out through the X clipboard,
# pasted back in decode mode, deciphered, and the decoded text copied and
# compared.
#   end_to_end.sh <path to zazuzar>
set -euo pipefail
program=$1
plain="TREFF 18 UHR AM BAHNHOF"
expected="TREFF18UHRAMBAHNHOF"

# Exits 77 (skipped) where a tool is missing.
for tool in Xvfb xdotool xclip; do
  command -v "$tool" >/dev/null || {
    echo "SKIPPED: $tool is missing; tools/install-deps.sh test installs it"
    exit 77
  }
done

work=$(mktemp -d)
cleanup() {
  [[ -n ${app:-} ]] && kill "$app" 2>/dev/null || true
  [[ -n ${xserver:-} ]] && kill "$xserver" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own; Xvfb names it on the file descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xserver=$!
for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

"$program" >"$work/app.log" 2>&1 &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --classname zazuzar | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y of the client area
xdotool windowfocus --sync "$window" || true

# Controls by their place in the fixed layout: the tab page starts at 9, 31 in
# the window; each point is the middle of a control.
page() { echo $((X + 9 + $1)) $((Y + 31 + $2)); }
VavorIn="332 34"; bt_kodieren="236 100"; rb_VavorDecod="35 109"
bt_OTPkey="68 308"; bt_OTPCrypt="84 508"; output_area="188 640"

# The program's visible windows: the main window, and a popup menu or a
# message box while one is open. A loaded machine may take its time with any
# step, so every step waits for what it should bring instead of sleeping.
windows() { xdotool search --onlyvisible --classname zazuzar 2>/dev/null | wc -l; }
wait_windows() {
  for _ in $(seq 100); do
    (($(windows) == $1)) && return 0
    sleep 0.1
  done
  return 1
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
# A click on a control; the window must be alone afterwards (no message box).
click() {
  xdotool mousemove $(page "$1" "$2") click 1
  sleep 0.2
  wait_windows 1 || fail "a window or message box opened after a click at $1, $2"
}
# The first item of a control's context menu ("Kopieren" or "Einfügen").
first_menu_item() {
  xdotool mousemove $(page "$1" "$2") click 3
  wait_windows 2 || fail "no context menu at $1, $2"
  xdotool key Down Return
  wait_windows 1 || fail "the context menu at $1, $2 stayed open"
}
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
# Copies the output area through its context menu and prints what arrived;
# tries again where the clipboard did not take it at once.
copy_output() {
  printf 'nichts' | xclip -i -selection clipboard
  for _ in 1 2 3; do
    first_menu_item $output_area
    for _ in $(seq 30); do
      local text
      text=$(clipboard)
      [[ -n $text && $text != nichts ]] && { printf '%s' "$text"; return 0; }
      sleep 0.1
    done
  done
  return 1
}

# Encode mode: type, code, make a key, encipher, copy the cipher text.
click $VavorIn
xdotool type --delay 20 "$plain"
sleep 0.3
click $bt_kodieren
click $bt_OTPkey
click $bt_OTPCrypt
cipher=$(copy_output) || fail "the cipher text never reached the clipboard"
echo "cipher text: $cipher"
[[ $cipher =~ ^([0-9]{5}\ )+[0-9]{0,5}$ ]] || fail "no cipher text on the clipboard"
targets() { xclip -o -selection clipboard -t TARGETS 2>/dev/null || true; }
# The cipher text may stay in clipboard histories; the decoded text may not.
targets | grep -qx x-kde-passwordManagerHint && fail "the cipher text is marked secret"

# Decode mode: paste the cipher text, decode, decipher, copy the decoded text.
click $rb_VavorDecod
first_menu_item $VavorIn
click $bt_kodieren
click $bt_OTPCrypt
decoded=$(copy_output) || fail "the decoded text never reached the clipboard"
echo "decoded text: $decoded"
[[ $decoded == "$expected" ]] || fail "expected $expected"
targets | grep -qx x-kde-passwordManagerHint || fail "the decoded text is not marked secret: $(targets)"
echo "end-to-end: the message came back whole"
