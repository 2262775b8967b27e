#!/usr/bin/env bash
# Makes the manual page from a changelog whose newest release is of another month than today, on a
# machine whose clock runs 14 hours ahead of UTC, and checks the page is dated by that release, in
# UTC, and comes out the same in another time zone; and that a changelog whose newest release has
# no date that can be read makes no page.
# Usage: check-manual-page-date.sh PROGRAM SOURCE_DIR
set -euo pipefail
program=$1 source_dir=$2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# Noon on 31 March in UTC is already 1 April where the clock is 14 hours ahead.
cat >"$scratch/changelog" <<'LOG'
velmar-tessaline (1.0.0.2) unstable; urgency=medium

  * A later release.

 -- Oskerby Ltd. <velmar-tessaline@oskerby.example>  Sun, 31 Mar 2019 12:00:00 +0000

velmar-tessaline (1.0.0.1) unstable; urgency=medium

  * First release.

 -- Oskerby Ltd. <velmar-tessaline@oskerby.example>  Fri, 11 Dec 2015 12:00:00 +0000
LOG
make_page() {  # time zone, output
  TZ=$1 "$source_dir/doc/make-manual-page.sh" "$program" "summary" "$source_dir/doc/VelmarTessaline.h2m" \
    "$scratch/changelog" "$2"
}
make_page UTC-14 "$scratch/ahead.1"
date=$(sed -n 's/^\.TH [^ ]* "1" "\([^"]*\)".*/\1/p' "$scratch/ahead.1")
[[ $date == "March 2019" ]] || fail "the page is dated \"$date\", not \"March 2019\""
make_page UTC+11 "$scratch/behind.1"
cmp "$scratch/ahead.1" "$scratch/behind.1" || fail "the page differs with the time zone"

# A changelog whose newest release has no date, or one that cannot be read, makes no page.
head -4 "$scratch/changelog" >"$scratch/undated"
sed 's/31 Mar 2019/31 Foo 2019/' "$scratch/changelog" >"$scratch/misdated"
for damaged in undated misdated; do
  cp "$scratch/$damaged" "$scratch/changelog"
  if make_page UTC "$scratch/$damaged.1" 2>"$scratch/errors"; then fail "a page made from the $damaged changelog"; fi
  [[ ! -e $scratch/$damaged.1 ]] || fail "a page left from the $damaged changelog"
  grep -q "no date that can be read" "$scratch/errors" || fail "the $damaged changelog is not reported: $(cat "$scratch/errors")"
done
((failures == 0))
