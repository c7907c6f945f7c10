#!/usr/bin/env bash
# The portable Windows build, made here: Qt, libjpeg and GoogleTest built for
# Windows x86-64 with Debian's mingw-w64 from Debian's own source packages,
# then zazuzar.exe and the test programs, the tests run under Wine, and the
# zip packed. Run as root on Debian 12, from the repository root.
#   build.sh              everything; leaves build-windows/zazuzar-<version>-windows-x86_64.zip
#   build.sh deps         the libraries only (into the cache)
# The libraries are kept in ZAZUZAR_WINDOWS_CACHE (/var/cache/zazuzar-windows
# unless set), outside the clone, each under a key made of its source
# version, the compiler and its options; a later run reuses them.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
what=${1:-all}
cache=${ZAZUZAR_WINDOWS_CACHE:-/var/cache/zazuzar-windows}
toolchain=$root/packaging/windows/toolchain.cmake
jobs=$(nproc)
export DEBIAN_FRONTEND=noninteractive
start=$SECONDS
stage() { echo "stage windows $1: $((SECONDS - start)) s"; }

# --- What the build needs from Debian ---------------------------------------
bash tools/install-deps.sh run
packages=(g++-mingw-w64-x86-64-posix wine64 dpkg-dev googletest xvfb xauth xdotool
  x11-utils xclip imagemagick dbus-daemon zip python3 python3-markdown python3-xlib)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# --- Sources, through a private apt -----------------------------------------
# The machine's own entries, each also as deb-src, in a source list and state
# folder of this script's: the machine's apt configuration is never changed.
apt_home=$cache/apt
apt_opts=(-o "Dir::Etc::SourceList=$apt_home/sources.list" -o "Dir::Etc::SourceParts=$apt_home/sources.list.d"
  -o "Dir::State::Lists=$apt_home/lists" -o "Dir::Cache=$apt_home/cache" -o "Dir::State::Status=/var/lib/dpkg/status" -o APT::Sandbox::User=root)
fetch_source() { # <source package> <version> <into>
  # Lists kept from an earlier run may not know a newer version yet: read
  # afresh once before giving up.
  local fresh
  for fresh in 0 1; do
    ((fresh)) && rm -f "$apt_home/updated"
    update_sources
    (cd "$3" && apt-get "${apt_opts[@]}" source -qq "$1=$2" >/dev/null) && return 0
  done
  return 1
}
update_sources() {
  if [[ ! -e $apt_home/updated ]]; then
    rm -rf "$apt_home"
    mkdir -p "$apt_home/sources.list.d" "$apt_home/lists/partial" "$apt_home/cache/archives/partial"
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$apt_home/sources.list" 2>/dev/null || true
    for f in /etc/apt/sources.list.d/*.sources; do
      [[ -e $f ]] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_home/sources.list.d/$(basename "$f")"
    done
    for f in /etc/apt/sources.list.d/*.list; do
      [[ -e $f ]] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f" >"$apt_home/sources.list.d/$(basename "$f")"
    done
    apt-get "${apt_opts[@]}" update -qq
    touch "$apt_home/updated"
  fi
}
# The source version of the installed binary package.
source_version() { dpkg-query -W -f='${source:Version}' "$1"; }
gcc_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)-$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
key() { sha256sum <<<"$*" | cut -c1-16; }

# builds <name> <key> <function>: the function builds into "$prefix" in a
# fresh work folder; the result moves into the cache only when whole.
built_prefix=
cached_build() {
  local name=$1 id=$2 fn=$3
  built_prefix=$cache/$name-$id
  if [[ -e $built_prefix/.complete ]]; then
    echo "build.sh: $name from the cache ($built_prefix)"
    return
  fi
  rm -rf "$built_prefix" "$built_prefix.partial"
  work=$(mktemp -d /var/tmp/zazuzar-windows-$name.XXXXXX)
  prefix=$built_prefix.partial
  mkdir -p "$prefix"
  # Not a condition, so that set -e holds inside.
  set +e
  (
    set -e
    cd "$work"
    "$fn"
  ) >"$work.log" 2>&1
  local rc=$?
  set -e
  if ((rc)); then
    tail -n 40 "$work.log"
    echo "build.sh: building $name failed; the whole log is $work.log"
    exit 1
  fi
  rm -rf "$work" "$work.log"
  touch "$prefix/.complete"
  mv "$prefix" "$built_prefix"
  stage "$name"
}

# --- Qt ---------------------------------------------------------------------
# Only what the program uses: Core, Gui, Widgets, PrintSupport and Test, the
# Windows and offscreen platform plugins. Debian's source leaves out
# wintab.h, so there is no tablet support. No QSettings at all: Qt's file
# dialog would keep its history and the folder visited last in the registry
# (HKCU\Software\QtProject); packaging/windows/qt-*.patch let Qt build
# without it, and without Direct2D.
# The fonts are Windows' own (GDI), so no FreeType.
qt_version=$(source_version qt6-base-dev)
qt_options=(-xplatform win32-g++ -qt-host-path /usr -release -shared -nomake examples -nomake tests
  -no-opengl -no-dbus -no-icu -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml
  -no-feature-settings -no-feature-tabletevent -no-feature-vulkan -no-feature-direct2d -no-feature-jpeg -no-feature-gif
  -no-feature-textodfwriter -no-freetype -qt-zlib -qt-pcre -qt-libpng -qt-harfbuzz)
build_qt() {
  fetch_source qt6-base "$qt_version" .
  cd qt6-base-*/
  for fix in "$root"/packaging/windows/qt-*.patch; do
    patch -p1 <"$fix"
  done
  ./configure -prefix "$prefix" "${qt_options[@]}" -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  cmake --build . -j "$jobs"
  cmake --install .
}
cached_build qt "$(key "$qt_version" "$gcc_version" "${qt_options[*]}" "$(cat "$toolchain" packaging/windows/qt-*.patch)")" build_qt
qt_prefix=$built_prefix

