#!/usr/bin/env bash
# The placements the program keeps, on a desktop with a window manager, which places the windows
# and frames them. The disclaimer opens at the same place on three starts, at the size it was
# given on the start before, and the placement saved is where the window manager had its frame.
# The table viewer, opened and closed three times, opens at the same size and place each time and
# saves that same placement.
# Usage: check-placement-under-window-manager.sh PROGRAM PLAN_FILE SCREENSHOT
# SCREENSHOT is written at the end, or where a step timed out.
set -euo pipefail

source "$(dirname "$(realpath "$0")")/desktop-session.sh"

if [[ ${1:-} == --inside ]]; then
  shift
  program=$1 plan=$2 log=$3 screenshot=$4
  registry=$HOME/.config/Velmar/registry.reg
  failures=0
  fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
  }
  framed() { xprop -id "$(xdotool getactivewindow)" _NET_FRAME_EXTENTS | grep -q '='; }
  # The active window with the window manager's frame, as the X server has them:
  # "left,top,right,bottom".
  active_frame() {
    local window info left right top bottom x y width height
    window=$(xdotool getactivewindow)
    info=$(xwininfo -id "$window")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    width=$(sed -n 's/.*Width: *//p' <<<"$info")
    height=$(sed -n 's/.*Height: *//p' <<<"$info")
    IFS=', ' read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= *//')
    echo "$((x - left)),$((y - top)),$((x + width + right)),$((y + height + bottom))"
  }
  # The rectangle of the placement saved under the name.
  saved_rect() { sed -n "s/^\"$1WindowPlacement\"=\"\([-0-9]*,[-0-9]*,[-0-9]*,[-0-9]*\),.*/\1/p" "$registry"; }
  # Starts the program and waits for its disclaimer, framed; the frame is in $disclaimer.
  start() {
    "$program" "$plan" >>"$log" 2>&1 &
    pid=$!
    trap 'kill "$pid" 2>/dev/null || true' EXIT
    wait_for "disclaimer (start $1)" active_window_named '^Velmar Tessaline$'
    wait_for "disclaimer framed (start $1)" framed
    disclaimer=$(active_frame)
    echo "start $1: the disclaimer at $disclaimer"
  }
  program_ended() { ! kill -0 "$pid"; }
  inside_size_is() { xwininfo -id "$(xdotool getactivewindow)" | grep -q "Width: $1\$" && xwininfo -id "$(xdotool getactivewindow)" | grep -q "Height: $2\$"; }

  start_window_manager

  start 1
  first=$disclaimer
  xdotool key Tab space
  wait_for "main window" active_window_named 'Velmar Tessaline v'
  view_menu_opens_and_closes "first menu of the run"
  viewer_first=
  for viewer in 1 2 3; do
    # Two commands start with V: the first V picks the current dive's table, Return runs it.
    view_command "viewer $viewer" v Return
    wait_for "viewer $viewer" active_window_named 'Viewer'
    wait_for "viewer $viewer framed" framed
    frame=$(active_frame)
    xdotool key alt+F4
    wait_for "viewer $viewer closed" no_window_named 'Viewer'
    wait_for "main window active after viewer $viewer" active_window_named 'Velmar Tessaline v'
    saved=$(saved_rect VelmarTessalineViewer)
    echo "viewer $viewer at $frame, saved as $saved"
    [[ $saved == "$frame" ]] || fail "viewer $viewer saved as $saved, its frame was $frame"
    if [[ -z $viewer_first ]]; then
      viewer_first=$frame
    elif [[ $frame != "$viewer_first" ]]; then
      fail "viewer $viewer opened at $frame, the first at $viewer_first"
    fi
  done
  xdotool key alt+F4
  wait_for "the end of start 1" program_ended
  saved=$(saved_rect VelmarTessalineLiability)
  [[ $saved == "$first" ]] || fail "the disclaimer saved as $saved, its frame was $first"
  # Start 2 makes the disclaimer 800 x 600 inside: start 3 opens it at that size, at the same
  # place.
  expected=$first
  for run in 2 3; do
    start $run
    [[ $disclaimer == "$expected" ]] || fail "the disclaimer opened at $disclaimer on start $run, not at $expected"
    save_screenshot "$screenshot"
    if ((run == 2)); then
      xdotool windowsize "$(xdotool getactivewindow)" 800 600
      wait_for "the disclaimer made larger" inside_size_is 800 600
      expected=$(active_frame)
    fi
    xdotool key Escape
    wait_for "the end of start $run" program_ended
    saved=$(saved_rect VelmarTessalineLiability)
    [[ $saved == "$expected" ]] || fail "the disclaimer saved as $saved on start $run, its frame was $expected"
  done
  exit $((failures > 0))
fi

run_on_desktop "$0" "$@"
