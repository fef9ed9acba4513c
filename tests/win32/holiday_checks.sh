# The window tests of Iran's public holidays, sourced by window_test.sh: the
# holiday note in both converter windows, today's date, and the list of a
# year's holidays with its copy and its calendar file. Expected days come
# from the Center for Calendar's calendar of 1405 and Iran's official lunar
# table; the file is read back by Python's iCalendar parser.

HOLIDAYS=VelmoraHolidays
HOL_YEAR=txtYear HOL_LIST=lstHolidays HOL_MESSAGE=lblMessage HOL_SHOW=cmdShow
TASUA_PERSIAN="تعطیل رسمی ایران: تاسوعای حسینی"
TASUA_ENGLISH="Public holiday in Iran: Tasua"
PUBLISHED="published in advance"

# A Persian date typed into Form1, the button, then whether the note names
# Tasua, whose days in 1447 (2025-07-05) and 1448 (2026-06-24) are as the
# official lunar table published them in advance: "published" or "none". In 1404 the
# arithmetic calendar runs a day ahead of the official one: the arithmetic
# 1404/4/15 is 2025-07-05, the arithmetic 1404/4/14 the day before.
HOLIDAY_NOTES=(
  "1405 4 3   $COMMAND1 | published"
  "1405 4 3   $COMMAND3 | published"
  "1404 4 15  $COMMAND2 | published"
  "1404 4 14  $COMMAND1 | none"
)

check_holiday_notes() {
  local row year month day button want text
  for row in "${HOLIDAY_NOTES[@]}"; do
    read -r year month day button _ want <<<"$row"
    note "holiday note for $year/$month/$day with control $button"
    fill_date "$year" "$month" "$day"
    keys_for_result "$button"
    text=$(probe note)
    case $want in
      none) [[ $text != *"Public holiday"* ]] || fail "$row: a holiday note on a working day: '$text'" ;;
      published)
        [[ $text == *"$TASUA_PERSIAN"*"$TASUA_ENGLISH ("*"$PUBLISHED"* ]] ||
          fail "$row: the note '$text' does not name Tasua in both lines, as published"
        ;;
    esac
  done
}

# Presses a converter button of Form1 and waits for its result: the
# calendar's name in Label5, which each row changes (so the rows take turns).
keys_for_result() {
  local label
  case $1 in
    "$COMMAND1") label=قمري ;;
    "$COMMAND2") label=ميلادي ;;
    *) label=هبريو ;;
  esac
  press "$1" space
  wait_for shows_or_refuses $LABEL5 "$label" || fail "control $1 gave no result"
  msgbox_closed || fail "control $1 was refused: '$(probe msgbox)'"
}

# Gregorian 2025-03-20 in «به هجری شمسی»: the arithmetic 1404/1/1 is
# officially 1403/12/30, the leap year's last day, a holiday by the law.
check_holiday_note_to_persian() {
  note "holiday note in $TO_PERSIAN_TITLE"
  open_to_persian
  fill_to_persian 2025 3 20
  press "$CMD_FROM_GREGORIAN" space "$TO_PERSIAN"
  wait_for text_is $TXT_P_YEAR 1404 || fail "2025/3/20 shows '$(text_of $TXT_P_YEAR)'"
  local text
  text=$(probe note)
  [[ $text == *1403/12/30* && $text == *"Public holiday in Iran: Year-end holiday"* ]] ||
    fail "2025/3/20: the note '$text' lacks the official date or the holiday"
}

# Ctrl+T fills today's local Gregorian date in «به هجری شمسی», and in Form1
# the arithmetic Persian date that the Gregorian button converts to today.
check_today() {
  note "today"
  local today
  today=$(date +'%Y %-m %-d')
  focus_window "$TO_PERSIAN_TITLE"
  keys ctrl+t
  wait_for text_is $TXT_YEAR "${today%% *}" || fail "Ctrl+T filled the year '$(text_of $TXT_YEAR)'"
  [ "$(text_of $TXT_YEAR) $(text_of $TXT_MONTH) $(text_of $TXT_DAY)" = "$today" ] ||
    fail "Ctrl+T filled '$(text_of $TXT_YEAR) $(text_of $TXT_MONTH) $(text_of $TXT_DAY)', today is $today"
  focus_window "$FORM1_TITLE"
  fill_date - - -
  keys ctrl+t
  wait_for test -n "$(text_of $TEXT3)" || fail "Ctrl+T left Form1's boxes empty"
  keys_for_result "$COMMAND2"
  [ "$(text_of $TEXT4) $(text_of $TEXT5) $(text_of $TEXT6)" = "$today" ] ||
    fail "Ctrl+T's Persian date converts to '$(results)', today is $today"
  # «به هجری شمسی» closes, so that the year box below is the list's own.
  focus_window "$TO_PERSIAN_TITLE"
  keys Escape Escape
  wait_for window_closed "$TO_PERSIAN" || fail "Esc did not close $TO_PERSIAN_TITLE"
}

