#!/usr/bin/env bash
# Builds the benchmarks (the bench preset: Release, in build-bench/) and runs one:
#   scripts/bench.sh [--max SOURCES] [--sizes N,N,...] [--korrin PATH] [--scratch FOLDER]
#     converts generated projects of 10 to 1 000 000 sources with Korrin and
#     prints what each conversion cost ("--max 100000" for a quick run);
#   scripts/bench.sh ccs [--max FILES] [--scratch FOLDER]
#     converts generated Code Composer Studio projects of 1 000 to 100 000
#     files and sets the time against find -type f and cp of the .prj;
#   scripts/bench.sh installs [--files FILES] [--installed FILES] [--scratch FOLDER]
#     converts a generated Code Composer Studio project with -ti naming a TI
#     folder of 40 products and 20 compilers (500 000 files) and naming an
#     empty folder, and sets the two times side by side;
#   scripts/bench.sh repository [--projects COUNT] [--scratch FOLDER]
#     converts a generated repository of 2 000 small CCS projects in one run
#     with -cdb and each project alone, and sets the two side by side;
#   scripts/bench.sh micro [Google Benchmark options]
#     times the reader's dense functions.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-build-deps.sh libbenchmark-dev
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null

if [ "${1:-}" = ccs ]; then
  shift
  exec build-bench/bench/korrin_ccs_bench "$@"
fi
if [ "${1:-}" = installs ]; then
  shift
  exec build-bench/bench/korrin_installs_bench "$@"
fi
if [ "${1:-}" = repository ]; then
  shift
  exec build-bench/bench/korrin_repository_bench "$@"
fi
if [ "${1:-}" = micro ]; then
  shift
  exec build-bench/bench/korrin_micro_bench "$@"
fi
exec build-bench/bench/korrin_bench "$@"
