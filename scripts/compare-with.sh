#!/usr/bin/env bash
# Builds Korrin of REF (a commit; default origin/main, else HEAD) and of the
# working tree in scratch folders, runs both on the same inputs and compares
# what each prints, its exit status and every file and folder it writes, byte
# for byte: every project of ../shared/corpus with and without -rp and -cdb,
# group names that must be refused, and projects from a seeded generator
# (3000 unless --generated says otherwise). Prints the first differences of
# each differing case and "N passed, M failed" last; exits 1 on a difference.
# --fold-separators compares with every "\" of a path line turned into "/" on
# both sides, for a REF that wrote Windows paths on Linux.
# Usage: scripts/compare-with.sh [REF] [--generated COUNT] [--seed SEED] [--fold-separators]
set -euo pipefail
cd "$(dirname "$0")/.."

ref=""
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
  ref="$1"
  shift
fi
if [ -z "$ref" ]; then
  ref=HEAD
  git rev-parse -q --verify origin/main >/dev/null && ref=origin/main
fi
commit="$(git rev-parse --verify "$ref^{commit}")"

scripts/install-test-deps.sh
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base="${TMPDIR:-/tmp}"
scratch="$(mktemp -d "$base/korrin-compare.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT

configure=(-G Ninja -DCMAKE_BUILD_TYPE=Release -DKORRIN_BUILD_WIZARD=OFF)
echo "Building Korrin of $ref ($commit)"
mkdir "$scratch/before-source"
git archive "$commit" | tar -x -C "$scratch/before-source"
cmake -S "$scratch/before-source" -B "$scratch/before" "${configure[@]}" -DKORRIN_BUILD_TESTS=OFF >/dev/null
cmake --build "$scratch/before" --target Korrin >/dev/null
echo "Building Korrin of the working tree"
cmake -S . -B "$scratch/after" "${configure[@]}" >/dev/null
cmake --build "$scratch/after" --target Korrin korrin_compare >/dev/null

corpus=()
# Named absolute, so that no path Korrin writes holds a ".." of its own.
[ -d ../shared/corpus ] && corpus=(--corpus "$(cd ../shared/corpus && pwd)")
"$scratch/after/tests/compare/korrin_compare" "$scratch/before/converter/Korrin" "$scratch/after/converter/Korrin" \
  "$scratch/runs" "${corpus[@]}" "$@"
