#!/usr/bin/env bash
# Prints the prefix of a static Qt for Windows (MinGW-w64, posix threads),
# 32-bit (i686, the default) or 64-bit (x86_64, the first argument), built
# the first time from Debian's qt6-base source with Debian's
# patches, Debian's host Qt tools of the same version doing moc, rcc and uic.
# It lives outside the checkout, below ~/.cache/korrin/ (or $KORRIN_CACHE),
# in a folder named after the Qt version and a hash of the configure options
# and toolchain, so that each checkout shares it and any change of them builds
# another. The build takes about 20 minutes with two cores. Everything else
# it says goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

target="${1:-i686}"
case "$target" in i686 | x86_64) ;; *) echo "Usage: $0 [i686|x86_64]" >&2; exit 2 ;; esac
scripts/install-deps.sh dpkg-dev cmake ninja-build perl "g++-mingw-w64-${target//_/-}-posix" \
  qt6-base-dev qt6-base-dev-tools >&2
version="$(dpkg-query -W -f='${source:Version}' qt6-base-dev)"
toolchain="$(pwd)/cmake/mingw-w64-$target.cmake"

# Core, Gui, Widgets and Test: what the wizard and its tests link. The dfsg
# source has no wintab, hence no tablet events; direct2d stays, QtGui being
# unlinkable without it.
options=(-xplatform win32-g++ -qt-host-path /usr
  -static -static-runtime -release -optimize-size -gc-binaries -nomake examples -nomake tests
  -no-opengl -no-dbus -no-icu -no-vulkan -no-zstd
  -qt-zlib -qt-libpng -no-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre
  -no-feature-sql -no-feature-network -no-feature-printsupport
  -no-feature-xml -no-feature-concurrent -no-feature-tabletevent)
key="$(printf '%s\n' "$version" "${options[@]}" | cat - "$toolchain" cmake/mingw-w64.cmake | sha256sum | cut -c1-12)"
cache="${KORRIN_CACHE:-$HOME/.cache/korrin}/qt-${version%%+*}-$key"
prefix="$cache/qt"

if [ ! -f "$cache/complete" ]; then
  echo "Building Qt $version for $target-w64-mingw32 into $cache (about 20 minutes)" >&2
  apt-cache showsrc --only-source qt6-base 2>/dev/null | grep -x "Version: $version" >/dev/null || scripts/add-deb-src.sh >&2
  rm -rf "$cache"
  mkdir -p "$cache/work"
  (
    cd "$cache/work"
    apt-get source -qq --download-only "qt6-base=$version"
    dpkg-source --skip-patches -x ./*.dsc source >/dev/null
    # Debian's fixes, without its own cross-build and shared-zstd changes.
    while read -r patch _; do
      case "$patch" in '' | '#'* | cross.patch | force_shared_libzstd.patch) continue ;; esac
      patch -s -d source -p1 <"source/debian/patches/$patch"
    done <source/debian/patches/series
    mkdir build
    cd build
    # Only the end of a step's long output is shown, when it fails.
    step() { "$@" >../step.log 2>&1 || { tail -n 40 ../step.log; exit 1; }; }
    step ../source/configure -prefix "$prefix" "${options[@]}" -- -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    step nice ninja -j2
    step ninja install
    # The zip ships Qt's licence beside the programs Qt is linked into.
    cp -r ../source/LICENSES "$prefix/"
  ) >&2
  # The sources and the 2 GB build folder go; the stamp says the prefix is whole.
  rm -rf "$cache/work"
  touch "$cache/complete"
fi
echo "$prefix"
