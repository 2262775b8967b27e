#!/usr/bin/env bash
# The program on a desktop with a window manager, driven through the X server as a user drives
# it: each dive tab of a plan of three dives is reached straight from the first one, once by a
# click on its tab and once by the keys the toolkit offers for tabs (Ctrl+Page Down, and Ctrl+Page
# Up, which goes round from the first tab to the last), each time in a run of its own, so that the
# page shown has never been on the screen before. The keys must then still reach the main window:
# Alt+V opens the View menu. The toolkit must log no critical.
# Usage: check-keys-after-dive-tabs.sh PROGRAM PLAN_FILE SCREENSHOT (a plan of three dives)
# SCREENSHOT is written at the end, or where a step timed out.
set -euo pipefail

source "$(dirname "$(realpath "$0")")/desktop-session.sh"
readonly kTabStrip="$(dirname "$(realpath "$0")")/dive-tab-strip.py"

if [[ ${1:-} == --inside ]]; then
  shift
  program=$1 plan=$2 log=$3 screenshot=$4
  scratch=$(mktemp -d)
  pid=
  trap 'rm -rf "$scratch"; [[ -z $pid ]] || kill "$pid" 2>/dev/null || true' EXIT

  # What the strip of dive tabs shows now: "selected K" and "tab K X Y" lines.
  read_tab_strip() {
    local window geometry
    window=$(xdotool getactivewindow)
    geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
      /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
    xwd -root -silent | xwdtopnm 2>/dev/null | pamdepth 255 >"$scratch/screen.ppm"
    # shellcheck disable=SC2086 # four numbers
    "$kTabStrip" "$scratch/screen.ppm" $geometry
  }
  tab_selected() { read_tab_strip | grep -qx "selected $1"; }
  tab_strip_found() { read_tab_strip | grep -q '^tab 3 '; }

  # A run of its own, with a home of its own: the plan open on its first dive.
  start_program() {
    mkdir -p "$scratch/$1"
    HOME=$scratch/$1 XDG_CONFIG_HOME=$scratch/$1/.config XDG_DATA_HOME=$scratch/$1/.local/share \
      XDG_CACHE_HOME=$scratch/$1/.cache "$program" "$plan" >>"$log" 2>&1 &
    pid=$!
    wait_for "disclaimer ($1)" active_window_named '^Velmar Tessaline$'
    xdotool key Tab space
    wait_for "main window ($1)" active_window_named 'Velmar Tessaline v'
    wait_for "the dive tabs ($1)" tab_strip_found
    wait_for "the first dive shown ($1)" tab_selected 1
    # The toolkit takes the keyboard for a menu a moment after the menu is on the screen: the first
    # menu of a run is opened and closed once, so that a key typed into it is not lost.
    view_menu_opens_and_closes "first menu, $1"
  }
  end_program() {
    kill "$pid"
    wait "$pid" || true
    pid=
  }
  click_tab() {
    local x y
    read -r x y < <(read_tab_strip | awk -v tab="$1" '$1 == "tab" && $2 == tab {print $3, $4}')
    xdotool mousemove "$x" "$y" click 1
  }

  start_window_manager
  for tab in 2 3; do
    start_program "click-$tab"
    click_tab "$tab"
    wait_for "dive $tab shown after a click on its tab" tab_selected "$tab"
    view_menu_opens_and_closes "after a click on dive tab $tab"
    echo "dive tab $tab clicked straight from the first: the View menu opens by keys"
    end_program
  done
  for keys in ctrl+Next:2 ctrl+Prior:3; do
    tab=${keys#*:}
    start_program "keys-$tab"
    xdotool key "${keys%:*}"
    wait_for "dive $tab shown after ${keys%:*}" tab_selected "$tab"
    view_menu_opens_and_closes "after ${keys%:*} to dive tab $tab"
    echo "dive tab $tab reached by ${keys%:*} straight from the first: the View menu opens by keys"
    [[ $tab == 3 ]] && save_screenshot "$screenshot"
    end_program
  done
  exit 0
fi

run_on_desktop "$0" "$@"
