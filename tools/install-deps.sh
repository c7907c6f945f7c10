#!/usr/bin/env bash
# Installs the Debian packages Zazuzar needs; run as root. Running it again
# installs nothing new.
#   install-deps.sh run    building and running the program
#   install-deps.sh test   that, and what the tests, the sanitizers, the
#                          fuzzers, the benchmarks and the package check need
#   install-deps.sh --list run|test   prints the packages instead
# Names that differ between Debian releases are read off what apt offers, so
# a new release needs no edit here as long as it keeps the same scheme.
set -euo pipefail

list=0
if [[ ${1:-} == --list ]]; then
  list=1
  shift
fi
set_name=${1:-}
if [[ $set_name != run && $set_name != test ]]; then
  echo "usage: $0 [--list] run|test" >&2
  exit 2
fi

export DEBIAN_FRONTEND=noninteractive
# A fresh machine or chroot may have no package lists yet.
if ! apt-cache show cmake >/dev/null 2>&1; then
  apt-get update -qq
fi

release=$(. /etc/os-release && echo "${PRETTY_NAME:-${ID:-unknown}}")
unknown() {
  echo "install-deps.sh: $release offers no $1; $2" >&2
  exit 1
}
candidate() { apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: //p' | grep -v '(none)' || true; }
# A version without its epoch and Debian revision: 1:2.1.5-3 -> 2.1.5
upstream() { sed 's/^[0-9]*://; s/-[^-]*$//' <<<"$1"; }

# The window's font is Liberation Sans of version 2. Debian 12 has it as
# fonts-liberation2 (fonts-liberation is version 1 there); later releases put
# version 2 in fonts-liberation and keep fonts-liberation2 only as a
# transitional package.
font=
for package in fonts-liberation fonts-liberation2; do
  version=$(candidate "$package")
  if [[ -n $version ]] && dpkg --compare-versions "$(upstream "$version")" ge 2; then
    font=$package
    break
  fi
done
[[ -n $font ]] || unknown "Liberation fonts of version 2" "looked for fonts-liberation and fonts-liberation2"

run=(
  # tool chain
  build-essential cmake ninja-build
  # Qt 6 Widgets and PrintSupport, and the platform plugins (xcb, offscreen)
  qt6-base-dev qt6-qpa-plugins
  # German texts for Qt's own dialogs
  qt6-translations-l10n
  # the code-table picture
  libjpeg62-turbo-dev
  # the window's font
  "$font" fontconfig
)

test=()
if [[ $set_name == test ]]; then
  # The sanitizers' and the fuzzers' runtime belongs to the clang that the
  # clang package of this release depends on: clang-14 -> libclang-rt-14-dev.
  major=$(apt-cache depends clang 2>/dev/null | sed -n 's/^ *Depends: clang-\([0-9]\+\)$/\1/p' | head -n 1)
  [[ -n $major ]] || unknown "clang package that depends on a clang-<version>" "looked at: apt-cache depends clang"
  runtime=libclang-rt-$major-dev
  [[ -n $(candidate "$runtime") ]] || unknown "$runtime" "it is the runtime of clang-$major"
  test=(
    # developer tools
    pkg-config git clang-format
    # tests and benchmarks
    libgtest-dev libbenchmark-dev
    # an X server for screenshots and end-to-end runs, and a session bus of
    # their own (dbus-run-session)
    xvfb xauth x11-utils imagemagick dbus-daemon
    # reading printouts back, driving the real window
    poppler-utils xdotool xclip
    # saving onto a file system that refuses file modes
    bindfs
    # sanitizers and fuzzing
    clang "$runtime"
    # packaging and its checks (appstream-generator over a local archive that
    # apt-ftparchive of apt-utils lays out; hardening-check of devscripts)
    dpkg-dev file lintian appstream desktop-file-utils appstream-generator apt-utils devscripts
    # a private print scheduler for the printing test
    cups cups-client
    # a dark colour scheme through a platform theme, and closing the real
    # window as a desktop does (Debian's python3, with its X library)
    qt6ct python3 python3-xlib
  )
  # hyperfine is for measuring by hand; no test runs it. Testing releases
  # drop a package for a while when it has a release-critical bug (Debian 14
  # has had no hyperfine for a time), so it comes where it is offered.
  if [[ -n $(candidate hyperfine) ]]; then
    test+=(hyperfine)
  else
    echo "install-deps.sh: $release offers no hyperfine (for measuring; no test needs it)" >&2
  fi
fi

packages=("${run[@]}" "${test[@]}")
if ((list)); then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
