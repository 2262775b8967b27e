#!/usr/bin/env bash
# Builds the Debian package in a scratch folder and checks it without installing it: its name,
# version and dependencies, that it has no maintainer scripts (the desktop's caches are brought
# up to date by the triggers of the packages that own them), its files, stripped and hardened,
# the manual page, changelog and AppStream entry as Debian wants them, and what lintian finds,
# when it is installed.
# Usage: check-debian-package.sh BUILD_DIR SOURCE_DIR LANGUAGE_LIBRARY_DIR
set -euo pipefail
build_dir=$1 source_dir=$2 library_dir=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; exit 1; }
shopt -s nullglob
packages=("$scratch"/*.deb)
((${#packages[@]} == 1)) || { echo "FAILED: not one package: ${packages[*]}"; exit 1; }
package=${packages[0]}

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

echo "--- dpkg-deb -I"
dpkg-deb -I "$package"
# "1, 0, 0, 1" in the resource script is version 1.0.0.1.
version=$(sed -n 's/.*VALUE "ProductVersion", "\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\)".*/\1.\2.\3.\4/p' \
  "$source_dir/resources/VelmarTessaline.rc")
architecture=$(dpkg --print-architecture)
[[ $(basename "$package") == "velmar-tessaline_${version}_${architecture}.deb" ]] || fail "package file $(basename "$package")"
[[ $(dpkg-deb -f "$package" Package) == velmar-tessaline ]] || fail "package name"
[[ $(dpkg-deb -f "$package" Version) == "$version" ]] || fail "version, not $version"
[[ $(dpkg-deb -f "$package" Architecture) == "$architecture" ]] || fail "architecture, not $architecture"

# The names of the packages depended on, one a line, without their versions.
dpkg-deb -f "$package" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$scratch/depends"
for needed in libwxgtk3.2-1 libwxgtk-webview3.2-1 libwxbase3.2-1 libgtk-3-0 libstdc++6 libc6 fonts-liberation; do
  grep -qxF "$needed" "$scratch/depends" || fail "no dependency on $needed"
done

dpkg-deb --ctrl-tarfile "$package" | tar -t | sed 's|^\./||' | grep -v '^$' | sort >"$scratch/control-files"
printf '%s\n' control md5sums | diff -u - "$scratch/control-files" || fail "maintainer scripts in the package"

echo "--- dpkg-deb -c"
dpkg-deb -c "$package"
dpkg-deb -c "$package" | awk '$1 !~ /^d/ { print $6 }' | sort >"$scratch/files"
{
  echo ./usr/bin/VelmarTessaline
  echo "./usr/$library_dir/VelmarTessalineSpa.so"
  echo ./usr/share/applications/example.oskerby.VelmarTessaline.desktop
  echo ./usr/share/doc/velmar-tessaline/changelog.gz
  for size in 16 22 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/velmar-tessaline.png"; done
  echo ./usr/share/icons/hicolor/scalable/apps/velmar-tessaline.svg
  echo ./usr/share/man/man1/VelmarTessaline.1.gz
  echo ./usr/share/metainfo/example.oskerby.VelmarTessaline.metainfo.xml
  echo ./usr/share/mime/packages/velmar-tessaline.xml
  echo ./usr/share/velmar-tessaline/VelmarTessaline.htb
} | sort | diff -u - "$scratch/files" || fail "the package's files"
dpkg-deb -c "$package" | awk '$1 !~ /^d/ && $2 != "root/root" { print $6 }' | grep . && fail "files not owned by root"
dpkg-deb -c "$package" | awk '$6 == "./usr/bin/VelmarTessaline" && $1 != "-rwxr-xr-x"' | grep . && fail "the program is not executable"

dpkg-deb -x "$package" "$scratch/root"
root=$scratch/root
for binary in usr/bin/VelmarTessaline "usr/$library_dir/VelmarTessalineSpa.so"; do
  file "$root/$binary" | grep -q ', stripped$' || fail "$binary is not stripped"
done

echo "--- hardening-check"
# Control-flow protection is checked where dpkg-buildflags gives it (Debian 13 on): Debian 12's
# hardening has none. The language library holds data and three functions that take no buffers:
# there is nothing for the stack protector or _FORTIFY_SOURCE to guard in it.
cf_protection=(--nocfprotection)
dpkg-buildflags --get CFLAGS 2>/dev/null | grep -q -- -fcf-protection && cf_protection=()
hardening-check "${cf_protection[@]}" "$root/usr/bin/VelmarTessaline" || fail "the program is not hardened"
hardening-check "${cf_protection[@]}" --nostackprotector --nofortify "$root/usr/$library_dir/VelmarTessalineSpa.so" ||
  fail "the language library is not hardened"

# Compressed as Debian wants documentation: gzip -9, with neither the file's name nor its time.
for document in usr/share/man/man1/VelmarTessaline.1.gz usr/share/doc/velmar-tessaline/changelog.gz; do
  kind=$(file -b "$root/$document")
  [[ $kind == "gzip compressed data, max compression, from Unix, original size modulo 2^32 "[0-9]* ]] ||
    fail "$document is not compressed as gzip -9n: $kind"
done
echo "--- manual page"
page=$(zcat "$root/usr/share/man/man1/VelmarTessaline.1.gz" | MANWIDTH=80 man -l - 2>"$scratch/man-errors")
echo "$page"
[[ ! -s $scratch/man-errors ]] && echo "$page" | grep -q -- '--no-splash' && echo "$page" | grep -qi '^FILES' ||
  fail "the manual page lacks the program's options or its files: $(cat "$scratch/man-errors")"
echo "$page" | grep -q "VelmarTessaline $version" || fail "the manual page is not of version $version"
# Among its files the key material of the dive-computer logs, and the diagnostic log as it is
# kept: one file a day. The text is read as one line, its justified spaces as one.
text=$(echo "$page" | tr -s '[:space:]' ' ')
[[ $text == *" \$XDG_CONFIG_HOME/Velmar/LogKeyMaterial.txt "* ]] || fail "the manual page does not name the log key file"
[[ $text == *" The diagnostic log, one file a day, "* ]] || fail "the manual page does not say the log is one file a day"
# Dated by the newest release in the changelog, in UTC: the same page whenever it is built.
released=$(sed -n 's/^ -- .*>  //p' "$source_dir/doc/changelog" | head -1)
expected_date=$(LC_ALL=C date -u -d "$released" '+%B %Y')
page_date=$(zcat "$root/usr/share/man/man1/VelmarTessaline.1.gz" | sed -n 's/^\.TH [^ ]* "1" "\([^"]*\)".*/\1/p')
[[ $page_date == "$expected_date" ]] || fail "the manual page is dated \"$page_date\", not \"$expected_date\" as the changelog"
# The changelog's newest release is this package's.
zcat "$root/usr/share/doc/velmar-tessaline/changelog.gz" | head -1 | grep -qx "velmar-tessaline ($version) unstable; urgency=medium" ||
  fail "the changelog does not begin with release $version"

echo "--- appstreamcli validate"
metainfo=$root/usr/share/metainfo/example.oskerby.VelmarTessaline.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "the AppStream entry is not valid"
[[ -e $root/usr/share/applications/$(xmllint --xpath 'string(//launchable[@type="desktop-id"])' "$metainfo") ]] ||
  fail "the AppStream entry names no desktop entry of the package"
[[ $(xmllint --xpath 'string(/component/id)' "$metainfo").desktop == \
   $(xmllint --xpath 'string(//launchable[@type="desktop-id"])' "$metainfo") ]] || fail "the AppStream id is not the desktop entry's"
[[ $(xmllint --xpath 'string(//provides/mediatype)' "$metainfo") == application/x-velmar-tessaline-plan ]] ||
  fail "the AppStream entry does not provide the plan type"
[[ $(xmllint --xpath 'string(//releases/release[1]/@version)' "$metainfo") == "$version" ]] ||
  fail "the AppStream entry's newest release is not $version"

if command -v lintian >/dev/null; then
  echo "--- lintian"
  # The package has no copyright file until the program has a licence.
  # Its status is 2 when it finds an error, 1 when it cannot check the package.
  lintian_status=0
  lintian -EvIL +pedantic "$package" >"$scratch/lintian" 2>&1 || lintian_status=$?
  cat "$scratch/lintian"
  ((lintian_status == 0 || lintian_status == 2)) || fail "lintian could not check the package"
  grep -E '^[EW]: ' "$scratch/lintian" | grep -v ' no-copyright-file$' && fail "lintian finds errors or warnings"
else
  echo "lintian is not installed: the package is not checked with it"
fi
((failures == 0))
