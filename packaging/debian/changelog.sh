#!/usr/bin/env bash
# Writes the project's changelog (Markdown: "## <version> (<yyyy-mm-dd hh:mm>)"
# headings with the release time in UTC, "- " items, two-blank continuation
# lines) in the Debian changelog format that a native package's changelog.gz
# holds. It only converts: packaging/Release.cmake has refused, when CMake
# configured the build, any "## " line that is no release heading.
#   changelog.sh <package> <maintainer> <CHANGELOG.md> <output>
set -euo pipefail
package=$1 maintainer=$2 input=$3 output=$4

entry=() date=
flush() {
  if [[ -z $date ]]; then
    return
  fi
  # The entry's text without the blank lines around it.
  while ((${#entry[@]})) && [[ -z ${entry[-1]} ]]; do unset 'entry[-1]'; done
  printf '\n'
  printf '%s\n' "${entry[@]}"
  printf '\n -- %s  %s\n' "$maintainer" "$(LC_ALL=C date -u -R -d "$date UTC")"
}
{
  while IFS= read -r line; do
    if [[ $line =~ ^##\ (.*)\ \((.*)\)$ ]]; then
      if [[ -n $date ]]; then
        flush
        printf '\n'
      fi
      printf '%s (%s) unstable; urgency=medium\n' "$package" "${BASH_REMATCH[1]}"
      entry=() date=${BASH_REMATCH[2]}
    elif [[ -z $date ]]; then
      continue # the title above the first entry
    elif [[ $line == "- "* ]]; then
      entry+=("  * ${line:2}")
    elif [[ -n $line ]]; then
      entry+=("  $line")
    elif ((${#entry[@]})); then
      entry+=("")
    fi
  done <"$input"
  flush
} >"$output"
