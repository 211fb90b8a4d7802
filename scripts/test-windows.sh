#!/usr/bin/env bash
# Installs what is missing, cross-builds both Korrin.exe and KorrinWizard.exe
# (scripts/build-windows.sh), runs the end-to-end tests of each Korrin.exe
# under Wine (the wine preset), then the win32 preset's tests: the wizard's
# suites built for Windows under Wine, the zip's own wizard driven with the
# keyboard on a virtual display (xvfb, xdotool, xclip), and the check of what
# the shipped programs import.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-test-deps.sh
scripts/install-windows-deps.sh xvfb xdotool xclip
scripts/build-windows.sh
cmake --preset wine >/dev/null
cmake --build --preset wine
ctest --preset wine
cmake --build --preset win32-tests
ctest --preset win32
