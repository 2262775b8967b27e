#!/usr/bin/env bash
# Installs the program into a scratch folder and starts it there as the desktop does when the
# user opens a plan file: the desktop entry's Exec line with the file for %f, from a folder
# outside the build, with a home of its own. The driver preloaded into it agrees to the
# disclaimer, looks at the language list and the help book and ends the program; its report
# and the program's diagnostic log must show the plan loaded, Spanish offered, the book open and
# the program ended normally.
# Usage: check-installed-program.sh BUILD_DIR DRIVER_LIBRARY PLAN_FILE
set -euo pipefail
build_dir=$1 driver=$2 plan_source=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >/dev/null
prefix=$scratch/root/usr
home=$scratch/home
mkdir -p "$home" "$scratch/plans"
# File managers hand over names with blanks as one word.
plan="$scratch/plans/three dives.ccp"
cp "$plan_source" "$plan"

read -ra command <<<"$(sed -n 's/^Exec=//p' "$prefix/share/applications/example.oskerby.VelmarTessaline.desktop")"
for i in "${!command[@]}"; do
  if [[ ${command[i]} == %f ]]; then command[i]=$plan; fi
done

report=$scratch/report
status=0
(
  cd "$scratch/plans"
  export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share PATH=$prefix/bin:$PATH
  # The browser engine runs without its compositing and, as tests may run as root, without its
  # sandbox, as in the window tests.
  timeout 300 xvfb-run -a -s "-screen 0 1600x1200x24" env NO_AT_BRIDGE=1 GDK_BACKEND=x11 \
    WEBKIT_DISABLE_COMPOSITING_MODE=1 WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1 \
    LD_PRELOAD="$driver" VT_DRIVER_REPORT="$report" "${command[@]}"
) || status=$?

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}
expect_line() {  # file, line
  grep -qxF -- "$2" "$1" || fail "no line \"$2\" in $(basename "$1")"
}

echo "--- driver report"
cat "$report" 2>/dev/null || fail "no driver report"
((status == 0)) || fail "the program ended with status $status"
grep -qx 'title: Velmar Tessaline v[0-9.]* - three dives\.ccp' "$report" || fail "the title does not name the plan"
for tab in "Dive 1 - Wall" "Dive 2 - Deep CCR" "Dive 3 - Bell"; do expect_line "$report" "tab: $tab"; done
expect_line "$report" "language: English"
expect_line "$report" "language: Espanol"
expect_line "$report" "help: Velmar Tessaline"
expect_line "$report" "help page: index.html"
! grep -q '^message: ' "$report" || fail "the program showed a message"

shopt -s nullglob
logs=("$home/.local/share/Velmar/Velmar Tessaline/"*)
((${#logs[@]} == 1)) || fail "not one diagnostic log: ${logs[*]}"
if ((${#logs[@]} == 1)); then
  # The log's lines without their time stamps.
  sed 's/^[^ ]* : //' "${logs[0]}" >"$scratch/log"
  expect_line "$scratch/log" "Auto open file $plan"
  expect_line "$scratch/log" "Velmar Tessaline Shutdown"
fi
((failures == 0))
