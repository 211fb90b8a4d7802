#!/usr/bin/env bash
# Installs what is missing, builds the release (build-pkg/) and the shipped
# 32-bit Windows build (build-win32/), and leaves in dist/ the Debian package
# korrin_<version>_<arch>.deb and korrin-<version>-win32.zip, named by the
# version in the top CMakeLists.txt. lintian then checks the package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-build-deps.sh qt6-base-dev dpkg-dev file lintian
scripts/install-windows-deps.sh
version="$(sed -n 's/^project(Korrin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
deb="korrin_${version}_$(dpkg --print-architecture).deb"
zip="korrin-${version}-win32.zip"

cmake --preset release >/dev/null
cmake --build --preset release
cpack --preset deb
scripts/build-windows.sh win32
cmake --build --preset win32-zip

rm -rf dist
mkdir dist
cp "build-pkg/$deb" "build-win32/$zip" dist/
lintian "dist/$deb"
echo "Written: dist/$deb dist/$zip"
