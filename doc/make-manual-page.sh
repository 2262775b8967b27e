#!/bin/sh
# Makes the manual page from the program's --help and --version and the sections of INCLUDE, dated
# by the newest release of CHANGELOG (help2man gives its month in UTC), so that every build of a
# release makes the same page, whenever and wherever it is built.
# Usage: make-manual-page.sh PROGRAM SUMMARY INCLUDE CHANGELOG OUTPUT
set -eu
program=$1 summary=$2 include=$3 changelog=$4 output=$5

# Empty when the newest release has no date that can be read: the build then fails rather than
# dating the page by its own time.
released=$(dpkg-parsechangelog --file "$changelog" --show-field Timestamp)
case $released in
  '' | *[!0-9]*)
    echo "make-manual-page.sh: the newest release in $changelog has no date that can be read" >&2
    exit 1
    ;;
esac
SOURCE_DATE_EPOCH=$released help2man --no-info --section=1 "--name=$summary" "--include=$include" \
  "--output=$output.part" "$program"
mv "$output.part" "$output"
