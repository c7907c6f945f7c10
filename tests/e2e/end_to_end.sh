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

for tool in Xvfb xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "missing $tool (tools/install-deps.sh installs it)"; exit 1; }
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
click() { xdotool mousemove $(page "$1" "$2") click "${3:-1}"; sleep 0.3; }
menu_item() { sleep 0.3; xdotool key Down Return; sleep 0.3; }
VavorIn="332 34"; bt_kodieren="236 100"; rb_VavorDecod="35 109"
bt_OTPkey="68 308"; bt_OTPCrypt="84 508"; output_area="188 640"
clipboard() { xclip -o -selection clipboard; }

# Encode mode: type, code, make a key, encipher, copy the cipher text.
click $VavorIn
xdotool type --delay 20 "$plain"
sleep 0.3
click $bt_kodieren
click $bt_OTPkey
click $bt_OTPCrypt
click $output_area 3
menu_item
cipher=$(clipboard)
echo "cipher text: $cipher"
[[ $cipher =~ ^([0-9]{5}\ )+[0-9]{0,5}$ ]] || { echo "FAIL: no cipher text on the clipboard"; exit 1; }

# Decode mode: paste the cipher text, decode, decipher, copy the decoded text.
click $rb_VavorDecod
click $VavorIn 3
menu_item
click $bt_kodieren
click $bt_OTPCrypt
click $output_area 3
menu_item
decoded=$(clipboard)
echo "decoded text: $decoded"
if [[ $decoded != "$expected" ]]; then
  echo "FAIL: expected $expected"
  exit 1
fi
echo "end-to-end: the message came back whole"
