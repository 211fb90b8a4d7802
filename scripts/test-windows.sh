#!/usr/bin/env bash
# Installs what is missing, cross-builds both Korrin.exe and KorrinWizard.exe
# (scripts/build-windows.sh), runs the end-to-end tests of each Korrin.exe
# under Wine (the wine preset), then the win32 preset's tests: the wizard's
# suites built for Windows under Wine, the zip's own wizard driven with the
# keyboard on a virtual display (xvfb, xdotool, xclip), and the check of what
# the shipped programs import. Where Wine cannot run 32-bit programs (a
# kernel without them), the same tests run on 64-bit builds of both programs
# (the win64-wizard preset), and this says so.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-test-deps.sh
# Wine's 32-bit half needs the i386 lists of every archive this machine
# uses, security updates included: where one of them could not be read, the
# Windows builds are not run here, and this says so.
status=0
scripts/install-windows-deps.sh xvfb xdotool xclip fonts-dejavu-core || status=$?
if [ "$status" -eq 3 ]; then
  echo "Windows tests not run: Wine could not be installed, the package lists being incomplete (see apt-get above)"
  exit 0
fi
[ "$status" -eq 0 ] || exit "$status"

# Debian's wine command is Wine's 32-bit loader, which cannot start where the
# kernel runs no 32-bit programs: there both programs are built 64-bit, and
# the Wine tests take that Korrin.exe alone.
if wine --version >/dev/null 2>&1; then
  windows=(win32 win64) wine_options=() wizard=win32 wizard_build=win32-tests
else
  echo "Wine cannot run 32-bit programs on this machine: the shipped 32-bit Korrin.exe and KorrinWizard.exe are not run; the tests run on 64-bit builds of both"
  windows=(win64-wizard) wizard=win64-wizard wizard_build=win64-wizard
  wine_options=(-DKORRIN_WIN32_EXECUTABLE= -DKORRIN_WIN64_EXECUTABLE="$(pwd)/build-win64-wizard/converter/Korrin.exe")
fi
scripts/build-windows.sh "${windows[@]}"
cmake --preset wine "${wine_options[@]}" >/dev/null
cmake --build --preset wine
ctest --preset wine
cmake --build --preset "$wizard_build"
ctest --preset "$wizard"
