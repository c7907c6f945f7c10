#!/usr/bin/env bash
# The normal build and the whole normal suite, package check included, on
# Debian 13 (trixie), in a fresh root that debootstrap makes from the mirror
# this machine uses. Run as root; tools/test.sh runs inside, so its stages
# (installing the test set, the normal suite) are timed as on this machine.
#
# proc, sys and dev are mounted for the root in a mount namespace of its own,
# and unmounted when the stage ends, however it ends; whatever else stays
# mounted goes with the namespace, so the machine's own mounts are never
# touched. Every process of the stage runs in a PID namespace of its own and
# ends with it. The root is removed afterwards.
#   debian13.sh    ZAZUZAR_NO_SKIPS passes through to the suite
set -euo pipefail
cd "$(dirname "$0")/.."
suite=trixie
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

root=$(mktemp -d "/var/tmp/zazuzar-$suite.XXXXXX")
chmod 0755 "$root" # its / : apt's sandbox, lp and nobody must get through
remove_root() {
  # Nothing may be mounted below the root when it goes; never is, as the
  # mounts were made in the namespace only.
  if findmnt -rno TARGET | grep -q "^$root/"; then
    echo "debian13.sh: something is still mounted under $root; left in place"
    return
  fi
  rm -rf --one-file-system "$root"
}
trap remove_root EXIT

echo "debootstrap --variant=minbase $suite from $mirror"
if ! debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.log" 2>&1; then
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
  chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 ZAZUZAR_NO_SKIPS="${ZAZUZAR_NO_SKIPS:-0}" \
    bash -c "cd /src/zazuzar && bash tools/test.sh normal"
' debian13 "$root" 2>&1 | sed -u "s/^stage /stage $suite /"
echo "stage $suite: $((SECONDS - start)) s"
