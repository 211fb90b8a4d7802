#!/usr/bin/env bash
# Installs what is missing, cross-builds both Korrin.exe (scripts/build-windows.sh)
# and runs the end-to-end tests of each under Wine (the wine preset). The
# 32-bit one needs wine32 of the i386 architecture, which is added if missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-test-deps.sh wine wine32:i386
scripts/build-windows.sh
cmake --preset wine >/dev/null
cmake --build --preset wine
ctest --preset wine