# --- libjpeg ----------------------------------------------------------------
jpeg_version=$(source_version libjpeg62-turbo-dev)
jpeg_options=(-DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DCMAKE_BUILD_TYPE=Release)
build_jpeg() {
  fetch_source libjpeg-turbo "$jpeg_version" .
  cmake -S libjpeg-turbo-*/ -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${jpeg_options[@]}"
  cmake --build build -j "$jobs"
  cmake --install build
}
cached_build jpeg "$(key "$jpeg_version" "$gcc_version" "${jpeg_options[*]}" "$(cat "$toolchain")")" build_jpeg
jpeg_prefix=$built_prefix

# --- GoogleTest ---------------------------------------------------------------
# Debian's googletest package is its source.
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest_options=(-DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -DCMAKE_BUILD_TYPE=Release)
build_gtest() {
  cmake -S /usr/src/googletest -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${gtest_options[@]}"
  cmake --build build -j "$jobs"
  cmake --install build
}
cached_build gtest "$(key "$gtest_version" "$gcc_version" "${gtest_options[*]}" "$(cat "$toolchain")")" build_gtest
gtest_prefix=$built_prefix
stage deps
[[ $what == deps ]] && exit 0

# --- The program and its tests ----------------------------------------------
version=$(sed -n 's/^project(zazuzar VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
build=$root/build-windows
mkdir -p "$build"
bin=$build/bin
font=
for f in /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf \
  /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf; do
  [[ -e $f ]] && font=${font:-$f}
done
font_licence=$(ls /usr/share/doc/fonts-liberation2/copyright /usr/share/doc/fonts-liberation/copyright 2>/dev/null | head -n 1)
# -O2 as on Linux: GCC 12's -O3 warns falsely (-Wrestrict) inside libstdc++.
cmake -S . -B "$build/cmake" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DZAZUZAR_WINDOWS_DEPS="$qt_prefix;$jpeg_prefix;$gtest_prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DZAZUZAR_WERROR=ON -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$bin" \
  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/wine -DZAZUZAR_FONT="$font" >"$build/configure.log" ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build/cmake" -j "$jobs"
stage build

# What a program in `folder` needs beside it: the DLLs it and its plugins
# import, found among Qt's and the compiler's, followed to their own imports.
dll_dirs=("$qt_prefix/bin" "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)")"
  /usr/x86_64-w64-mingw32/lib)
