#!/usr/bin/env bash
# The program's command line where there is no display (no X or Wayland
# server, no QT_QPA_PLATFORM), as on a build server: one row per command line.
# Then the running program's hardening, seen from outside.
#   command_line.sh <program> <version>
set -uo pipefail
program=$1 version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail=0
# arguments | exit status | stdout with its line ends as "/" (a whole-output
# regular expression) | lines on stderr. The short help ends with --help-all:
# Qt's options are listed by that alone.
while IFS='|' read -r arguments status stdout errors; do
  read -ra words <<<"$arguments"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    timeout 3 "$program" "${words[@]}" >"$out/stdout" 2>"$out/stderr"
  got=$?
  lines=$(grep -vc '^QStandardPaths:' "$out/stderr")
  printed=$(tr '\n' / <"$out/stdout")
  if [[ $got != "$status" || ! $printed =~ ^$stdout$ || $lines != "$errors" ]]; then
    echo "FAIL '$arguments': status $got (want $status), stdout:"
    cat "$out/stdout"
    echo "stderr ($lines lines, want $errors):"
    cat "$out/stderr"
    fail=1
  fi
done <<ROWS
--version|0|zazuzar ${version//./\\.}/|0
--help|0|.*/  -v, --version .*/  -h, --help .*/  --help-all [^/]*/|0
--help-all|0|.*/  --help-all .*/  --platform <Wert>/.*|0
--bogus|2||1
a-file.txt|2||1
-platform offscreen --version|0|zazuzar ${version//./\\.}/|0
-platform offscreen|124||0
ROWS

# Started with a core limit above 0, the running program has 0 (soft and
# hard), and another process of its user may open its /proc/<pid>/root, as a
# desktop portal does to know who calls it. Root may open it anyway, so as
# root both are the user nobody.
as=()
[[ $EUID != 0 ]] || as=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
(ulimit -c 1 2>/dev/null; exec "${as[@]}" "$program" -platform offscreen 2>/dev/null) &
for _ in {1..50}; do
  limits=$(grep '^Max core file size' /proc/$!/limits)
  [[ $limits =~ size\ +0\ +0\  ]] && break
  sleep 0.1
done
if [[ ! $limits =~ size\ +0\ +0\  ]] || ! "${as[@]}" ls /proc/$!/root/ >/dev/null; then
  echo "FAIL the running program: $limits; its /proc/<pid>/root: see above"
  fail=1
fi
kill $!
exit $fail
