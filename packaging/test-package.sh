#!/usr/bin/env bash
# Packs a build into its Debian package, extracts the package into a scratch
# root as installing it would place it, and checks it: the files a user needs,
# the manual pages, the icons, the user guide with every picture it shows,
# a dependency for each shared library the binaries need, the desktop entry
# valid and opening the project file types, no lintian error or warning, and
# the packaged Korrin converting the bundled example byte for byte as the
# build's Korrin does.
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
guide=usr/share/doc/korrin/user-guide.md
files=(usr/bin/Korrin usr/bin/KorrinWizard usr/share/man/man1/Korrin.1.gz usr/share/man/man1/KorrinWizard.1.gz
  usr/share/applications/KorrinWizard.desktop usr/share/mime/packages/korrin-projects.xml
  usr/share/icons/hicolor/scalable/apps/korrinwizard.svg
  "$guide" usr/share/doc/korrin/copyright usr/share/doc/korrin/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
  files+=("usr/share/icons/hicolor/${size}x${size}/apps/korrinwizard.png")
done
for picture in $(grep -o '](images/[^)]*)' "$root/$guide" 2>/dev/null | sed 's/^](//; s/)$//'); do
  files+=("usr/share/doc/korrin/$picture")
done
for file in "${files[@]}"; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ "$(grep -c '](images/' "$root/$guide")" -ge 5 ] || fail "the user guide shows no wizard pages"
for size in 16 22 24 32 48 64 128 256; do
  file "$root/usr/share/icons/hicolor/${size}x${size}/apps/korrinwizard.png" | grep -q "PNG image data, $size x $size" ||
    fail "the ${size}x${size} icon is not ${size} pixels square"
done

# Each manual page renders without a complaint and has the sections a reader looks for.
for page in Korrin KorrinWizard; do
  manual="$root/usr/share/man/man1/$page.1.gz"
  complaints="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null)"
  [ -z "$complaints" ] || fail "man reports on $page.1: $complaints"
  for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS"; do
    zgrep -q "^\.SH \"\?$section" "$manual" || fail "$page.1 lacks $section"
  done
done
for section in OPTIONS OUTPUT EXAMPLES; do
  zgrep -q "^\.SH $section" "$root/usr/share/man/man1/Korrin.1.gz" || fail "Korrin.1 lacks $section"
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

entry="$root/usr/share/applications/KorrinWizard.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate"
grep -qx 'Exec=KorrinWizard %f' "$entry" || fail "the desktop entry does not pass the file: $(grep ^Exec= "$entry")"
types="$(sed -n 's/^MimeType=//p' "$entry")"
[ -n "$types" ] || fail "the desktop entry declares no file types"
for type in ${types//;/ }; do
  grep -q "<mime-type type=\"$type\">" "$root/usr/share/mime/packages/korrin-projects.xml" || fail "$type is declared nowhere"
done
for pattern in '*.pjt' '*.projectspec' .project .cproject .ccsproject; do
  grep -qF "<glob pattern=\"$pattern\"/>" "$root/usr/share/mime/packages/korrin-projects.xml" || fail "no file type for $pattern"
done
lintian --fail-on error,warning "$deb" >"$scratch/lintian.txt" 2>&1 || { cat "$scratch/lintian.txt"; fail "lintian"; }
grep -q '^[EW]: ' "$scratch/lintian.txt" && { cat "$scratch/lintian.txt"; fail "lintian warns"; }

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
echo "korrin_${version} package: files, manual pages, icons, user guide, dependencies, desktop entry and example conversion checked"