add_dlls() { # <folder>
  local folder=$1 changed=1 dll dir
  while ((changed)); do
    changed=0
    while read -r dll; do
      [[ -e $folder/$dll ]] && continue
      for dir in "${dll_dirs[@]}"; do
        if [[ -e $dir/$dll ]]; then
          cp "$dir/$dll" "$folder/"
          changed=1
          break
        fi
      done
    done < <(find "$folder" -iname '*.exe' -o -iname '*.dll' | xargs -r x86_64-w64-mingw32-objdump -p |
      sed -n 's/^\s*DLL Name: //p' | sort -u)
  done
}
# Qt's plugins and German texts where Qt looks for them: beside its DLLs.
lay_out_qt() { # <folder> <plugin>...
  local folder=$1 plugin
  shift
  for plugin in "$@"; do
    mkdir -p "$folder/plugins/$(dirname "$plugin")"
    cp "$qt_prefix/plugins/$plugin" "$folder/plugins/$plugin"
  done
  mkdir -p "$folder/translations"
  cp /usr/share/qt6/translations/qtbase_de.qm "$folder/translations/"
  add_dlls "$folder"
}
lay_out_qt "$bin" platforms/qwindows.dll platforms/qminimal.dll styles/qwindowsvistastyle.dll

# A Wine of the build's own, made afresh, so that what the program leaves in
# it can be read afterwards; its server lives until the tests end.
export WINEPREFIX=$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
wineserver -k 2>/dev/null || true
mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i >/dev/null 2>&1
trap 'wineserver -k 2>/dev/null || true' EXIT
stage wine
# The whole output goes to the log; shown here: each test's line and, for a
# row skipped under Wine, its reason; everything when a test fails.
rc=0
xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM= \
  bash .ci/run-ctest.sh "$build/cmake" --verbose >"$build/tests.log" 2>&1 || rc=$?
if ((rc)); then
  cat "$build/tests.log"
  exit "$rc"
fi
grep -E '^ *[0-9]+/[0-9]+ Test +#|tests passed' "$build/tests.log"
echo "Skipped under Wine, each with its reason:"
sed -n 's/^[0-9]*: //p' "$build/tests.log" |
  awk '/^\[  SKIPPED \] .* \([0-9]+ ms\)$/ { sub(/ \([0-9]+ ms\)$/, ""); print "  " $4 ": " reason }
       { reason = $0 }'
stage tests

# --- The zip ------------------------------------------------------------------
# One folder, ready to run from anywhere: the program, what it needs, its
# licence and the font's, and the guides as pages.
name=zazuzar-$version
pack=$build/pack/$name
rm -rf "$build/pack"
mkdir -p "$pack"
cp "$bin/zazuzar.exe" "$pack/"
lay_out_qt "$pack" platforms/qwindows.dll styles/qwindowsvistastyle.dll
find "$pack" -iname '*.exe' -o -iname '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
sed 's/$/\r/' LICENSE >"$pack/LICENSE.txt"
sed 's/$/\r/' "$font_licence" >"$pack/LICENSE-Liberation-Sans.txt"
/usr/bin/python3 packaging/windows/guide_html.py docs/guide.de.md "$pack/Anleitung.html" "Zazuzar – Anleitung"
/usr/bin/python3 packaging/windows/guide_html.py docs/guide.en.md "$pack/Guide.html" "Zazuzar – user's guide"
# The same bytes for the same commit: the release's time on every file, the
# names in one order.
epoch=${SOURCE_DATE_EPOCH:-$(cat "$build/cmake/packaging/source-date-epoch")}
find "$build/pack" -exec touch -h -d "@$epoch" {} +
zip_file=$build/$name-windows-x86_64.zip
rm -f "$zip_file"
(cd "$build/pack" && find "$name" -print | LC_ALL=C sort | TZ=UTC zip -X -q -@ "$zip_file")
stage zip
ls -l "$zip_file"
sha256sum "$zip_file"
