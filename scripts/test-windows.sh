#!/usr/bin/env bash
# Installs what is missing, cross-builds both Korrin.exe and KorrinWizard.exe
# (scripts/build-windows.sh), runs the end-to-end tests of each Korrin.exe
# under Wine (the wine preset), then the wizard's tests built for Windows under
# Wine and the check of what the shipped programs import (the win32 preset). The
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
cmake --build --preset win32-tests
ctest --preset win32
