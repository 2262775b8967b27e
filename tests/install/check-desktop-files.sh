#!/usr/bin/env bash
# Installs the program into a scratch folder and checks what the desktop reads of it: the desktop
# entry, the file types (by name and, without one, by their first line, in a MIME database of
# their own) and the icon in every size of the theme, drawn at its size and centred, and as an SVG.
# Usage: check-desktop-files.sh BUILD_DIR SAMPLE_FILE_FOLDER
set -euo pipefail
build_dir=$1 samples=$2
here=$(dirname "$(readlink -f "$0")")

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
DESTDIR="$scratch/root" cmake --install "$build_dir" --prefix /usr >/dev/null
share=$scratch/root/usr/share
entry=$share/applications/example.oskerby.VelmarTessaline.desktop
types=$share/mime/packages/velmar-tessaline.xml

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

desktop-file-validate "$entry" || fail "desktop-file-validate"
# The program opens plans from its command line; dives, logs and gas mix lists it opens only
# from its own commands, so the entry claims the plan type alone.
grep -qx 'MimeType=application/x-velmar-tessaline-plan;' "$entry" || fail "the entry does not claim plans alone"
grep -qx 'Exec=VelmarTessaline %f' "$entry" || fail "the entry does not hand the program one file"
[[ -x $scratch/root/usr/bin/$(sed -n 's/^TryExec=//p' "$entry") ]] || fail "TryExec names no installed program"

xmllint --noout "$types" || fail "xmllint"
mime=$scratch/mime/share/mime
mkdir -p "$mime/packages"
cp "$types" /usr/share/mime/packages/freedesktop.org.xml "$mime/packages/"
XDG_DATA_DIRS=$scratch/mime/share update-mime-database "$mime" || fail "update-mime-database"
files=$scratch/files
mkdir "$files"
cp "$samples/plan_file/three-dives-crlf.ccp" "$files/plan.ccp"
cp "$samples/plan_file/three-dives-crlf.ccp" "$files/plan-crlf"
cp "$samples/plan_file/two-dives-lf.ccp" "$files/plan-lf"
cp "$samples/dive_file/bell.ccd" "$files/dive.ccd"
cp "$samples/dive_file/open-circuit-lf.ccd" "$files/dive-lf"
cp "$samples/gas_mix_list_file/saved-crlf.ccg" "$files/gases.ccg"
cp "$samples/gas_mix_list_file/two-lists-lf.ccg" "$files/gases-lf"
printf 'text log\n' >"$files/dive-computer.ccl"
printf 'Dive Plans for the week\r\n' >"$files/notes"
expect_type() {  # file, MIME type
  local found
  found=$(XDG_DATA_HOME=$scratch/none XDG_DATA_DIRS=$scratch/mime/share gio info -a standard::content-type "$files/$1" |
    sed -n 's/^ *standard::content-type: //p')
  [[ $found == "$2" ]] || fail "$1 is $found, not $2"
}
expect_type plan.ccp application/x-velmar-tessaline-plan
expect_type plan-crlf application/x-velmar-tessaline-plan
expect_type plan-lf application/x-velmar-tessaline-plan
expect_type dive.ccd application/x-velmar-tessaline-dive
expect_type dive-lf application/x-velmar-tessaline-dive
expect_type gases.ccg application/x-velmar-tessaline-gas-mix-list
expect_type gases-lf application/x-velmar-tessaline-gas-mix-list
expect_type dive-computer.ccl application/x-velmar-tessaline-log
expect_type notes text/plain

# Each size is drawn at its size, not scaled from another, centred: crisp on the pixel grid below
# 32 px, with smooth edges from 32 px up.
for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/velmar-tessaline.png
  file "$icon" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "no ${size}x${size} icon with alpha"
  edge=smooth
  ((size < 32)) && edge=crisp
  pngtopam -alphapam "$icon" | "$here/check-icon-image.py" $edge "the ${size}x${size} icon" || fail "the ${size}x${size} icon"
done
svg=$share/icons/hicolor/scalable/apps/velmar-tessaline.svg
xmllint --noout "$svg" && [[ $(xmllint --xpath 'local-name(/*)' "$svg") == svg ]] || fail "no scalable icon"
# The SVG's drawing is the same badge, centred in its view box, at any size.
for size in 40 256; do
  rsvg-convert --width=$size --height=$size "$svg" | pngtopam -alphapam |
    "$here/check-icon-image.py" smooth "the SVG icon drawn at ${size}x${size}" || fail "the SVG icon at ${size}x${size}"
done
((failures == 0))
