#!/usr/bin/env bash
# Cross-builds the Windows Korrin.exe with MinGW-w64, linked statically: the
# shipped 32-bit one into build-win32/converter/, and the 64-bit one that the
# Wine tests run into build-win64/converter/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix

build() {
  local target=$1 dir=$2
  cmake -S . -B "$dir" -G Ninja --no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-w64-$target.cmake" \
    -DKORRIN_BUILD_TESTS=OFF -DKORRIN_BUILD_WIZARD=OFF >/dev/null
  cmake --build "$dir" --target Korrin
}
build i686 build-win32
build x86_64 build-win64
