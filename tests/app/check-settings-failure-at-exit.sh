#!/usr/bin/env bash
# The program on a desktop with a window manager, driven through the X server, with a settings
# file the user may not write: after first runs have made it, the file is made read-only and
# Escape ends the program, once after the main window was moved (saving its placement fails) and
# once with a recent-file list that has to be written again (saving the list fails). Each time
# either one readable message tells of it while the main window still stands, or none does; the
# program ends with status 0 and its log holds the failure.
# Usage: check-settings-failure-at-exit.sh PROGRAM SCREENSHOT
# SCREENSHOT shows what the message box drew, or the screen where a step timed out. The program runs as
# the user "nobody" when the test runs as the administrator, whom file modes do not stop.
set -euo pipefail

# A box drawn with its text, icon and button holds many colours; an undrawn one holds one or two.
# The box's own contents are read: on this desktop the screen shows the client area of every modal
# dialog over the main window black, the About box's too, whatever the dialog drew.
readonly kReadableColours=8

source "$(dirname "$(realpath "$0")")/desktop-session.sh"

if [[ ${1:-} == --inside ]]; then
  shift
  program=$1 scratch=$2 screenshot=$3
  user=$scratch/user
  mkdir -p "$user"
  as_user=(env HOME="$user" XDG_CONFIG_HOME="$user/.config" XDG_DATA_HOME="$user/.local/share"
    XDG_CACHE_HOME="$user/.cache")
  if (($(id -u) == 0)); then
    cp "$XAUTHORITY" "$user/Xauthority"
    chmod o+x "$scratch"
    chown -R nobody:nogroup "$user"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${as_user[@]}" XAUTHORITY="$user/Xauthority")
  fi
  main_window() { xdotool search --onlyvisible --name 'Velmar Tessaline v' | head -n 1; }
  position_of() { xdotool getwindowgeometry "$1" | sed -n 's/^ *Position: \([0-9]*,[0-9]*\).*/\1/p'; }
  moved_from() { [[ $(position_of "$1") != "$2" ]]; }
  ended() { ! kill -0 "$1"; }
  message_or_end() { active_window_named '^Velmar Tessaline$' || ended "$1"; }
  readable() { (($(xwd -id "$1" -silent | xwdtopnm 2>/dev/null | ppmhist -noheader | wc -l) >= kReadableColours)); }
  # Starts the program, agrees to the disclaimer and waits for the main window; sets pid.
  start() {
    "${as_user[@]}" "$program" --no-splash >>"$scratch/program.out" 2>&1 &
    pid=$!
    wait_for "disclaimer" active_window_named '^Velmar Tessaline$'
    # A click on I Agree, whose middle lies at (133, 233) of the disclaimer's 358 x 254 units.
    local disclaimer width height
    disclaimer=$(xdotool getactivewindow)
    read -r width height < <(xdotool getwindowgeometry "$disclaimer" | sed -n 's/^ *Geometry: \([0-9]*\)x\([0-9]*\).*/\1 \2/p')
    xdotool mousemove --window "$disclaimer" $((width * 133 / 358)) $((height * 233 / 254)) click 1
    wait_for "main window" active_window_named 'Velmar Tessaline v'
  }

  openbox >/dev/null 2>&1 &
  trap 'kill "${pid:-}" 2>/dev/null || true' EXIT
  wait_for "window manager" xprop -root _NET_SUPPORTING_WM_CHECK

  # Two runs make the settings file and let the placements settle.
  for run in 1 2; do
    start
    xdotool key Escape
    wait_for "end of run $run" ended "$pid"
  done
  store=$user/.config/Velmar/registry.reg
  [[ -f $store ]] || { echo "FAILED: the first runs made no settings file"; exit 1; }
  failures() { cat "$user/.local/share/Velmar/Velmar Tessaline/"*.log | grep -c "Unable to write settings file"; }

  # Runs the program with the settings file read-only and ends it with Escape after the step
  # given; the saving at the end fails.
  end_with_read_only_store() {
    local case=$1 step=$2
    chmod 0444 "$store"
    local before logged
    before=$(sha256sum <"$store")
    logged=$(failures || true)
    start
    "$step"
    xdotool key Escape
    wait_for "message or end after Escape ($case)" message_or_end "$pid"
    if ! ended "$pid"; then
      local box
      box=$(xdotool getactivewindow)
      [[ -n $(main_window) ]] || { echo "FAILED: the message showed after the main window had gone ($case)"; exit 1; }
      wait_for "readable message ($case)" readable "$box"
      xwd -id "$box" -silent | xwdtopnm 2>/dev/null | pnmtopng >"$screenshot"
      echo "one readable message while the main window stands ($case)"
      xdotool key Return
    fi
    wait_for "end of the program ($case)" ended "$pid"
    local status=0
    wait "$pid" || status=$?
    ((status == 0)) || { echo "FAILED: the program ended with status $status ($case)"; exit 1; }
    [[ $(sha256sum <"$store") == "$before" ]] || { echo "FAILED: the read-only settings file was changed ($case)"; exit 1; }
    (($(failures) > logged)) || { echo "FAILED: the log holds no failed settings write ($case)"; exit 1; }
    echo "the program ended with status 0 and logged the failure ($case)"
    chmod 0644 "$store"
  }
  move_main_window() {
    local window place
    window=$(main_window)
    place=$(position_of "$window")
    xdotool windowmove "$window" 240 160
    wait_for "main window moved" moved_from "$window" "$place"
  }
  end_with_read_only_store "the moved main window" move_main_window
  # A list with a gap is written again closed up as the program ends: the write fails.
  printf '[HKEY_CURRENT_USER\\Software\\Velmar\\VelmarTessaline\\Recent File List]\n"File2"="%s"\n' \
    "$user/Dive.ccp" >>"$store"
  end_with_read_only_store "the recent-file list" true
  exit 0
fi

program=$(realpath "$1") screenshot=$(realpath "$2")
script=$(realpath "$0")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
in_virtual_desktop "$scratch" "$script" "$program" "$scratch" "$screenshot"
