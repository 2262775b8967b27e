# Steps shared by the tests that drive the program through the X server under a window manager;
# sourced by them. The sourcing script sets kTimeoutSec and screenshot.

# Saves the whole screen as a PNG file.
save_screen() { xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$1"; }

# Waits until the command succeeds, or fails the test after the time-out with the screen saved.
wait_for() {
  local what=$1
  shift
  local deadline=$((SECONDS + kTimeoutSec))
  until "$@" >/dev/null 2>&1; do
    if ((SECONDS >= deadline)); then
      echo "FAILED: no $what within ${kTimeoutSec} s"
      save_screen "$screenshot"
      exit 1
    fi
    sleep 0.2
  done
}

active_window_named() { xdotool getactivewindow getwindowname | grep -q -- "$1"; }
