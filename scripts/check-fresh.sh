#!/usr/bin/env bash
# Runs the README's two commands as on a new machine: builds a minimal
# Debian 12 root with mmdebstrap (variant apt, plus git, sudo and
# ca-certificates; the package sources are this machine's), clones the
# repository into it with ../shared beside it, and runs scripts/run-example.sh
# and then scripts/test.sh (with CI=true, as CI runs it) there with chroot;
# with --package, scripts/package.sh alone instead, as on a machine that has
# not run the tests. It checks what is committed, not the working tree. Exits
# non-zero when a command fails. Takes about 50 minutes (a Qt for Windows
# is built in the new root) and needs root.
# Usage: scripts/check-fresh.sh [--package] [FOLDER]   (the root is made below FOLDER, default /var/tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"
package=false
if [ "${1:-}" = --package ]; then
  package=true
  shift
fi

scripts/install-deps.sh mmdebstrap
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
  [ -s "$file" ] && sources+=("$file")
done

root="$(mktemp -d "${1:-/var/tmp}/korrin-fresh.XXXXXX")"
cleanup() {
  for mount in dev sys proc; do
    umount -R "$root/$mount" 2>/dev/null || true
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

# mmdebstrap wants an empty or missing target.
rmdir "$root"
mmdebstrap --variant=apt --include=git,sudo,ca-certificates bookworm "$root" "${sources[@]}"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/work"
git clone -q "$repo" "$root/work/main"
if [ -d ../shared ]; then
  cp -r ../shared "$root/work/shared"
  chmod -R a-w "$root/work/shared"
fi
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --rbind /dev "$root/dev"

run() {
  echo "== $*"
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 CI=true bash -c "cd /work/main && $*"
}
if $package; then
  run scripts/package.sh
  echo "scripts/package.sh passed on a new Debian 12 root"
  exit 0
fi
run scripts/run-example.sh
run scripts/test.sh
echo "Both commands passed on a new Debian 12 root"
