#!/usr/bin/env bash
# Builds Korrin if needed and converts the bundled example project into out/example.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake ninja-build g++
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target Korrin

rm -rf out/example
mkdir -p out/example
build/converter/Korrin examples/app/app.pjt out/example -rp -ext c,h
echo "Written: out/example/app.prj"
