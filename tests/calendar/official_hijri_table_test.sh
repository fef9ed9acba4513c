#!/usr/bin/env bash
# scripts/update-official-hijri: the committed C++ table matches the data
# file, a newer table that only adds months or settles published ones is
# accepted, and each kind of fault is refused with its message. Nothing is
# written: every run is a --check.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
SCRIPT="$ROOT/scripts/update-official-hijri"
DATA="$ROOT/calendar/data/iran-official-hijri-months.tsv"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$SCRIPT" --check >/dev/null || fail "the committed table does not match the data file"

# A variant of the data file, made by a sed expression, is accepted.
accepted() {
  sed -e "$2" "$DATA" >"$WORK/$1.tsv"
  "$SCRIPT" --check "$WORK/$1.tsv" >/dev/null 2>"$WORK/$1.err" || fail "$1 refused: $(cat "$WORK/$1.err")"
}
# A variant is refused with a message that says $3.
refused() {
  sed -e "$2" "$DATA" >"$WORK/$1.tsv"
  if "$SCRIPT" --check "$WORK/$1.tsv" >/dev/null 2>"$WORK/$1.err"; then fail "$1 accepted"; fi
  grep -qF -- "$3" "$WORK/$1.err" || fail "$1: the message '$(cat "$WORK/$1.err")' does not say '$3'"
}

accepted next-month '$a 1448\t10\t2027-03-10\t2461475\t29\tpublished'
accepted settled '$s/30\tpublished$/29\trecord/'
refused gap '/^1300\t5\t/d' "1300/6 follows 1300/4"
refused long-month 's/^\(1300\t5\t[^\t]*\t[0-9]*\t\)29/\131/' "has 31 days"
refused moved '$s/30\tpublished$/29\tpublished/' "while its status stays 'published'"
refused missing '$d' "1448/9, covered now, is missing"
refused bad-status '$s/published$/printed/' "status 'printed'"
refused wrong-day-number 's/^\(1300\t5\t[^\t]*\t\)\([0-9]*\)/\11/' "is day number"
echo "update-official-hijri: all checks passed"
