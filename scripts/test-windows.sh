#!/usr/bin/env bash
# Installs what is missing, cross-builds both Korrin.exe (scripts/build-windows.sh)
# and runs the end-to-end tests of each under Wine (the wine preset). The
# 64-bit one needs wine64 (apt satisfies `wine` with the 32-bit loader alone
# when recommends are left out), the 32-bit one wine32 of the i386
# architecture, which is added if missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-test-deps.sh wine wine64 wine32:i386
scripts/build-windows.sh
cmake --preset wine >/dev/null
cmake --build --preset wine
ctest --preset wine
