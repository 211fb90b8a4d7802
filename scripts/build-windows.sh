#!/usr/bin/env bash
# Cross-builds the Windows Korrin.exe with MinGW-w64, linked statically: the
# shipped 32-bit one into build-win32/converter/ (the win32 preset) and the
# 64-bit one into build-win64/converter/ (win64).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
