#!/usr/bin/env bash
# Lets apt fetch source packages (apt-get source) from the archives the
# machine installs from: when no deb-src entry is configured, every deb entry
# of the machine's sources is written again as deb-src, the deb822 ones
# (*.sources) into /etc/apt/sources.list.d/korrin-deb-src.sources and the
# one-line ones (sources.list, *.list) into korrin-deb-src.list. Then the
# package lists are read again.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"
shopt -s nullglob

dir=/etc/apt/sources.list.d
one_line=()
[ -f /etc/apt/sources.list ] && one_line+=(/etc/apt/sources.list)
one_line+=("$dir"/*.list)
deb822=("$dir"/*.sources)

# /dev/null stands among the files so that grep never waits on its input.
if ! grep -qE '^[[:space:]]*deb-src[[:space:]]' /dev/null "${one_line[@]}" &&
  ! grep -qiE '^types:(.*[[:space:]])?deb-src([[:space:]]|$)' /dev/null "${deb822[@]}"; then
  echo "Adding deb-src entries beside the machine's deb entries" >&2
  # A paragraph is one entry; comments go, continuation lines stay.
  awk 'BEGIN { RS = ""; FS = "\n" }
    {
      entry = ""; binary = 0
      for (i = 1; i <= NF; i++) {
        line = $i
        if (line ~ /^#/) continue
        if (tolower(line) ~ /^types:/) {
          binary = (" " substr(line, 7) " ") ~ /[ \t]deb[ \t]/
          line = "Types: deb-src"
        }
        entry = entry line "\n"
      }
      if (binary) printf "%s\n", entry
    }' /dev/null "${deb822[@]}" >"$dir/korrin-deb-src.sources"
  sed -nE 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' /dev/null "${one_line[@]}" >"$dir/korrin-deb-src.list"
  # Empty files are left out, not to be read as lists without entries.
  for file in "$dir/korrin-deb-src.sources" "$dir/korrin-deb-src.list"; do
    [ -s "$file" ] || rm "$file"
  done
fi
# As in install-deps.sh: a list that fails mid-sync need not be the source list.
apt-get update -qq || echo "apt-get update failed in part; going on with the lists there are" >&2
