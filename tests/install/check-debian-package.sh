#!/usr/bin/env bash
# Builds the Debian package in a scratch folder and checks it without installing it: its name,
# version and dependencies, that it has no maintainer scripts (the desktop's caches are brought
# up to date by the triggers of the packages that own them), and its files, stripped.
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
  echo ./usr/share/applications/velmar-tessaline.desktop
  for size in 16 22 24 32 48 64 128 256; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/velmar-tessaline.png"; done
  echo ./usr/share/mime/packages/velmar-tessaline.xml
  echo ./usr/share/velmar-tessaline/VelmarTessaline.htb
} | sort | diff -u - "$scratch/files" || fail "the package's files"
dpkg-deb -c "$package" | awk '$1 !~ /^d/ && $2 != "root/root" { print $6 }' | grep . && fail "files not owned by root"
dpkg-deb -c "$package" | awk '$6 == "./usr/bin/VelmarTessaline" && $1 != "-rwxr-xr-x"' | grep . && fail "the program is not executable"

dpkg-deb -x "$package" "$scratch/root"
for binary in usr/bin/VelmarTessaline "usr/$library_dir/VelmarTessalineSpa.so"; do
  file "$scratch/root/$binary" | grep -q ', stripped$' || fail "$binary is not stripped"
done
((failures == 0))
