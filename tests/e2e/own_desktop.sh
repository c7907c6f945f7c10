#!/usr/bin/env bash
# The real program on a desktop set up as many people have theirs: a dark
# colour scheme through the qt6ct platform theme, and a home folder that
# holds nothing but that setting. A key is made and saved through the real
# save dialog into a folder gone into there, loaded back through the real open
# dialog, which must open in that folder, and printed through the real print
# dialog to Qt's PDF printer, which must offer that folder too; the window is
# closed. Then:
#   - the printout is owner-only (0600) under the umask 022, as the key is;
#   - the printed page has dark ink: the darkest pixel below 100 of 255;
#   - nothing was written into the home folder but the key and the printout,
#     and no file outside the key's folder names that folder or the key.
#   own_desktop.sh <path to zazuzar>
set -euo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")
scheme=/usr/share/qt6ct/colors/darker.conf
tools=(/usr/bin/python3 pdftoppm convert)
source "$here/x_session.sh"
[[ -f $scheme ]] || {
  echo "SKIPPED: $scheme is missing; tools/install-deps.sh test installs qt6ct"
  exit 77
}

home=$work/home
hideout=$home/Geheimversteck
key=schluessel.OTP
mkdir -p "$home/.config/qt6ct" "$hideout"
printf '[Appearance]\ncustom_palette=true\ncolor_scheme_path=%s\n' "$scheme" \
  >"$home/.config/qt6ct/qt6ct.conf"
cp "$home/.config/qt6ct/qt6ct.conf" "$work/qt6ct.conf"
mkdir -m 0700 "$work/runtime"
# Started from outside the home folder, so that the dialogs open elsewhere.
# No CUPS scheduler is asked, so the print dialog offers Qt's PDF printer.
cd "$work"
umask 022
start_program env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
  HOME="$home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORMTHEME=qt6ct \
  CUPS_SERVER="$work/no-cups.sock"

# The scheme took: the window is dark.
import -window "$window" "$work/window.png"
brightness=$(convert "$work/window.png" -colorspace gray -format '%[fx:int(mean*255)]' info:)
((brightness < 100)) || fail "the window is not dark (mean $brightness of 255): the scheme did not take"

click $bt_OTPkey
# The save dialog: into the folder by its path, then the name, as typed.
click_to_dialog $bt_OTPSave "Speichern unter"
xdotool key ctrl+a && xdotool type --delay 20 "$hideout" && xdotool key Return
xdotool key ctrl+a && xdotool type --delay 20 "$key" && xdotool key Return
wait_focus Information || fail "no message after the save"
xdotool key Return # "OTP wurde gespeichert!"
wait_windows 1 || fail "the message after the save stayed open"
[[ $(stat -c %s "$hideout/$key") == 602 ]] || fail "the key was not saved in $hideout"
# The open dialog opens where the save dialog went: the bare name loads it.
click_to_dialog $bt_OTPLoad Öffnen
xdotool type --delay 20 "$key" && xdotool key Return
wait_windows 1 || fail "the key did not load from the folder chosen last"

# The print dialog offers a file named after the date and the key in the
# folder chosen last: "Drucken" prints there.
click_to_dialog $bt_OTPPrint Drucken
xdotool key Return
wait_windows 1 || fail "the print dialog stayed open"
wait_until '[[ $(tail -c 6 "$hideout"/*-OTP.pdf 2>/dev/null) == *%%EOF* ]]' ||
  fail "no whole printout in $hideout: $(ls -A "$hideout" "$home")"
pdf=$(ls "$hideout"/*-OTP.pdf)
mode=$(stat -c %a "$pdf")
[[ $mode == 600 ]] || fail "the printout $pdf is not owner-only: mode $mode"
pdftoppm -r 100 -png -singlefile "$pdf" "$work/page"
ink=$(convert "$work/page.png" -colorspace gray -format '%[fx:int(minima*255)]' info:)
echo "printout: $(basename "$pdf"), mode $mode, darkest pixel $ink of 255"
((ink < 100)) || fail "the printed key is blank: its darkest pixel is $ink of 255"

/usr/bin/python3 "$here/close_window.py" "$window"
wait_until '! kill -0 "$app" 2>/dev/null' || fail "the window did not close"
wait "$app" || fail "the program ended with status $?"
app=

# What the run left in the home folder: the key and the printout only, beside
# the scheme's setting as it was.
left=$(cd "$home" && find . -not -type d | sort | paste -sd ' ')
[[ $left == "./.config/qt6ct/qt6ct.conf ./Geheimversteck/${pdf##*/} ./Geheimversteck/$key" ]] ||
  fail "the run wrote into the home folder: $left"
cmp -s "$work/qt6ct.conf" "$home/.config/qt6ct/qt6ct.conf" || fail "the run changed qt6ct.conf"
named=$(grep -rlaF -e Geheimversteck -e "$key" "$home" --exclude-dir=Geheimversteck || true)
[[ -z $named ]] || fail "these files name the key's folder or the key: $named"
echo "own desktop: an owner-only printout in dark ink, nothing left in the home folder"
