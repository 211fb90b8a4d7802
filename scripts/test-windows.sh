#!/usr/bin/env bash
# Installs what is missing, cross-builds both Korrin.exe and KorrinWizard.exe
# (scripts/build-windows.sh), runs the end-to-end tests of each Korrin.exe
# under Wine (the wine preset), then the win32 preset's tests: the wizard's
# suites built for Windows under Wine, the zip's own wizard driven with the
# keyboard on a virtual display (xvfb, xdotool, xclip), and the check of what
# the shipped programs import. The 64-bit Korrin.exe needs wine64 (apt
# satisfies `wine` with the 32-bit loader alone when recommends are left out),
# the 32-bit one wine32 of the i386 architecture, which is added if missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-test-deps.sh wine wine64 wine32:i386 xvfb xdotool xclip
scripts/build-windows.sh
cmake --preset wine >/dev/null
cmake --build --preset wine
ctest --preset wine
cmake --build --preset win32-tests
ctest --preset win32
