#!/usr/bin/env bash
# Checks how the folders of the converter include each other: no circle of
# modules (a header and the source of the same name count as one), and each
# folder includes only the folders below it in this order:
#   base (text, errors, console), host  <-  model  <-  installs  <-  readers, writers  <-  driver
# A reader knows no writer and no other reader, only what readers/ itself
# holds for all of them (and readers/ccs for both descriptions of a CCS
# project); a writer no reader nor the installs.
# Usage: include_rules.sh CONVERTER_FOLDER
set -euo pipefail
cd "$1"

# The folders each may include besides its own: a file's folder is its
# first two path parts for readers/ and writers/, its first part otherwise.
allowed_for() {
    case "$1" in
    base) echo "base" ;;
    host) echo "host" ;;
    model) echo "model base" ;;
    installs) echo "installs model base host" ;;
    readers) echo "readers installs model base host" ;;
    # Both descriptions of a CCS project share what readers/ccs holds.
    readers/eclipse | readers/projectspec) echo "$1 readers/ccs readers installs model base host" ;;
    readers/*) echo "$1 readers installs model base host" ;;
    writers) echo "writers model base host" ;;
    # The databases name the analyser personalities the .prj names.
    writers/cdb) echo "writers/cdb writers/corvel writers model base host" ;;
    writers/*) echo "$1 writers model base host" ;;
    driver) echo "driver readers readers/* writers/* writers installs model base host" ;;
    .) echo "driver" ;;
    esac
}

folder_of() {
    case "$1" in
    readers/*/* | writers/*/*) echo "$1" | cut -d/ -f1-2 ;;
    */*) echo "${1%%/*}" ;;
    *) echo "." ;;
    esac
}

edges() {
    find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort | while read -r file; do
        sed -n 's/^#include "\(.*\)\.h"$/\1/p' "$file" | while read -r included; do
            echo "${file%.*} $included"
        done
    done
}

status=0
while read -r from to; do
    [ "$from" != "$to" ] || continue
    [ -f "$to.h" ] || { echo "Not named from the converter's folder: $to.h in $from"; status=1; continue; }
    mine="$(folder_of "$from")"
    theirs="$(folder_of "$to")"
    ok=0
    for allowed in $(allowed_for "$mine"); do
        # shellcheck disable=SC2053
        [[ "$theirs" == $allowed ]] && ok=1
    done
    [ "$ok" = 1 ] || { echo "$from includes $to: $mine may not include $theirs"; status=1; }
done < <(edges)

if ! loops=$(edges | awk '$1 != $2' | tsort 2>&1 >/dev/null); then
    echo "Include circle in $1:"
    echo "$loops" | grep -v 'input contains a loop' | sed 's/^tsort: /  /'
    status=1
fi
exit $status
