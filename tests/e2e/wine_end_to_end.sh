#!/usr/bin/env bash
# The Windows program under Wine on a real X server, worked with real X
# events: a message is typed, coded and enciphered with a new key; the key and
# the cipher text are copied (the key carries Windows' markers against
# clipboard history, the cipher text none) and saved through the real save
# dialog into a folder typed by its path. Afterwards:
#   - the files hold exactly what they must: the key's 100 groups and CR LF,
#     the cipher text that deciphers with the key to the message's codes;
#   - the key is for the user alone (Wine keeps its access list, and shows it
#     as the file's mode);
#   - the window had the Linux window's size (a screenshot stays beside the
#     test, wine-window.png);
#   - --version answers into a pipe, and --help, started as Explorer starts
#     a program, in a message box;
#   - once the program is closed, nothing in Wine's registry names the folder
#     or Qt's settings.
# Run by packaging/windows/build.sh, which makes the Wine prefix (WINEPREFIX).
#   wine_end_to_end.sh <path to zazuzar.exe>
set -euo pipefail
program=$1
plain="HALLO WELT"
codes=7607979819617986 # the code table's digits for it

tools=(wine xclip /usr/bin/python3)
source "$(dirname "$0")/x_session.sh"
unset QT_QPA_PLATFORM WINEQT_QPA_PLATFORM # Qt's Windows platform, in Wine's windows
OTPOut="180 404"; bt_VavorDecryptSave="439 533"
: "${WINEPREFIX:?WINEPREFIX names the Wine prefix}"

# Wine's windows of the program: the main window, and a popup menu, a dialog or
# a message box while one is open.
windows() { xdotool search --onlyvisible --classname zazuzar.exe 2>/dev/null | wc -l; }
# Wine keeps the X focus on the program's first window and hands the keys to
# the active window itself: the window named $1 takes them once it shows.
wait_focus() {
  local name=$1
  wait_until 'xdotool search --onlyvisible --name "^$name\$" >/dev/null 2>&1'
}
# Wine's own processes (the clipboard's among them) start afresh on this
# display.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
hideout=$work/Geheimversteck-$$
mkdir -p "$hideout" "$work/start"
(cd "$work/start" && wine "$program" >"$work/app.log" 2>&1) &
app=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zazuzar' | head -1) ||
  fail "the program showed no window within 60 s"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ ${WIDTH}x$HEIGHT == 828x806 ]] || fail "the window is ${WIDTH}x$HEIGHT, not 828x806"
xdotool windowfocus --sync "$window" || true

# Copies a field, through its context menu ("Kopieren") or, for the key field,
# which has none, with its own Ctrl+A, Ctrl+C; waits for the clipboard.
copy_from() {
  printf 'nichts' | xclip -i -selection clipboard
  if [[ $1 == menu ]]; then
    xdotool mousemove $(page "$2" "$3") click 3
    wait_windows 2 || fail "no context menu at $2, $3"
    xdotool key Down Return
    wait_windows 1 || fail "the context menu at $2, $3 stayed open"
  else
    click "$2" "$3"
    xdotool key ctrl+a ctrl+c
  fi
  for _ in $(seq 50); do
    [[ $(xclip -o -selection clipboard 2>/dev/null || true) != nichts ]] && return 0
    sleep 0.1
  done
  fail "nothing reached the clipboard from $2, $3"
}
targets() { xclip -o -selection clipboard -t TARGETS 2>/dev/null || true; }
markers=(ExcludeClipboardContentFromMonitorProcessing CanIncludeInClipboardHistory
  CanUploadToCloudClipboard)
# Saves through the real save dialog: the folder typed by its path (when one
# is given), then the name; the message after it is closed.
save() { # <name> <folder or ""> <button's x> <y>
  # A click that Wine takes while a menu has just closed can go astray: the
  # button is clicked again until the dialog shows (a second dialog cannot
  # open behind a modal one).
  for _ in 1 2 3; do
    xdotool mousemove $(page "$3" "$4") click 1
    wait_windows 2 && break
  done
  wait_focus "Speichern unter" || fail "no save dialog after clicks at $3, $4"
  if [[ -n $2 ]]; then
    xdotool key ctrl+a && xdotool type --delay 20 "Z:$2" && xdotool key Return
  fi
  xdotool key ctrl+a && xdotool type --delay 20 "$1" && xdotool key Return
  wait_focus Information || fail "no message after saving $1"
  xdotool key Return
  wait_windows 1 || fail "the message after saving $1 stayed open"
}

