#!/usr/bin/env bash
# Cross-builds the Windows Korrin.exe with MinGW-w64, linked statically: the
# shipped 32-bit one with KorrinWizard.exe into build-win32/ (the win32
# preset) and the 64-bit one into build-win64/converter/ (win64), or those of
# the presets given (win64-wizard: both programs 64-bit, for where Wine runs
# no 32-bit programs). pugixml is compiled into each from Debian's source
# (scripts/pugixml-source.sh), Qt into the wizard from a static Qt of the
# wizard's bitness built once outside the checkout (scripts/build-qt-mingw.sh).
# Usage: scripts/build-windows.sh [PRESET...]
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(win32 win64)

scripts/install-deps.sh cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix nlohmann-json3-dev
pugixml="$(scripts/pugixml-source.sh)"
# The Qt that a preset's wizard links; a preset without the wizard needs none.
qt_of() {
  case "$1" in
    win32) scripts/build-qt-mingw.sh i686 ;;
    win64-wizard) scripts/build-qt-mingw.sh x86_64 ;;
  esac
}
for preset in "${presets[@]}"; do
  qt="$(qt_of "$preset")"
  cmake --preset "$preset" -DKORRIN_PUGIXML_SOURCE_DIR="$pugixml" ${qt:+-DCMAKE_PREFIX_PATH="$qt"} >/dev/null
  cmake --build --preset "$preset"
done
