#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Zazuzar need.
# Run as root; running it again installs nothing new.
set -euo pipefail

packages=(
  # tool chain
  build-essential cmake ninja-build pkg-config git clang-format
  # Qt 6 Widgets, PrintSupport and Test, and the platform plugins (xcb, offscreen)
  qt6-base-dev qt6-qpa-plugins libgl-dev
  # German texts for Qt's own dialogs
  qt6-translations-l10n
  # the code-table picture
  libjpeg62-turbo-dev
  # tests and benchmarks
  libgtest-dev libbenchmark-dev
  # the window's font, an X server for screenshots and end-to-end runs
  fonts-liberation2 fontconfig xvfb xauth x11-utils imagemagick
  # reading printouts back, driving the real window
  poppler-utils xdotool xclip
  # saving onto a file system that refuses file modes
  bindfs
  # sanitizers and fuzzing
  clang libclang-rt-14-dev
  # packaging and its checks, and measuring
  dpkg-dev file lintian appstream desktop-file-utils hyperfine
  # a private print scheduler for the printing test
  cups cups-client
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
