#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet;
# a name may carry an architecture (wine32:i386). Exits with 3 when the
# install failed after apt-get update had failed in part: the archive, not
# the request, is at fault then.
set -euo pipefail

missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# A package of another architecture, such as wine32:i386, needs that
# architecture added before the package lists are read.
for pkg in "${missing[@]}"; do
  arch="${pkg##*:}"
  [ "$arch" != "$pkg" ] || continue
  if [ "$arch" != "$(dpkg --print-architecture)" ] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
    echo "Adding the $arch architecture"
    $sudo dpkg --add-architecture "$arch"
  fi
done
echo "Installing: ${missing[*]}"
# A mirror that is part-way through a sync fails one list or another; the
# packages may still be had from the lists that did come, which the install
# then tells.
updated=true
$sudo apt-get update -qq || {
  updated=false
  echo "apt-get update failed in part; installing from the package lists there are" >&2
}
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" || {
  status=$?
  [ "$updated" = true ] || exit 3
  exit "$status"
}
