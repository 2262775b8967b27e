#!/usr/bin/env bash
# The program on a desktop with a window manager, driven by the keyboard alone through the X
# server, as a keyboard user drives it: three table viewers opened with Alt+V, V, Return and
# closed with Alt+F4 (which the window manager turns into a close request). The keys must then
# still reach the main window: Alt+V, D opens the Details window. The toolkit must log no critical.
# Usage: check-keys-after-viewers.sh PROGRAM PLAN_FILE SCREENSHOT
# SCREENSHOT is written at the end, or where a step timed out.
set -euo pipefail

readonly kTimeoutSec=60

if [[ ${1:-} == --inside ]]; then
  shift
  program=$1 plan=$2 log=$3 screenshot=$4
  source "$(dirname "$(realpath "$0")")/desktop-steps.sh"
  no_window_named() { ! xdotool search --onlyvisible --name "$1"; }
  # A menu is open: one of the toolkit's pop-up menu windows is on the screen.
  menu_open() {
    local window
    for window in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p'); do
      xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q POPUP_MENU || continue
      xwininfo -id "$window" | grep -q 'Map State: IsViewable' && return 0
    done
    return 1
  }
  no_menu_open() { ! menu_open; }
  # Alt+V, then the keys that choose a View menu command once the menu is open.
  view_command() {
    local step=$1
    shift
    xdotool key alt+v
    wait_for "View menu opened by Alt+V ($step)" menu_open
    xdotool key --delay 150 "$@"
    wait_for "View menu closed ($step)" no_menu_open
  }

  openbox >/dev/null 2>&1 &
  wait_for "window manager" xprop -root _NET_SUPPORTING_WM_CHECK
  "$program" "$plan" >"$log" 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT

  wait_for "disclaimer" active_window_named '^Velmar Tessaline$'
  xdotool key Tab space
  wait_for "main window" active_window_named 'Velmar Tessaline v'
  # The toolkit takes the keyboard for a menu a moment after the menu is on the screen: the first
  # menu of a run is opened and closed once, so that a key typed into it is not lost.
  xdotool key alt+v
  wait_for "View menu opened by Alt+V" menu_open
  xdotool key Escape
  wait_for "View menu closed by Escape" no_menu_open
  for viewer in 1 2 3; do
    # Two commands start with V: the first V picks the current dive's table, Return runs it.
    view_command "viewer $viewer" v Return
    wait_for "viewer $viewer" active_window_named 'Viewer'
    xdotool key alt+F4
    wait_for "viewer $viewer closed" no_window_named 'Viewer'
    wait_for "main window active after viewer $viewer" active_window_named 'Velmar Tessaline v'
    echo "viewer $viewer opened and closed by keys"
  done
  view_command "after three viewers" d
  wait_for "Details window opened by keys" active_window_named '^Details$'
  echo "the View menu still opens by keys"
  save_screen "$screenshot"
  exit 0
fi

program=$(realpath "$1") plan=$(realpath "$2") screenshot=$(realpath "$3")
script=$(realpath "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/.config XDG_DATA_HOME=$scratch/.local/share \
  XDG_CACHE_HOME=$scratch/.cache
status=0
timeout 300 xvfb-run -a -s "-screen 0 1600x1200x24" env NO_AT_BRIDGE=1 GDK_BACKEND=x11 \
  WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 \
  "$script" --inside "$program" "$plan" "$scratch/program.log" "$screenshot" || status=$?
if grep -q CRITICAL "$scratch/program.log"; then
  echo "FAILED: the toolkit logged a critical:"
  grep -m 5 CRITICAL "$scratch/program.log"
  status=1
fi
exit "$status"
