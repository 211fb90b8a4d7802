#!/usr/bin/env bash
# Fails when the files of the converter include each other in a circle. A
# header and the source of the same name count as one module. The one
# circle the design has is the converter embedding its reader and the
# reader's parts referring back to the converter.
# Usage: include_cycles.sh CONVERTER_FOLDER
set -euo pipefail
cd "$1"

allowed="reader/ProjectFileReader ProjectConverter
reader/ProjectParse ProjectConverter"

edges() {
    find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort | while read -r file; do
        from="${file%.*}"
        sed -n 's/^#include "\(.*\)\.h"$/\1/p' "$file" | while read -r included; do
            # Named from the converter's folder, or else from the file's own.
            to=$(realpath -m --relative-to=. "$included")
            [ -f "$to.h" ] || to=$(realpath -m --relative-to=. "$(dirname "$file")/$included")
            [ -f "$to.h" ] && [ "$to" != "$from" ] && ! grep -qxF "$from $to" <<<"$allowed" && echo "$from $to"
        done
    done
}

if ! loops=$(edges | tsort 2>&1 >/dev/null); then
    echo "Include circle in $1:"
    echo "$loops" | grep -v 'input contains a loop' | sed 's/^tsort: /  /'
    exit 1
fi
