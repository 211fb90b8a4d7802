#!/usr/bin/env bash
# Prints the folder of Debian's pugixml source, of the version of the
# installed libpugixml-dev, with Debian's patches applied; the first time it
# is fetched with apt-get source and unpacked into build-deps/. The Windows
# builds compile it, Debian having no MinGW build of pugixml. Everything
# else it says goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev unpacks source packages.
scripts/install-deps.sh dpkg-dev libpugixml-dev >&2
version="$(dpkg-query -W -f='${source:Version}' libpugixml-dev)"
folder="$(pwd)/build-deps/pugixml-$version"

if [ ! -f "$folder/src/pugixml.cpp" ]; then
  apt-cache showsrc --only-source pugixml 2>/dev/null | grep -x "Version: $version" >/dev/null || scripts/add-deb-src.sh >&2
  mkdir -p build-deps
  scratch="$(mktemp -d build-deps/pugixml.XXXXXX)"
  trap 'rm -rf "$scratch"' EXIT
  # Unpacked beside, then moved into place: a folder there is always whole.
  (cd "$scratch" && apt-get source -qq --download-only "pugixml=$version" && dpkg-source -x ./*.dsc source) >&2
  rm -rf "$folder"
  mv "$scratch/source" "$folder"
fi
echo "$folder"
