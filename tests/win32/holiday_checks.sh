# The window tests of Iran's public holidays, sourced by window_test.sh:
# the holiday note in both converter windows, today's date, the list of a
# year's holidays, its copy and its calendar file. Expected days come from
# the published calendar of 1405 and the official lunar table.

HOLIDAYS=VelmoraHolidays
HOLIDAYS_TITLE="تعطیلات رسمی سال"
HOL_YEAR=701 HOL_LIST=702 HOL_MESSAGE=703
HOLIDAY_NOTE="Public holiday in Iran"

# A Persian date typed into Form1, whether its day is a holiday, and a word
# of the holiday's English line. In 1404 the arithmetic calendar runs a day
# ahead of the official one: the arithmetic 1404/4/15 is 2025-07-05,
# officially 1404/4/14, Tasua 1447; the arithmetic 1404/4/14 is the day before.
HOLIDAY_NOTES=(
  "1405 4 3   $COMMAND2 | yes Tasua published"
  "1405 4 3   $COMMAND1 | yes Tasua published"
  "1404 4 15  $COMMAND3 | yes Tasua -"
  "1404 4 14  $COMMAND2 | no"
)

check_holiday_notes() {
  local row year month day button want word note_text
  for row in "${HOLIDAY_NOTES[@]}"; do
    read -r year month day button _ want word <<<"$row"
    note "holiday note for $year/$month/$day with control $button"
    fill_date "$year" "$month" "$day"
    press "$button" space
    wait_for shows_or_refuses $LABEL5 "$(label_of "$button")" || fail "$row: no result"
    note_text=$(probe note)
    if [ "$want" = no ]; then
      [[ $note_text != *"$HOLIDAY_NOTE"* ]] || fail "$row: a holiday note on a working day: '$note_text'"
      continue
    fi
    [[ $note_text == *"تعطیل رسمی ایران"*"$HOLIDAY_NOTE: $word"* ]] ||
      fail "$row: the note '$note_text' does not name the holiday $word in both lines"
    [ "$3" = - ] || true
  done
}

label_of() {
  case $1 in
    "$COMMAND1") echo قمري ;;
    "$COMMAND2") echo ميلادي ;;
    *) echo هبريو ;;
  esac
}

# Gregorian 2025-03-20 in «به هجری شمسی»: the arithmetic 1404/1/1 is
# officially 1403/12/30, the leap year's last day, a holiday by law.
check_holiday_note_to_persian() {
  note "holiday note in $TO_PERSIAN_TITLE"
  open_to_persian
  fill_to_persian 2025 3 20
  press "$CMD_FROM_GREGORIAN" space "$TO_PERSIAN"
  wait_for text_is $TXT_P_YEAR 1404 || fail "2025/3/20 shows '$(text_of $TXT_P_YEAR)'"
  local note_text
  note_text=$(probe note)
  [[ $note_text == *1403/12/30* && $note_text == *"$HOLIDAY_NOTE"* ]] ||
    fail "2025/3/20: the note '$note_text' lacks the official date or the holiday"
}

# Ctrl+T fills today's Gregorian date in «به هجری شمسی», and in Form1 the
# arithmetic Persian date that converts back to today.
check_today() {
  note "today"
  local today
  today=$(date +'%Y %-m %-d')
  focus_window "$TO_PERSIAN_TITLE"
  keys ctrl+t
  wait_for text_is $TXT_YEAR "${today%% *}" || fail "Ctrl+T filled the year '$(text_of $TXT_YEAR)'"
  [ "$(text_of $TXT_YEAR) $(text_of $TXT_MONTH) $(text_of $TXT_DAY)" = "$today" ] ||
    fail "Ctrl+T filled '$(text_of $TXT_YEAR) $(text_of $TXT_MONTH) $(text_of $TXT_DAY)', today is $today"
  keys Escape Escape
  wait_for window_closed "$TO_PERSIAN" || fail "Esc did not close $TO_PERSIAN_TITLE"
  focus_window "$FORM1_TITLE"
  fill_date - - -
  keys ctrl+t
  wait_for text_is $TEXT1 "$(text_of $TEXT1 | grep .)" || fail "Ctrl+T left Text1 empty"
  press "$COMMAND2" space
  wait_for text_is $LABEL5 ميلادي || fail "today's Persian date did not convert"
  [ "$(text_of $TEXT4) $(text_of $TEXT5) $(text_of $TEXT6)" = "$today" ] ||
    fail "Ctrl+T's Persian date converts to '$(results)', today is $today"
}

rows_are() { [ "$(probe rows $HOL_LIST)" = "$1" ]; }

# Events in the calendar file, read by Python's iCalendar parser: the count,
# the count of days, and each Eid al-Fitr's day.
ics_summary() {
  /usr/bin/python3 - "$1" <<'PY'
import sys, icalendar
cal = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
events = cal.walk("VEVENT")
days = {e.decoded("DTSTART") for e in events}
fitr = sorted(e.decoded("DTSTART").isoformat() for e in events if "Eid al-Fitr" in str(e.get("DESCRIPTION")))
print(len(events), len(days), " ".join(fitr))
PY
}

save_dialog_open() { [[ $(probe focus) == *" #32770" ]]; }

check_holiday_list() {
  note "the holidays of 1405"
  focus_window "$FORM1_TITLE"
  fill "$TEXT1" 1405
  keys ctrl+h
  wait_for window_open "$HOLIDAYS" || fail "Ctrl+H opened no window"
  [ "$(window_count "$HOLIDAYS")" -eq 1 ] || fail "$(window_count "$HOLIDAYS") holiday windows"
  expect_text $HOL_YEAR 1405 "the year typed in Form1"
  wait_for rows_are 30 || fail "1405 lists $(probe rows $HOL_LIST) holidays, expected 30"
  expect_focus "$HOL_LIST" "$HOLIDAYS" "Ctrl+H"
  keys ctrl+shift+c
  wait_for clipboard_starts "" || true
  [ "$(probe clipboard | grep -c $'\t')" -eq 31 ] ||
    fail "the copy has $(probe clipboard | grep -c $'\t') tab-separated lines, expected headings and 30 rows"

  local file="$SESSION_DIR/holidays 1405.ics"
  keys ctrl+s
  wait_for save_dialog_open || fail "Ctrl+S opened no save dialog (focus on '$(probe focus)')"
  keys ctrl+a
  typed "$(windows_path "$file")"
  keys Return
  wait_for test -s "$file" || fail "nothing saved to $file"
  local summary
  summary=$(ics_summary "$file") || fail "the saved file does not parse"
  [ "$summary" = "30 26 2026-03-21 2027-03-10" ] ||
    fail "the saved file has '$summary', expected 30 events on 26 days, Eid al-Fitr on 2026-03-21 and 2027-03-10"

  note "a year without the list"
  tab_to_holiday_year
  keys End shift+Home BackSpace
  typed 1368
  keys Return
  wait_for text_is $HOL_YEAR 1368 || fail "the year box shows '$(text_of $HOL_YEAR)'"
  [[ $(text_of $HOL_MESSAGE) == *1369* ]] || fail "1368 gets the message '$(text_of $HOL_MESSAGE)'"
  keys Escape
  wait_for window_closed "$HOLIDAYS" || fail "Esc did not close the holiday list"
  expect_running "the holiday list closed"
}

tab_to_holiday_year() {
  local i
  for ((i = 0; i < 3; i++)); do
    [ "$(probe focus)" = "$HOL_YEAR $HOLIDAYS" ] && return 0
    keys Tab
  done
  expect_focus "$HOL_YEAR" "$HOLIDAYS" "Tab to the year box"
}
