#!/usr/bin/env bash
# Packs the built program with CPack and checks the Debian package: the
# program, the desktop entry and both icons in their freedesktop places, the
# runtime dependencies, and a stripped program under 2 MiB.
#   check_deb.sh <build folder>
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zazuzar_*.deb)
contents=$(dpkg-deb -c "$deb")
fail=0
for path in ./usr/bin/zazuzar ./usr/share/applications/zazuzar.desktop \
  ./usr/share/icons/hicolor/32x32/apps/zazuzar.png ./usr/share/icons/hicolor/16x16/apps/zazuzar.png; do
  grep -q " $path\$" <<<"$contents" || { echo "missing $path"; fail=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libjpeg62-turbo fonts-liberation2 qt6-qpa-plugins qt6-translations-l10n; do
  grep -q "$package" <<<"$depends" || { echo "Depends lacks $package: $depends"; fail=1; }
done
dpkg-deb -x "$deb" "$out/root"
size=$(stat -c %s "$out/root/usr/bin/zazuzar")
file "$out/root/usr/bin/zazuzar" | grep -q 'stripped' && ! file "$out/root/usr/bin/zazuzar" | grep -q 'not stripped' ||
  { echo "the program is not stripped"; fail=1; }
((size < 2 * 1024 * 1024)) || { echo "the program is $size bytes"; fail=1; }
grep -q '^Categories=.*\(Utility\|Education\)' "$out/root/usr/share/applications/zazuzar.desktop" ||
  { echo "desktop entry without category"; fail=1; }
echo "$(basename "$deb"): program $size bytes; Depends: $depends"
exit $fail
