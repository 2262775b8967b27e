# Steps of the tests that drive the program on a desktop with a window manager, by keys through
# the X server. Sourced by the scripts; inside the desktop they set kTimeoutSec and screenshot.

# Runs "SCRIPT --inside PROGRAM PLAN LOG SCREENSHOT" on a screen of its own, with a scratch home
# folder; LOG is the program's output, left in $scratch/program.log. Sets status.
run_on_a_desktop_of_its_own() {
  local script=$1 program=$2 plan=$3 screenshot=$4
  export HOME=$scratch XDG_CONFIG_HOME=$scratch/.config XDG_DATA_HOME=$scratch/.local/share \
    XDG_CACHE_HOME=$scratch/.cache
  status=0
  timeout 300 xvfb-run -a -s "-screen 0 1600x1200x24" env NO_AT_BRIDGE=1 GDK_BACKEND=x11 \
    WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 \
    "$script" --inside "$program" "$plan" "$scratch/program.log" "$screenshot" || status=$?
}

# Waits until the command succeeds, or fails the test after the time-out with a screenshot.
wait_for() {
  local what=$1
  shift
  local deadline=$((SECONDS + kTimeoutSec))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      echo "FAILED: no $what within ${kTimeoutSec} s"
      xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$screenshot"
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
# Alt+V, then the keys that choose a View menu command once the menu is open.
view_command() {
  local step=$1
  shift
  xdotool key alt+v
  wait_for "View menu opened by Alt+V ($step)" menu_open
  xdotool key --delay 150 "$@"
  wait_for "View menu closed ($step)" no_menu_open
}
# The toolkit takes the keyboard for a menu a moment after the menu is on the screen: the first
# menu of a run is opened and closed once, so that a key typed into it is not lost.
open_the_first_menu() {
  xdotool key alt+v
  wait_for "View menu opened by Alt+V" menu_open
  xdotool key Escape
  wait_for "View menu closed by Escape" no_menu_open
}
start_window_manager() {
  openbox >/dev/null 2>&1 &
  wait_for "window manager" xprop -root _NET_SUPPORTING_WM_CHECK
}
