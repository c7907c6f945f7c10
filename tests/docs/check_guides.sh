#!/usr/bin/env bash
# The user's guides against the screenshot tool: the README's screenshot
# command must write exactly the pictures the guides show, and every link and
# picture in the guides and the README must lead somewhere.
#   check_guides.sh <path to screenshot> <source folder>
set -euo pipefail
screenshot=$1
source=$2
guides=(docs/guide.de.md docs/guide.en.md)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The command as the README gives it; its last word is the pictures' folder.
command=$(grep -E '^ +QT_QPA_PLATFORM=offscreen build-test/tools/screenshot ' "$source/README.md" || true)
if [[ $(grep -c . <<<"$command") -ne 1 ]]; then
  echo "FAIL: README.md should give the screenshot command exactly once"
  exit 1
fi
folder=${command##* }
folder=${folder%/}
QT_QPA_PLATFORM=offscreen "$screenshot" "$work/$folder" >"$work/written" || fail "the screenshot command failed"
mapfile -t written < <(cd "$work/$folder" && ls)

# A heading's anchor as the Markdown renderers make it: lower case, signs
# dropped, blanks as hyphens.
anchors() {
  sed -n 's/^#\{1,6\} \+//p' "$1" | tr 'A-Z' 'a-z' |
    LC_ALL=C sed 's/[][!"#$%&'"'"'()*+,./:;<=>?@\\^`{|}~]//g; s/ *$//; s/ /-/g'
}

declare -A shown=()
for document in README.md "${guides[@]}"; do
  [[ -f $source/$document ]] || { fail "$document is missing"; continue; }
  base=$(dirname "$document")
  while IFS= read -r target; do
    case $target in http://* | https://* | mailto:*) continue ;; esac
    path=${target%%#*}
    anchor=${target#"$path"}
    anchor=${anchor#\#}
    file=$document
    if [[ -n $path ]]; then
      file=$(realpath -m --relative-to="$source" "$source/$base/$path")
      [[ $file == "$folder"/* ]] && shown[${file#"$folder"/}]=1
      [[ -f $source/$file ]] || { fail "$document: $target leads nowhere"; continue; }
    fi
    if [[ -n $anchor ]] && ! anchors "$source/$file" | grep -qxF -- "$anchor"; then
      fail "$document: $target names no heading of $file"
    fi
  done < <(grep -o '\](\([^)]*\))' "$source/$document" | sed 's/^](//; s/)$//')
done

for picture in "${!shown[@]}"; do
  [[ -f $work/$folder/$picture ]] || fail "$folder/$picture is shown but the screenshot command no longer writes it"
done
for picture in "${written[@]}"; do
  [[ -n ${shown[$picture]:-} ]] || fail "the screenshot command writes $folder/$picture, which no guide shows"
done
# Every guide shows at least one picture of the window.
for guide in "${guides[@]}"; do
  grep -q "!\[[^]]*\]($(basename "$folder")/" "$source/$guide" || fail "$guide shows no picture"
done

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "guides: ${#shown[@]} pictures, all written by: ${command#"${command%%[! ]*}"}"
