# Shared by the tests that drive the program on a desktop with a window manager, by keys and
# clicks sent through the X server as a user sends them. Sourced, not run.
#
# A test script calls run_on_desktop "$0" PROGRAM PLAN_FILE SCREENSHOT when started plainly: the
# script then runs again with --inside PROGRAM PLAN_FILE LOG SCREENSHOT in a virtual X server with a
# scratch home, and fails when the program's log (LOG) holds a critical of the toolkit.

readonly kTimeoutSec=60

# The whole screen as a PNG file.
save_screenshot() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$1"; }

# Waits until the command succeeds, or fails the test after the time-out, leaving a screenshot in
# $screenshot.
wait_for() {
  local what=$1
  shift
  local deadline=$((SECONDS + kTimeoutSec))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      echo "FAILED: no $what within ${kTimeoutSec} s"
      save_screenshot "$screenshot"
      exit 1
    fi
    sleep 0.2
  done
}

no_window_named() { ! xdotool search --onlyvisible --name "$1"; }
active_window_named() { xdotool getactivewindow getwindowname | grep -q -- "$1"; }

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

# Alt+V opens the View menu, which Escape closes again.
view_menu_opens_and_closes() {
  local step=$1
  xdotool key alt+v
  wait_for "View menu opened by Alt+V ($step)" menu_open
  xdotool key Escape
  wait_for "View menu closed by Escape ($step)" no_menu_open
}

# Alt+V, then the keys that choose a View menu command once the menu is open.
view_command() {
  local step=$1
  shift
  xdotool key alt+v
  wait_for "View menu opened by Alt+V ($step)" menu_open
  xdotool key --delay 150 "$@"
  wait_for "View menu closed ($step)" no_menu_open
}

start_window_manager() {
  openbox >/dev/null 2>&1 &
  wait_for "window manager" xprop -root _NET_SUPPORTING_WM_CHECK
}

# Runs SCRIPT --inside ARGUMENTS... in a virtual X server, with the home and the XDG folders (the
# window manager's and the tools' own) in the folder SCRATCH.
in_virtual_desktop() {
  local scratch=$1 script=$2
  shift 2
  export HOME=$scratch XDG_CONFIG_HOME=$scratch/.config XDG_DATA_HOME=$scratch/.local/share \
    XDG_CACHE_HOME=$scratch/.cache
  timeout 300 xvfb-run -a -s "-screen 0 1600x1200x24" env NO_AT_BRIDGE=1 GDK_BACKEND=x11 \
    WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 \
    "$script" --inside "$@"
}

run_on_desktop() {
  local script program plan screenshot scratch status=0
  script=$(realpath "$1") program=$(realpath "$2") plan=$(realpath "$3") screenshot=$(realpath "$4")
  scratch=$(mktemp -d)
  # shellcheck disable=SC2064 # the folder is known now
  trap "rm -rf '$scratch'" EXIT
  in_virtual_desktop "$scratch" "$script" "$program" "$plan" "$scratch/program.log" "$screenshot" ||
    status=$?
  if grep -q CRITICAL "$scratch/program.log"; then
    echo "FAILED: the toolkit logged a critical:"
    grep -m 5 CRITICAL "$scratch/program.log"
    status=1
  fi
  return "$status"
}
