#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang libclang-rt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libgtk-3-dev
  xvfb xauth
  locales openssl
  # Arial's metrics, so that dialogs and graphs measure text the same on every machine
  fonts-liberation
  # The program's icons for the desktop, made from its icon resource, and the SVG icon drawn for
  # its check
  netpbm librsvg2-bin
  # The Debian package (dpkg-shlibdeps finds its dependencies) and the checks of the installed
  # program's desktop entry, file types and package
  dpkg-dev desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin file
  # The icon cache of a program installed from source
  gtk-update-icon-cache
  # The manual page, made from the program's --help, and the checks of the package: its manual
  # page, its AppStream entry, its hardening, its icons, the window class of the started program,
  # and what lintian finds in it (the test goes without lintian when it is missing)
  help2man man-db appstream devscripts x11-utils lintian python3
  # The program driven by keys through the X server under a window manager, and its screenshot
  openbox xdotool x11-apps
  # A window manager's close request sent through the X server by the window tests
  libx11-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Some tests run under a German locale to prove that numbers never take a decimal comma.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
