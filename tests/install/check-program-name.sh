#!/usr/bin/env bash
# Installs the program into a scratch folder and starts it through a link of another name, as a
# user's own shortcut would. Its windows must still be of the class that the desktop entry's
# StartupWMClass names, and no folder of the link's name may appear in its home. The driver
# preloaded into it agrees to the disclaimer, goes through the main window's menus and ends it;
# meanwhile the X server's top-level windows are read for their WM_CLASS.
# Usage: check-program-name.sh BUILD_DIR DRIVER_LIBRARY PLAN_FILE
set -euo pipefail

if [[ ${1:-} == --watch ]]; then
  # Inside the X server: starts the program and records the class of each of its top-level
  # windows (not those of the browser engine's own processes) until it ends.
  classes=$2
  shift 2
  "$@" &
  program=$!
  : >"$classes"
  while kill -0 "$program" 2>/dev/null; do
    for window in $(xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
      properties=$(xprop -id "$window" _NET_WM_PID WM_CLASS 2>/dev/null) || continue
      grep -qx "_NET_WM_PID(CARDINAL) = $program" <<<"$properties" || continue
      sed -n 's/^WM_CLASS(STRING) = //p' <<<"$properties"
    done | sort -u | sort -u -o "$classes" - "$classes"
    sleep 0.2
  done
  wait "$program"
  exit
fi

build_dir=$1 driver=$2 plan=$3
script=$(realpath "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >/dev/null
prefix=$scratch/root/usr
entry=$prefix/share/applications/example.oskerby.VelmarTessaline.desktop
ln -s "$prefix/bin/VelmarTessaline" "$scratch/vt"
home=$scratch/home
mkdir -p "$home"

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

classes=$scratch/classes
status=0
(
  cd "$scratch"
  export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_CACHE_HOME=$home/.cache
  timeout 300 xvfb-run -a -s "-screen 0 1600x1200x24" env NO_AT_BRIDGE=1 GDK_BACKEND=x11 \
    WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 \
    "$script" --watch "$classes" env LD_PRELOAD="$driver" VT_DRIVER_REPORT="$scratch/report" "$scratch/vt" "$plan"
) || status=$?
((status == 0)) || fail "the program ended with status $status"

echo "--- window classes"
cat "$classes" 2>/dev/null
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ $wm_class == VelmarTessaline ]] || fail "StartupWMClass is \"$wm_class\""
[[ -s $classes ]] || fail "no window had a class"
grep -vxF "\"$wm_class\", \"$wm_class\"" "$classes" && fail "windows of another class than $wm_class"
echo "--- folders of the home"
(cd "$home" && find . -type d)
find "$home" -iname vt | grep . && fail "folders named after the link"
((failures == 0))
