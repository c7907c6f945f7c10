#!/usr/bin/env bash
# Packs the built program with CPack and checks the Debian package: the
# program, the desktop entry and both icons in their freedesktop places, the
# runtime dependencies, a stripped program under 2 MiB built hardened (PIE,
# full RELRO, stack protector), no lintian error or warning (folders 0755
# though packed under umask 077), and AppStream metadata and a desktop entry
# that validate cleanly (but for the one accepted warning below).
#   check_deb.sh <build folder>
# Exits 77 (skipped) where a checking tool is missing.
set -euo pipefail
build=$1
for tool in dpkg-deb file readelf lintian appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || {
    echo "SKIPPED: $tool is missing; tools/install-deps.sh test installs it"
    exit 77
  }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# Packed under umask 077: the modes in the package must not follow it.
(umask 077 && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/zazuzar_*.deb)
contents=$(dpkg-deb -c "$deb")
fail=0
metainfo=./usr/share/metainfo/org.zazuzar.zazuzar.metainfo.xml
for path in ./usr/bin/zazuzar ./usr/share/applications/zazuzar.desktop \
  ./usr/share/icons/hicolor/32x32/apps/zazuzar.png ./usr/share/icons/hicolor/16x16/apps/zazuzar.png \
  $metainfo; do
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
# Debian's hardening, read off the program: BIND_NOW with a RELRO segment is
# full RELRO; __stack_chk_fail is the stack protector's.
program=$out/root/usr/bin/zazuzar
dynamic=$(readelf -d "$program")
grep -q 'FLAGS.*BIND_NOW' <<<"$dynamic" || { echo "not linked with -z now"; fail=1; }
grep -q 'FLAGS_1.*PIE' <<<"$dynamic" || { echo "not a PIE"; fail=1; }
grep -q 'GNU_RELRO' <<<"$(readelf -l "$program")" || { echo "no RELRO segment"; fail=1; }
grep -q '__stack_chk_fail' <<<"$(readelf -W --dyn-syms "$program")" || { echo "no stack protector"; fail=1; }
# There is no public home page yet, so the metadata has no <url
# type="homepage">, and newer AppStream validators (Debian 13's and later)
# warn url-homepage-missing. That one warning is accepted, and lintian's
# appstream-metadata-validation-failed only where it is the validator's sole
# complaint. The validator is asked as lintian asks it, on the whole tree, for
# its machine-readable report. AppStream 0.16 and 1.0 write that as YAML
# ("- tag: x" / "  severity: warning" / "Passed: no"); 1.2 writes the same
# fields in JSON form under the same option ("tag": "x", ... "Passed": "no"),
# and not always valid JSON. So each field is read off its own line in either
# form. The tree passes when no file's report says it failed.
accepted=url-homepage-missing
appstream=$(appstreamcli validate-tree --format=yaml --no-net "$out/root" 2>&1) || true
fields=$(sed -E 's/^[[:space:]]*(- )?"?([A-Za-z]+)"?: *"?([^",]*)"?,?$/\2: \3/' <<<"$appstream")
complaints=$(awk '/^tag: / { tag = $2 } /^severity: (warning|error)$/ { print tag }' <<<"$fields" |
  sort -u | paste -sd ' ')
verdicts=$(sed -n 's/^Passed: //p' <<<"$fields" | sort -u | paste -sd ' ')
[[ $verdicts == yes || $complaints == "$accepted" ]] || { echo "appstreamcli: $appstream"; fail=1; }
status=0
report=$(lintian --allow-root --fail-on error,warning "$deb" 2>&1) || status=$?
if ((status != 0)); then
  others=$(grep -E '^[EW]: ' <<<"$report" | grep -v '^W: zazuzar: appstream-metadata-validation-failed ' || true)
  ((status == 2)) && [[ -z $others && $complaints == "$accepted" ]] || { echo "lintian: $report"; fail=1; }
fi
report=$(desktop-file-validate "$out/root/usr/share/applications/zazuzar.desktop" 2>&1) && [[ -z $report ]] ||
  { echo "desktop-file-validate: $report"; fail=1; }
echo "$(basename "$deb"): program $size bytes; Depends: $depends"
exit $fail
