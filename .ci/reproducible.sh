#!/usr/bin/env bash
# Checks that the Debian package is reproducible: packaging/package.sh runs in two
# fresh clones of the commit checked out, at paths of different lengths, one
# after the other and so at different times; the second under umask 077, in
# another time zone and locale and, when this runs as root, as the user
# nobody. The two .deb files must be the same byte for byte. When they are
# not, it names what differs (packaging/debian/compare_debs.py, and diffoscope where it
# is installed) and fails. Uncommitted changes are not part of the check.
#   bash .ci/reproducible.sh          (folders in build-reproducible/)
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
commit=$(git rev-parse HEAD)
[[ -z $(git status --porcelain --untracked-files=no) ]] ||
  echo "reproducible: uncommitted changes are left out; checking commit $commit"
work=$PWD/build-reproducible
rm -rf "$work"
mkdir -p "$work"
chmod 755 "$work"
first=$work/a
second=$work/the-second-clone-at-a-longer-path
for clone in "$first" "$second"; do
  git clone -q . "$clone"
  git -C "$clone" checkout -q --detach "$commit"
done

# Builds the package in clone $1 with umask $2; the rest of the command line
# goes before packaging/package.sh. Its output goes to $1.log.
build() {
  local clone=$1 mask=$2
  shift 2
  if ! (cd "$clone" && env -u SOURCE_DATE_EPOCH "$@" bash -c "umask $mask && bash packaging/package.sh") \
    >"$clone.log" 2>&1; then
    echo "reproducible: the package build in $clone failed:"
    tail -n 30 "$clone.log"
    exit 1
  fi
}
build "$first" 022 TZ=UTC LC_ALL=C
sleep 2 # the second build starts later in any case; this makes sure of it
as_user=() builder=$(id -un)
if ((EUID == 0)) && runuser -u nobody -- test -x "$work"; then
  chown -R nobody: "$second"
  as_user=(runuser -u nobody --) builder=nobody
fi
build "$second" 077 "${as_user[@]}" env TZ=Pacific/Kiritimati LC_ALL=C.UTF-8
echo "reproducible: built in $first as $(id -un), umask 022, and in $second as $builder, umask 077"

debs=("$first"/build-pkg/zazuzar_*.deb "$second"/build-pkg/zazuzar_*.deb)
sha256sum "${debs[@]}" | sed "s|$work/||"
status=0
python3 packaging/debian/compare_debs.py "${debs[@]}" || status=1
if ((status)) && command -v diffoscope >/dev/null; then
  diffoscope --text - "${debs[@]}" | head -n 200 || true
fi
if ((status)); then
  echo "reproducible: FAILED, commit $commit ($((SECONDS - started)) s)"
else
  echo "reproducible: the same package from both builds, commit $commit ($((SECONDS - started)) s)"
fi
exit $status
