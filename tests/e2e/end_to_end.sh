#!/usr/bin/env bash
# The real program on a real X server, worked with real X events: a message is
# typed and enciphered, the cipher text copied out through the X clipboard,
# pasted back in decode mode, deciphered, and the decoded text copied and
# compared. Before that, the window must name its desktop entry.
#   end_to_end.sh <path to zazuzar> <desktop file name>
set -euo pipefail
program=$1 app_id=$2
plain="TREFF 18 UHR AM BAHNHOF"
expected="TREFF18UHRAMBAHNHOF"

tools=(xclip xprop)
source "$(dirname "$0")/x_session.sh"
start_program

# Qt's X11 plugin names the desktop entry in two properties, from the desktop
# file name; a Qt that writes neither (Debian 12's 6.4) leaves their names
# unknown to this X server.
for property in _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID; do
  case $(xprop -id "$window" -notype "$property") in
    "$property = \"$app_id\"") ;;
    *"no such atom on any window.") echo "$property: this Qt does not write it" ;;
    *) fail "$property is not \"$app_id\": $(xprop -id "$window" "$property")" ;;
  esac
done

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
