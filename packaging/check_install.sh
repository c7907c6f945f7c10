#!/usr/bin/env bash
# The program as a distribution's packaging builds it, on a system without
# Debian's tools: configured, built and installed (`DESTDIR=<root> cmake
# --install`) with every dpkg tool out of reach, the commands reached through
# a PATH of links that leaves out dpkg*, and CMake told to look in no folder
# of the system's commands, and with the build type None and compiler flags
# as Arch gives them. The installed files must be those expected, with their modes; the
# desktop entry, the AppStream metadata and the names that tie them to each
# other and to the icons must hold; the packager's flags must win over the
# program's own hardening, and _FORTIFY_SOURCE be defined once.
#   check_install.sh <source folder> <work folder> <app id>
# The work folder keeps the build's objects between runs; each run configures
# afresh. Exits 77 (skipped) where a checking tool is missing.
set -euo pipefail
source=$1 work=$2 id=$3
source "$(dirname "$0")/../tests/require_tools.sh"
source "$(dirname "$0")/check_metadata.sh"
require_tools desktop-file-validate appstreamcli
build=$work/build root=$work/root links=$work/path
rm -rf "$root" "$links" "$build/CMakeCache.txt" "$build/CMakeFiles"
mkdir -p "$links" "$build"
IFS=: read -ra folders <<<"$PATH"
for folder in "${folders[@]}"; do
  for command in "$folder"/*; do
    name=${command##*/}
    if [[ -f $command && -x $command && $name != dpkg* && ! -e $links/$name ]]; then
      ln -s "$command" "$links/$name"
    fi
  done
done
system=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
step() { env PATH="$links" "$@" >"$work/step.log" 2>&1 || { cat "$work/step.log"; exit 1; }; }
step env CXXFLAGS="-O2 -Wp,-D_FORTIFY_SOURCE=3 -fstack-protector-all" \
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_IGNORE_PATH="${system//:/;}"
step cmake --build "$build" -j "$(nproc)"
step env DESTDIR="$root" cmake --install "$build"

fail=0
installed=$(cd "$root" && find . -type f -printf '%m %P\n' | sort -k2)
expected=$(
  echo "755 usr/bin/zazuzar"
  echo "644 usr/share/applications/$id.desktop"
  echo "644 usr/share/doc/zazuzar/CHANGELOG.md"
  for size in 128 16 24 256 32 48 64; do
    echo "644 usr/share/icons/hicolor/${size}x$size/apps/$id.png"
  done
  echo "644 usr/share/icons/hicolor/scalable/apps/$id.svg"
  echo "644 usr/share/man/de/man1/zazuzar.1"
  echo "644 usr/share/man/man1/zazuzar.1"
  echo "644 usr/share/metainfo/$id.metainfo.xml"
)
[[ $installed == "$expected" ]] || {
  echo "the installed files (>) differ from those expected (<):"
  diff <(echo "$expected") <(echo "$installed") || true
  fail=1
}

check_metadata "$root" "$id" "$source/CHANGELOG.md"
doubled=$(grep '"command":' "$build/compile_commands.json" |
  awk '{ if (gsub(/_FORTIFY_SOURCE/, "&") != 1 || /-fstack-protector-strong/) print }')
[[ -z $doubled ]] || { echo "the packager's flags did not win: $doubled"; fail=1; }
((fail)) || echo "installed without dpkg: $(wc -l <<<"$installed") files, all as expected"
exit $fail
