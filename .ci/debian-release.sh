#!/usr/bin/env bash
# The normal build and the whole normal suite, package check included, on a
# Debian release (trixie: Debian 13, forky: Debian 14), in a fresh root that
# debootstrap makes from the mirror this machine uses. Run as root;
# tools/test.sh runs inside, so its stages (installing the test set, the
# normal suite) are timed as on this machine.
#
# proc, sys and dev are mounted for the root in a mount namespace of its own,
# and unmounted when the stage ends, however it ends; whatever else stays
# mounted goes with the namespace, so the machine's own mounts are never
# touched. Every process of the stage runs in a PID namespace of its own and
# ends with it. The root is removed afterwards.
#   debian-release.sh <suite>    ZAZUZAR_NO_SKIPS passes through to the suite
set -euo pipefail
cd "$(dirname "$0")/.."
suite=${1:-}
if [[ ! $suite =~ ^[a-z][a-z0-9-]*$ ]]; then
  echo "usage: $0 <suite>   (a Debian code name: trixie, forky, ...)" >&2
  exit 2
fi
start=$SECONDS

# The Debian mirror of the machine's sources, deb.debian.org where none is found.
mirror=$(sed -n 's/^URIs: *\([^ ]*\).*/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
  grep -v security | head -n 1 || true)
if [[ -z $mirror ]]; then
  mirror=$(sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null |
    grep -v security | head -n 1 || true)
fi
mirror=${mirror:-http://deb.debian.org/debian}

command -v debootstrap >/dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap

# A debootstrap older than the release has no script for it. The sid script
# makes every current release (Debian 12's debootstrap links bookworm and
# trixie to it, and knows nothing of forky).
script=/usr/share/debootstrap/scripts/$suite
[[ -e $script ]] || script=/usr/share/debootstrap/scripts/sid

root=$(mktemp -d "/var/tmp/zazuzar-$suite.XXXXXX")
chmod 0755 "$root" # its / : apt's sandbox, lp and nobody must get through
remove_root() {
  # Nothing may be mounted below the root when it goes; never is, as the
  # mounts were made in the namespace only.
  if findmnt -rno TARGET | grep -q "^$root/"; then
    echo "debian-release.sh: something is still mounted under $root; left in place"
    return
  fi
  rm -rf --one-file-system "$root"
}
trap remove_root EXIT

echo "debootstrap --variant=minbase $suite from $mirror ($(basename "$(realpath "$script")") script)"
if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" "$script" >"$root.log" 2>&1; then
  tail -n 30 "$root.log"
  rm -f "$root.log"
  exit 1
fi
rm -f "$root.log"
echo "stage $suite debootstrap: $((SECONDS - start)) s"

# The clone as it is (tracked files and new ones), without build folders.
mkdir -p "$root/src/zazuzar"
git ls-files -z --cached --others --exclude-standard |
  tar --null -T - --ignore-failed-read -c 2>/dev/null | tar -x -C "$root/src/zazuzar"
cp /etc/resolv.conf "$root/etc/resolv.conf"

# shellcheck disable=SC2016 # expanded by the inner shell
unshare --mount --propagation private --pid --fork --kill-child bash -c '
  set -euo pipefail
  root=$1
  unmount() {
    for mount in dev/pts dev sys proc; do
      umount "$root/$mount" 2>/dev/null || umount -l "$root/$mount" 2>/dev/null || true
    done
  }
  trap unmount EXIT
  mount -t proc proc "$root/proc"
  mount -t sysfs sys "$root/sys"
  mount --bind /dev "$root/dev"     # /dev/fuse for bindfs
  mount --bind /dev/pts "$root/dev/pts"
  inside() {
    chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      HOME=/root LANG=C.UTF-8 ZAZUZAR_NO_SKIPS="${ZAZUZAR_NO_SKIPS:-0}" "$@"
  }
  # The mirror may serve a frozen copy of the release whose Release file is
  # past its Valid-Until date. apt then refuses the release, though nothing
  # else is wrong with it; where that is its only complaint, the apt of this
  # root (never the machine'"'"'s) is told to accept the date.
  if ! update=$(inside env LC_ALL=C apt-get -q update 2>&1); then
    errors=$(grep "^E: " <<<"$update" || true)
    if [[ -z $errors ]] || grep -qv "^E: Release file for .* is expired " <<<"$errors"; then
      echo "$update"
      exit 1
    fi
    echo "${errors//E: /apt: }"
    echo "so apt in this root checks no Valid-Until date"
    printf "%s\n" \
      "// Written by .ci/debian-release.sh for this throw-away root only: the" \
      "// mirror serves a frozen copy of the release whose Release file is past" \
      "// its Valid-Until date, and apt refused the release for that alone." \
      "Acquire::Check-Valid-Until \"false\";" >"$root/etc/apt/apt.conf.d/99valid-until"
    inside apt-get -q -q update
  fi
  inside bash -c "cd /src/zazuzar && bash tools/test.sh normal"
  # The package this release built, installed as a user installs it: apt
  # must find every dependency here, and the program must start.
  inside bash -c "cd /src/zazuzar && apt-get install -y -qq ./build-test/zazuzar_*.deb >/dev/null &&
    zazuzar --version"
' debian-release "$root" 2>&1 | sed -u "s/^stage /stage $suite /"
echo "stage $suite: $((SECONDS - start)) s"
