#!/usr/bin/env bash
# Packs a build into its Debian package, extracts the package into a scratch
# root as installing it would place it, and checks it: the files a user needs,
# a dependency for each shared library the binaries need, the desktop entry
# valid, no lintian error, and the packaged Korrin converting the bundled
# example byte for byte as the build's Korrin does.
# Usage: test-package.sh BUILD_DIR VERSION EXAMPLE_PJT BUILT_KORRIN
set -euo pipefail
build="$(realpath "$1")" version=$2 example="$(realpath "$3")" built_korrin="$(realpath "$4")"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/pack" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$scratch/pack/korrin_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$scratch/pack")"

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/Korrin usr/bin/KorrinWizard \
  usr/share/applications/KorrinWizard.desktop usr/share/icons/hicolor/32x32/apps/korrinwizard.png \
  usr/share/doc/korrin/README.md usr/share/doc/korrin/copyright usr/share/doc/korrin/changelog.gz; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
depends="$(dpkg-deb -f "$deb" Depends)"
depends_on() {
  [[ ", $depends," =~ ", $1"[\ ,] ]] || fail "Depends lacks $1: $depends"
}
# Each shared library a packaged binary needs (the linker drops the unused
# ones) brings the package that ships it, pugixml's once the converter calls
# it; Qt's platform plugin is loaded at run time, so no binary names it.
multiarch="$(dpkg-architecture -qDEB_HOST_MULTIARCH)"
for library in $(objdump -p "$root/usr/bin/Korrin" "$root/usr/bin/KorrinWizard" | awk '$1 == "NEEDED" { print $2 }' | sort -u); do
  package="$(dpkg -S "*/$multiarch/$library" | sed -n '1s/:.*//p')" || fail "no installed package ships $library"
  depends_on "$package"
done
depends_on qt6-qpa-plugins

desktop-file-validate "$root/usr/share/applications/KorrinWizard.desktop" || fail "desktop-file-validate"
lintian --fail-on error "$deb" || fail "lintian"

# Both runs write into the same folder, since the paths in the output name it.
convert() {
  rm -rf "$scratch/out" && mkdir "$scratch/out"
  (cd "$scratch" && "$1" "$example" out -rp -ext c,h >"$scratch/console.txt") || fail "$1 failed: $(cat "$scratch/console.txt")"
  mv "$scratch/out" "$scratch/$2"
  mv "$scratch/console.txt" "$scratch/$2/console.txt"
}
convert "$root/usr/bin/Korrin" packaged
convert "$built_korrin" built
diff -r "$scratch/built" "$scratch/packaged" || fail "the packaged Korrin wrote other bytes"
[ "$(tail -n 1 "$scratch/packaged/console.txt")" = "Corvel/Corvel++ Project Completed!" ] || fail "no completion line"
echo "korrin_${version} package: files, dependencies, desktop entry and example conversion checked"
