#!/usr/bin/env bash
# The program on a desktop with a window manager, driven by the keyboard alone through the X
# server, as a keyboard user drives it: three table viewers opened with Alt+V, V, Return and
# closed with Alt+F4 (which the window manager turns into a close request). The keys must then
# still reach the main window: Alt+V, D opens the Details window. The toolkit must log no critical.
# Usage: check-keys-after-viewers.sh PROGRAM PLAN_FILE SCREENSHOT
# SCREENSHOT is written at the end, or where a step timed out.
set -euo pipefail

source "$(dirname "$(realpath "$0")")/desktop-session.sh"

if [[ ${1:-} == --inside ]]; then
  shift
  program=$1 plan=$2 log=$3 screenshot=$4

  start_window_manager
  "$program" "$plan" >"$log" 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT

  wait_for "disclaimer" active_window_named '^Velmar Tessaline$'
  xdotool key Tab space
  wait_for "main window" active_window_named 'Velmar Tessaline v'
  # The toolkit takes the keyboard for a menu a moment after the menu is on the screen: the first
  # menu of a run is opened and closed once, so that a key typed into it is not lost.
  view_menu_opens_and_closes "first menu of the run"
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
  save_screenshot "$screenshot"
  exit 0
fi

run_on_desktop "$0" "$@"
