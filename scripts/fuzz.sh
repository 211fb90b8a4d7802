#!/usr/bin/env bash
# Builds the fuzzer in build-fuzz/ (the fuzz preset) and runs it for SECONDS
# (default 60). Fails on any finding; the input is then in build-fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

# libgtest-dev: the fuzzer is built with the tests, whose support it uses.
scripts/install-test-deps.sh clang libclang-rt-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

# Seeds are read where they are, fuzz/seeds keeping inputs that once failed;
# what the fuzzer learns stays in build-fuzz/.
seeds=(examples fuzz/seeds)
[ -d ../shared/corpus/pjt ] && seeds+=(../shared/corpus/pjt)
[ -d ../shared/corpus/ccs ] && seeds+=(../shared/corpus/ccs)
# The products' metadata of the TI folder, which the fuzzer reads as such too.
[ -d ../shared/corpus/ti-root ] && seeds+=(../shared/corpus/ti-root)
mkdir -p build-fuzz/corpus build-fuzz/findings

# The conversions write their scratch folders in memory when it can.
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base="${TMPDIR:-/tmp}"
scratch="$(mktemp -d "$base/korrin-fuzz.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

TMPDIR="$scratch" build-fuzz/fuzz/korrin_fuzzer -max_total_time="$seconds" -max_len=8192 -timeout=20 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ \
  build-fuzz/corpus "${seeds[@]}"
