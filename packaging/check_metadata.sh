# The checks of the installed desktop entry and AppStream metadata that the
# plain install and the Debian package share; sourced, it defines
#   check_metadata <root> <app id> <CHANGELOG.md>
# which sets fail=1 on any fault and sets waived to the validator's
# complaints that are let pass (empty where it had none).
#
# There is no public home page yet, so the metadata has no <url
# type="homepage">, and newer AppStream validators (Debian 13's and later)
# warn url-homepage-missing. That one warning is let pass: the tree is
# validated as it is and, where that fails, once more with the warning made
# an info; passing then, the warning was its only complaint.
check_metadata() {
  local root=$1 id=$2 changelog=$3 report
  local desktop=$root/usr/share/applications/$id.desktop
  local metainfo=$root/usr/share/metainfo/$id.metainfo.xml
  waived=
  report=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $report ]] ||
    { echo "desktop-file-validate: $report"; fail=1; }
  if ! report=$(appstreamcli validate-tree --no-net "$root" 2>&1); then
    waived=url-homepage-missing
    report=$(appstreamcli validate-tree --no-net --override=$waived=info "$root" 2>&1) ||
      { echo "appstreamcli validate-tree: $report"; fail=1; }
  fi
  # The metainfo names the desktop entry, the entry names the icon; the
  # releases are those of CHANGELOG.md.
  local launchable icon releases headings
  launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
  [[ -f $root/usr/share/applications/$launchable ]] || { echo "no desktop entry '$launchable'"; fail=1; }
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [[ -f $root/usr/share/icons/hicolor/64x64/apps/$icon.png ]] || { echo "no icon '$icon'"; fail=1; }
  releases=$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo" | paste -sd ' ')
  headings=$(sed -n 's/^## \([^ ]*\) .*/\1/p' "$changelog" | paste -sd ' ')
  [[ $releases == "$headings" ]] || { echo "releases '$releases', CHANGELOG.md '$headings'"; fail=1; }
}
