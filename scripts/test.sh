#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake ninja-build g++ libgtest-dev qt6-base-dev
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRIN_BUILD_TESTS=ON -DKORRIN_BUILD_WIZARD=ON
cmake --build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure

# The same tests under the sanitizers, then a bounded fuzz run: a minute in
# CI, a short one by hand.
scripts/test-sanitizers.sh
scripts/fuzz.sh "$([ "${CI:-}" = true ] && echo 60 || echo 15)"

# The Windows build, under Wine.
scripts/test-windows.sh
