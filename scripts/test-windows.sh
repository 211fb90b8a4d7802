#!/usr/bin/env bash
# Installs what is missing, cross-builds Korrin.exe (scripts/build-windows.sh)
# and runs the end-to-end tests of the 64-bit build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh g++ libgtest-dev wine
scripts/build-windows.sh
cmake -S . -B build-wine-tests -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRIN_BUILD_WIZARD=OFF \
  -DKORRIN_WINDOWS_EXECUTABLE="$PWD/build-win64/converter/Korrin.exe" >/dev/null
cmake --build build-wine-tests --target korrin_wine_tests
ctest --test-dir build-wine-tests -L wine --output-on-failure
