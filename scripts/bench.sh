#!/usr/bin/env bash
# Builds the benchmarks in build-bench/ (Release, with the converter) and runs one:
#   scripts/bench.sh [--max SOURCES] [--sizes N,N,...] [--korrin PATH] [--scratch FOLDER]
#     converts generated projects of 10 to 1 000 000 sources with Korrin and
#     prints what each conversion cost ("--max 100000" for a quick run);
#   scripts/bench.sh micro [Google Benchmark options]
#     times the reader's dense functions.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh cmake ninja-build g++ libbenchmark-dev
cmake -S bench -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
# Two jobs at most: the machine is shared.
cmake --build build-bench -j 2 >/dev/null

if [ "${1:-}" = micro ]; then
  shift
  exec build-bench/korrin_micro_bench "$@"
fi
exec build-bench/korrin_bench "$@"
