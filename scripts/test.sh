#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev, file, desktop-file-utils and lintian for the package test;
# clang, clang-tidy, clangd and cppcheck read the compilation databases.
scripts/install-test-deps.sh qt6-base-dev dpkg-dev file desktop-file-utils lintian clang clang-tidy clangd cppcheck
cmake --preset test
cmake --build --preset test
ctest --preset test

# The same tests under the sanitizers, then a bounded fuzz run: a minute in
# CI, a short one by hand.
scripts/test-sanitizers.sh
scripts/fuzz.sh "$([ "${CI:-}" = true ] && echo 60 || echo 15)"

# Both Windows builds, under Wine.
scripts/test-windows.sh
