#!/usr/bin/env bash
# Builds Korrin if needed and converts the bundled example project into out/example.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-build-deps.sh
# Only the converter (the example preset): the tests and the wizard need
# packages this does not install.
cmake --preset example >/dev/null
cmake --build --preset example

rm -rf out/example
mkdir -p out/example
build-example/converter/Korrin examples/app/app.pjt out/example -rp -ext c,h
echo "Written: out/example/app.prj"