rows_are() { [ "$(probe rows $HOL_LIST)" = "$1" ]; }
save_dialog_open() { [[ $(probe focus) == *" #32770" ]]; }

# The events of an iCalendar file as Python's parser reads them: how many,
# on how many days, and the days of Eid al-Fitr (its first day, named so).
ics_summary() {
  /usr/bin/python3 - "$1" <<'PY'
import sys, icalendar
events = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read()).walk("VEVENT")
days = {e.decoded("DTSTART") for e in events}
fitr = sorted(e.decoded("DTSTART").isoformat() for e in events if str(e.get("SUMMARY")) == "عید سعید فطر")
print(len(events), len(days), *fitr)
PY
}

# Ctrl+H on the year typed in Form1: 30 holidays on 26 days in 1405, Eid
# al-Fitr 1447 with Nowruz on 2026-03-21 and Eid al-Fitr 1448 on 2027-03-10.
check_holiday_list() {
  note "the holidays of 1405"
  focus_window "$FORM1_TITLE"
  fill "$TEXT1" 1405
  keys ctrl+h
  wait_for window_open "$HOLIDAYS" || fail "Ctrl+H opened no window"
  expect_focus "$HOL_YEAR" "$HOLIDAYS" "Ctrl+H"
  [ "$(window_count "$HOLIDAYS")" -eq 1 ] || fail "$(window_count "$HOLIDAYS") holiday windows"
  expect_text $HOL_YEAR 1405 "the year typed in Form1"
  wait_for rows_are 30 || fail "1405 lists $(probe rows $HOL_LIST) holidays, expected 30"
  keys Tab Tab
  expect_focus "$HOL_LIST" "$HOLIDAYS" "Tab to the list"
  keys ctrl+shift+c
  wait_for clipboard_starts "تاریخ هجری شمسی	" || fail "Ctrl+Shift+C copied '$(probe clipboard | head -n1)'"
  [ "$(probe clipboard | grep -c $'\t')" -eq 31 ] ||
    fail "the copy has $(probe clipboard | grep -c $'\t') lines, expected the headings and 30 rows"

  local file="$SESSION_DIR/holidays 1405.ics" summary
  keys ctrl+s
  wait_for save_dialog_open || fail "Ctrl+S opened no save dialog (the focus is on '$(probe focus)')"
  keys ctrl+a
  typed "$(windows_path "$file")"
  keys Return
  wait_for test -s "$file" || fail "Ctrl+S saved nothing to $file"
  summary=$(ics_summary "$file") || fail "the saved file does not parse"
  [ "$summary" = "30 26 2026-03-21 2027-03-10" ] ||
    fail "the saved file holds '$summary', expected 30 events on 26 days, Eid al-Fitr on 2026-03-21 and 2027-03-10"

  note "a year outside the list's years"
  expect_focus "$HOL_LIST" "$HOLIDAYS" "after saving"
  keys shift+Tab shift+Tab
  fill_holiday_year 1368
  keys Return
  wait_for rows_are 0 || fail "1368 lists $(probe rows $HOL_LIST) rows"
  [[ $(text_of $HOL_MESSAGE) == *1369* ]] || fail "1368 gets the message '$(text_of $HOL_MESSAGE)'"
  fill_holiday_year 1405
  keys Tab
  expect_focus "$HOL_SHOW" "$HOLIDAYS" "Tab to the button"
  keys space
  wait_for rows_are 30 || fail "1405 again lists $(probe rows $HOL_LIST) rows"
  keys Escape
  wait_for window_closed "$HOLIDAYS" || fail "Esc did not close the holiday list"
  expect_running "the holiday list closed"
}

fill_holiday_year() {
  expect_focus "$HOL_YEAR" "$HOLIDAYS" "the year box"
  keys End shift+Home BackSpace
  typed "$1"
  wait_for text_is $HOL_YEAR "$1" || fail "the year box shows '$(text_of $HOL_YEAR)' after typing $1"
}