click $VavorIn
xdotool type --delay 20 "$plain"
click $bt_kodieren
click $bt_OTPkey
copy_from keys $OTPOut
for marker in "${markers[@]}"; do
  targets | grep -qx "$marker" || fail "the copied key lacks $marker: $(targets | paste -sd ' ')"
  [[ $(xclip -o -selection clipboard -t "$marker" | od -An -tx1 | tr -d ' \n') == 00000000 ]] ||
    fail "$marker is not the DWORD 0"
done
save schluessel.OTP "$hideout" $bt_OTPSave
# Encipher until the cipher text is there: a click while the message box
# still goes away can be lost.
for _ in 1 2 3; do
  click $bt_OTPCrypt
  copy_from menu $output_area
  [[ $(xclip -o -selection clipboard) =~ ^[0-9]{5}\  ]] && break
done
import -window root wine-window.png
targets | grep -qx "${markers[0]}" && fail "the cipher text is marked secret"
save spruch.crp "" $bt_VavorDecryptSave # the dialog opens where the key went

/usr/bin/python3 "$(dirname "$0")/close_window.py" "$window"
wait_until '! kill -0 "$app" 2>/dev/null' || fail "the program did not end when its window was closed"
app=
# The command line: --version into a pipe; --help started as Explorer starts a
# program, with no console and no standard output: in a message box.
[[ $(wine "$program" --version 2>/dev/null) =~ ^zazuzar\ [0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  fail "--version did not answer into the pipe"
wine cmd /c start "" "$(winepath -w "$program")" --help >/dev/null 2>&1
box=$(timeout 30 xdotool search --sync --onlyvisible --name '^ZAZUZAR$' | head -1) ||
  fail "--help started from Explorer showed no message box"
/usr/bin/python3 "$(dirname "$0")/close_window.py" "$box"
wait_until '! xdotool search --onlyvisible --name "^ZAZUZAR$" >/dev/null 2>&1' ||
  fail "the --help box did not close"

wineserver -k 2>/dev/null || true # Wine writes its registry as its server ends
wineserver -w 2>/dev/null || true

key=$hideout/schluessel.OTP cipher=$hideout/spruch.crp
[[ -f $key && -f $cipher ]] || fail "not saved: $(ls -A "$hideout" | paste -sd ' ')"
LC_ALL=C grep -qxE '([0-9]{5} ){100}'$'\r' "$key" && [[ $(stat -c %s "$key") == 602 ]] ||
  fail "the key file is not 100 groups and CR LF: $(od -c "$key" | head -3)"
LC_ALL=C grep -qxE '[0-9]{5} [0-9]{5} [0-9]{5} [0-9]' "$cipher" && [[ $(stat -c %s "$cipher") == 19 ]] ||
  fail "the cipher file is not the cipher text's groups: $(od -c "$cipher")"
digits=$(tr -d ' \r\n' <"$key") ciphered=$(tr -d ' ' <"$cipher") deciphered=
for ((i = 0; i < ${#ciphered}; i++)); do
  deciphered+=$(((${ciphered:i:1} - ${digits:i:1} + 10) % 10))
done
[[ $deciphered == "$codes" ]] || fail "the cipher text deciphers to $deciphered, not $codes"
# Wine keeps a file's rights as its Unix mode: the key's gives others nothing,
# the cipher text's what the folder gives.
(($(stat -c %#a "$key") & 07)) && fail "others may read the key: mode $(stat -c %a "$key")"
(($(stat -c %#a "$cipher") & 04)) || fail "the cipher text was made the user's alone"

registry=$(grep -lF -e "$(basename "$hideout")" -e QtProject "$WINEPREFIX"/*.reg || true)
[[ -z $registry ]] || fail "the registry names the folder or Qt's settings: $registry"
echo "wine end-to-end: the files are exact, the key is the user's alone, the registry is clean"
