#!/usr/bin/env bash
# Builds the converter and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test there.
# The wizard is left out: Qt's libraries are not instrumented.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake ninja-build g++ libgtest-dev
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORRIN_BUILD_WIZARD=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-asan
# A sanitizer report gets a status of its own, so that it cannot pass for
# the status 1 of a failed conversion.
export ASAN_OPTIONS="${ASAN_OPTIONS:-exitcode=86:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
ctest --test-dir build-asan --output-on-failure
