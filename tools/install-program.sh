#!/usr/bin/env bash
# Installs the program from its source: the Debian packages the build needs, a build without the
# tests in build/program, then `cmake --install` into PREFIX (default /usr/local; `sudo` when not
# run as root and PREFIX is not writable) and the desktop's caches of PREFIX brought up to date.
# With --package it makes the Debian package instead and prints its path.
#   tools/install-program.sh [PREFIX | --package]
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build/program
prefix=/usr/local
package=false
case "${1:-}" in
  --package) package=true ;;
  "") ;;
  *) prefix=$(realpath -m "$1") ;;
esac

tools/install-dependencies.sh
cmake_args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DBUILD_BENCHMARKS=OFF)
$package || cmake_args+=(-DCMAKE_INSTALL_PREFIX="$prefix")
cmake -S . -B "$build_dir" "${cmake_args[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

if $package; then
  (cd "$build_dir" && cpack -G DEB) | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p'
  exit
fi

sudo_cmd=()
existing=$prefix
while [[ ! -e $existing ]]; do existing=$(dirname "$existing"); done
if [[ $(id -u) -ne 0 && ! -w $existing ]]; then sudo_cmd=(sudo); fi
"${sudo_cmd[@]}" cmake --install "$build_dir" --strip
# An install from before the desktop entry took its reverse-domain name left it under this one,
# which would list the program twice in the menu.
"${sudo_cmd[@]}" rm -f "$prefix/share/applications/velmar-tessaline.desktop"
# The Debian package leaves these to the triggers of the packages that own the caches.
"${sudo_cmd[@]}" update-mime-database "$prefix/share/mime"
"${sudo_cmd[@]}" update-desktop-database "$prefix/share/applications"
# An icon cache is only brought up to date: made anew, it would hide the icons of programs installed
# later without one.
icons=$prefix/share/icons/hicolor
if [[ -e $icons/icon-theme.cache ]]; then "${sudo_cmd[@]}" gtk-update-icon-cache -q -t -f "$icons"; fi
echo "Installed $prefix/bin/VelmarTessaline"
