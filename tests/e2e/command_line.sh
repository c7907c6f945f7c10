#!/usr/bin/env bash
# The program's command line where there is no display (no X or Wayland
# server, no QT_QPA_PLATFORM), as on a build server: one row per command line.
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
exit $fail
