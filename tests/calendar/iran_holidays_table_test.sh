#!/usr/bin/env bash
# scripts/update-iran-holidays: the committed C++ table matches the holiday
# list, the list matches the events data set it was taken from, and a faulty
# list is refused with its message. Nothing is written: the faulty lists are
# checked from a copy of the project.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$ROOT/scripts/update-iran-holidays" --check >/dev/null || fail "the committed table does not match the list"
EVENTS="$ROOT/../shared/data/calendar-events.json"
if [[ -r "$EVENTS" ]]; then
  "$ROOT/scripts/update-iran-holidays" --check "$EVENTS" >/dev/null || fail "the list differs from $EVENTS"
fi

mkdir -p "$WORK/scripts" "$WORK/calendar/data"
cp "$ROOT/scripts/update-iran-holidays" "$WORK/scripts/"
cp "$ROOT/calendar/iran_holidays_table.h" "$WORK/calendar/"
LIST="$ROOT/calendar/data/iran-public-holidays.tsv"
# A variant of the list, made by a sed expression, is refused with a
# message that says $3.
refused() {
  sed -e "$2" "$LIST" >"$WORK/calendar/data/iran-public-holidays.tsv"
  if "$WORK/scripts/update-iran-holidays" --check >/dev/null 2>"$WORK/$1.err"; then fail "$1 accepted"; fi
  grep -qF -- "$3" "$WORK/$1.err" || fail "$1: the message '$(cat "$WORK/$1.err")' does not say '$3'"
}
refused stale 's/\tTasua$/\tTasu'"'"'a/' "does not match"
refused month-13 's/^events\tlunar\t1\t9\t/events\tlunar\t13\t9\t/' "month 13 is outside 1..12"
refused persian-end 's/^events\tpersian\t1\t13\t/events\tpersian\t1\tend\t/' "only a lunar month ends"
refused day-31 's/^events\tpersian\t11\t22\t/events\tpersian\t11\t31\t/' "month 11 has no day 31"
refused day-32 's/^events\tpersian\t1\t12\t/events\tpersian\t1\t32\t/' "day '32' is neither"
refused no-english 's/\tTasua$/\t/' "English name is empty"
refused quote 's/\tTasua$/\tTa"sua/' "a quote or a backslash"
refused bad-origin 's/^law\t/decree\t/' "origin 'decree'"
refused five-fields 's/\tTasua$//' "5 tab-separated fields"
echo "update-iran-holidays: all checks passed"
