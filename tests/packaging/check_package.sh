#!/usr/bin/env bash
# Builds the Debian package into a folder of its own and checks what a store
# owner gets: both programs (and that the stripped ones still run), the menu
# entry (valid), the icon at every size, the manual pages, the French
# translation (found by the program), the dependencies found from the
# binaries, and no lintian errors.
# Usage: check_package.sh BUILD_FOLDER. Exit 77 (skipped) only when a tool is missing.
set -euo pipefail
build=$1

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate lintian file gzip; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (./build.sh test installs it)"
    exit 77
  fi
done

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1; then
  cat "$out/cpack.log"
  exit 1
fi
debs=("$out"/videostore_*_amd64.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no videostore_<version>_amd64.deb"; ls "$out"; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

listing=$(dpkg-deb -c "$deb" | awk '{print $1, $6}')
expect_file() { # mode-prefix path
  grep -qx -- "$1[^ ]* \./$2" <<<"$listing" || fail "the package lacks $2 (or its mode is not $1...)"
}
expect_file -rwxr-xr-x usr/bin/videostore
expect_file -rwxr-xr-x usr/bin/videostore-sample
expect_file -rw-r--r-- usr/share/applications/videostore.desktop
expect_file -rw-r--r-- usr/share/man/man1/videostore.1.gz
expect_file -rw-r--r-- usr/share/man/man1/videostore-sample.1.gz
expect_file -rw-r--r-- usr/share/doc/videostore/copyright
expect_file -rw-r--r-- usr/share/videostore/translations/videostore_fr.qm
for size in 16 24 32 48 64 128 256; do
  expect_file -rw-r--r-- "usr/share/icons/hicolor/${size}x${size}/apps/videostore.png"
done

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6sql6 libqt6printsupport6 libqt6sql6-sqlite qt6-qpa-plugins qt6-translations-l10n \
           libsodium23 libzint2.11 fonts-dejavu-core fonts-dejavu-extra; do
  grep -qE "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

dpkg-deb -x "$deb" "$out/root"
root=$out/root
desktop=$root/usr/share/applications/videostore.desktop
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
for line in "Name=Video Store" "Exec=videostore" "Icon=videostore" "Categories=Office;Finance;"; do
  grep -qx -- "$line" "$desktop" || fail "the desktop entry lacks $line"
done
for size in 16 48 256; do
  file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/videostore.png" | grep -q "PNG image data, $size x $size" \
    || fail "the ${size}x${size} icon is not a $size x $size PNG"
done

# The stripped programs as packaged still run, and find their French.
"$root/usr/bin/videostore-sample" --size demo --output "$out/demo.db" >/dev/null \
  || fail "the packaged videostore-sample does not write a demo store"
grep -q "Affiche" <<<"$("$root/usr/bin/videostore" --language fr --help)" \
  || fail "the packaged videostore does not speak French with --language fr"

lintian_out=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian reports errors"
printf '%s\n' "$lintian_out" | grep -v 'running with root privileges' || true

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package checks passed"
