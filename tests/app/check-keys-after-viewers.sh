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
  # shellcheck source=tests/app/window-manager-session.sh
  source "$(dirname "$0")/window-manager-session.sh"

  start_window_manager
  "$program" "$plan" >"$log" 2>&1 &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT

  wait_for "disclaimer" active_window_named '^Velmar Tessaline$'
  xdotool key Tab space
  wait_for "main window" active_window_named 'Velmar Tessaline v'
  open_the_first_menu
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
  xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$screenshot"
  exit 0
fi

program=$(realpath "$1") plan=$(realpath "$2") screenshot=$(realpath "$3")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# shellcheck source=tests/app/window-manager-session.sh
source "$(dirname "$0")/window-manager-session.sh"
run_on_a_desktop_of_its_own "$(realpath "$0")" "$program" "$plan" "$screenshot"
if grep -q CRITICAL "$scratch/program.log"; then
  echo "FAILED: the toolkit logged a critical:"
  grep -m 5 CRITICAL "$scratch/program.log"
  status=1
fi
exit "$status"
