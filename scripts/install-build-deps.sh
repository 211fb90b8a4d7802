#!/usr/bin/env bash
# Installs what every native build of the converter needs (the XML project
# files are read with pugixml, linked as Debian's shared library; TI's
# product metadata with nlohmann-json, headers alone), and the Debian
# packages given as arguments.
set -euo pipefail
exec "$(dirname "$0")/install-deps.sh" cmake ninja-build g++ libpugixml-dev nlohmann-json3-dev "$@"
