#!/usr/bin/env bash
# The release check of packaging/Release.cmake, which makes sure that a release's
# CHANGELOG.md and its CMake version agree: first the tree's own CHANGELOG.md
# against the version CMake builds, then one row per made-up changelog. Where
# the check passes, the release time it read must be the one GNU date gives.
#   release_check.sh <cmake> <source folder> <version>
set -uo pipefail
cmake=$1 source=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
check() { "$cmake" -D VERSION="$2" -D CHANGELOG="$1" -P "$source/packaging/Release.cmake" 2>&1; }
fail=0
report=$(check "$source/CHANGELOG.md" "$version") || {
  echo "FAIL: CHANGELOG.md against CMake's version $version: $report"
  fail=1
}
# version CMake builds | the changelog's headings, "/" between them | passes
while IFS='|' read -r built headings passes; do
  IFS=/ read -ra lines <<<"$headings"
  {
    printf '# Changes\n\n'
    printf '%s\n\n- A change.\n\n' "${lines[@]}"
  } >"$out/CHANGELOG.md"
  report=$(check "$out/CHANGELOG.md" "$built")
  status=$?
  if [[ $passes == yes ]]; then
    [[ ${lines[0]} =~ \((.*)\)$ ]]
    epoch=$(date -u -d "${BASH_REMATCH[1]} UTC" +%s)
    ((status == 0)) && [[ $report == *"released ${BASH_REMATCH[1]:0:10} ($epoch)"* ]]
  else
    ((status != 0))
  fi || {
    echo "FAIL: '$headings' against $built should pass: $passes; status $status: $report"
    fail=1
  }
done <<'ROWS'
1.2.0|## 1.2.0 (2026-12-08 20:00)/## 1.1.0 (2026-12-08 16:30)|yes
1.2.0|## 1.3.0 (2026-12-09 10:00)/## 1.2.0 (2026-12-08 20:00)|no
1.2.0|## 1.1.0 (2026-12-08 16:30)|no
1.2.10|## 1.2.10 (2024-02-29 23:59)/## 1.2.9 (2024-02-28 00:00)|yes
2.0.0|## 2.0.0 (2000-03-01 00:01)|yes
1.0.0|## 1.0.0 (1970-01-01 00:00)|yes
1.2.0|## 1.2.0 (2026-12-08)|no
1.2.0|## 1.2.0 (2026-13-08 20:00)|no
1.2.0|## 1.2.0 (2026-12-08 20:00)/## 1.2.1 (2026-12-07 10:00)|no
1.2.0|## 1.2.0 (2026-02-31 20:00)|no
1.2.0|## 1.2.0 (2026-00-08 20:00)|no
1..0|## 1..0 (2026-12-08 20:00)|no
1.2.0|## 1.2.0 (2026-12-08 20:00)/## 1.2.0 (2026-12-07 10:00)|no
ROWS
exit $fail
