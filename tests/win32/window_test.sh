#!/usr/bin/env bash
# Drives the Win32 program under Wine with real key presses on a virtual X
# server and checks each outcome with the window probe, which reads the
# program's windows across processes:
#
#   window_test.sh <velmora.exe> <window_probe.exe> <launch_marker.exe>
#
# Stops with a message at the first wrong outcome. Expected dates come from
# the product's conversion tables.
set -eEuo pipefail
source "$(dirname "$0")/wine_session.sh"
# A command that fails outside a check (a key press, a probe that finds no
# window) still says where the test stopped.
trap 'echo "FAIL: line $LINENO: \"$BASH_COMMAND\" failed with status $?" >&2' ERR

[ $# -eq 3 ] || { echo "usage: $0 <velmora.exe> <window_probe.exe> <launch_marker.exe>" >&2; exit 64; }
PROGRAM=$(realpath "$1")
PROBE=$(realpath "$2")
MARKER=$(realpath "$3")

# Window classes as win32/control_ids.h fixes them, and titles. Controls go
# by their design names: the probe finds each by the ID the program gives it.
FORM1=VelmoraForm1
ABOUT=VelmoraAbout
FORM1_TITLE=Velmora
ABOUT_TITLE="About MyApp"
TEXT1=Text1 TEXT2=Text2 TEXT3=Text3 TEXT4=Text4 TEXT5=Text5 TEXT6=Text6
COMMAND1=Command1 COMMAND2=Command2 COMMAND3=Command3 COMMAND4=Command4
LABEL5=Label5
CMD_OK=cmdOK PIC_ICON=picIcon CMD_SYS_INFO=cmdSysInfo
# Form1's focus order, which Tab walks forwards and Shift+Tab backwards.
FOCUS_ORDER=("$TEXT1" "$COMMAND1" "$TEXT2" "$TEXT3" "$TEXT4" "$TEXT5" "$TEXT6" "$COMMAND2" "$COMMAND3" "$COMMAND4")
# The window "به هجری شمسی" and its focus order.
TO_PERSIAN=VelmoraToPersian
TO_PERSIAN_TITLE="به هجری شمسی"
TXT_YEAR=txtYear TXT_MONTH=txtMonth TXT_DAY=txtDay
TXT_P_YEAR=txtPersianYear TXT_P_MONTH=txtPersianMonth TXT_P_DAY=txtPersianDay
CMD_FROM_ISLAMIC=cmdFromIslamic CMD_FROM_GREGORIAN=cmdFromGregorian CMD_FROM_HEBREW=cmdFromHebrew
LBL_CALENDAR=lblCalendar
TO_PERSIAN_FOCUS_ORDER=("$TXT_YEAR" "$TXT_MONTH" "$TXT_DAY" "$CMD_FROM_ISLAMIC" "$CMD_FROM_GREGORIAN"
  "$CMD_FROM_HEBREW" "$TXT_P_YEAR" "$TXT_P_MONTH" "$TXT_P_DAY")
PERSIAN_NAME="هجری شمسی"
SYSINFO_UNAVAILABLE="System Information Is Unavailable At This Time"
MSINFO_KEY='HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO'

# Persian date typed into Text1..Text3, the button and the key that presses
# it, then Text4..Text6 and Label5 as the tables give them, and words of the
# result note's English line ("-": no note).
CONVERSIONS=(
  "1382 3 19     $COMMAND2 space  | 2003 6 9   ميلادي -"
  "1382 3 19     $COMMAND1 Return | 1424 4 8   قمري -"
  "1382 3 19     $COMMAND3 space  | 5763 10 9  هبريو -"
  "۱۴۰۳ ۱ ۱      $COMMAND2 Return | 2024 3 20  ميلادي Public holiday in Iran: Nowruz"
  "1403 7 12     $COMMAND3 space  | 5785 1 1   هبريو -"
  "1 1 1         $COMMAND2 space  | 622 3 19   ميلادي Julian"
  "1404 5 10     $COMMAND2 space  | 2025 7 31  ميلادي 2025/8/1"
  "1218 9 17     $COMMAND1 space  | 1255 10 1  قمري 03:00"
  "1403 12 12    $COMMAND1 space  | 1446 9 2   قمري this day is 1446/9/1"
  "1401 2 13     $COMMAND1 Return | 1443 10 2  قمري this day is 1443/10/1"
  "1405 1 1      $COMMAND1 space  | 1447 10 2  قمري 1447/10/1 (Saturday 1 Shawwal 1447); Velmora counts the Islamic months from the new moon, Iran's official calendar from the sighting of the crescent. The official date is as published in advance by the Center for Calendar."
  "1405 9 18     $COMMAND1 space  | 1448 6 29  قمري -"
  "1406 6 1      $COMMAND1 space  | 1449 3 20  قمري for this month is not yet published"
  "-4382 6 13    $COMMAND3 space  | 0 0 0      هبريو Hebrew"
  "1405 9 17     $COMMAND2 space  | 2026 12 8  ميلادي -"
)
# Input that cannot be converted ("-" for an empty box), the button, then the
# box the error is reported against, the heading and the kind of error the
# message names.
# A date typed into the window "به هجری شمسی", the button, then the Persian
# date and a word of the note ("-": no note); 1382/3/19 is 9 June 2003.
TO_PERSIAN_CONVERSIONS=(
  "2003 6 9  $CMD_FROM_GREGORIAN | 1382 3 19 -"
  "1424 4 8  $CMD_FROM_ISLAMIC   | 1382 3 19 -"
  "5763 10 9 $CMD_FROM_HEBREW    | 1382 3 19 -"
  "2025 3 20 $CMD_FROM_GREGORIAN | 1404 1 1  1403/12/30"
)
# Dates that their calendar lacks, the button, the box to correct and the
# calendar the message names.
TO_PERSIAN_ERRORS=(
  "2023 2 29 $CMD_FROM_GREGORIAN | $TXT_DAY   Gregorian"
  "5785 13 1 $CMD_FROM_HEBREW    | $TXT_MONTH Hebrew"
  "0 1 1     $CMD_FROM_ISLAMIC   | $TXT_YEAR  Islamic"
)
ERRORS=(
  "- 3 19        $COMMAND2 | $TEXT1 YEAR  Type mismatch"
  "abc 3 19      $COMMAND1 | $TEXT1 YEAR  Type mismatch"
  "1382 40000 19 $COMMAND3 | $TEXT2 MONTH Overflow"
)

probe() { "$PROBE_LOADER" "$PROBE" "$@" 2>/dev/null; }
text_of() { probe text "$1"; }
text_is() { [ "$(text_of "$1")" = "$2" ]; }
focus_is() { [ "$(probe focus)" = "$1 $2" ]; }
msgbox_open() { [ -n "$(probe msgbox)" ]; }
msgbox_closed() { [ -z "$(probe msgbox)" ]; }
# Control $1 shows $2, or a message box has come up instead.
shows_or_refuses() { text_is "$1" "$2" || msgbox_open; }
window_count() { probe windows | grep -c "^$1	" || true; }
foreground_is() { [ "$(probe foreground)" = "$1" ]; }
window_open() { [ "$(window_count "$1")" -gt 0 ]; }
window_closed() { [ "$(window_count "$1")" -eq 0 ]; }

expect_text() {
  local actual
  actual=$(text_of "$1")
  [ "$actual" = "$2" ] || fail "$3: control $1 shows '$actual', expected '$2'"
}
expect_focus() {
  wait_for focus_is "$1" "$2" || fail "$3: the focus is on '$(probe focus)', expected control $1 of $2"
}
# Activates the window titled $1 and waits until Wine has made it the
# foreground window too, so that the next key press goes to it; activates it
# again if another window took the focus meanwhile.
activated() { x_activate "$1" && wait_for_briefly foreground_is "$1"; }
wait_for_briefly() { WAIT_SECONDS=5 wait_for "$@"; }
focus_window() {
  wait_for x_window_titled "$1" >/dev/null || fail "no X window titled '$1'"
  wait_for activated "$1" || fail "Wine did not make '$1' the foreground window (it is '$(probe foreground)')"
}
expect_running() { program_running || fail "$1: the program ended (status $(cat "$SESSION_DIR/app.status"))"; }

# Moves the focus to control $1 of the window of class $2 (Form1 unless
# given) with Tab or Shift+Tab, whichever is shorter from where the focus
# is, and checks that it arrived.
tab_to() {
  local class=${2:-$FORM1} focus here=-1 there=-1 i steps
  if [ "$class" = "$TO_PERSIAN" ]; then local -n order=TO_PERSIAN_FOCUS_ORDER; else local -n order=FOCUS_ORDER; fi
  # Wine hands the focus back a moment after a popup such as the result
  # note has been shown.
  wait_for probe focus >/dev/null || fail "no focus in Velmora's windows"
  focus=$(probe focus) || fail "no focus in Velmora's windows"
  for i in "${!order[@]}"; do
    [ "$focus" != "${order[$i]} $class" ] || here=$i
    [ "$1" != "${order[$i]}" ] || there=$i
  done
  [ "$here" -ge 0 ] || fail "the focus is on '$focus', outside the focus order of $class"
  steps=$(((there - here + ${#order[@]}) % ${#order[@]}))
  local presses=()
  if [ "$steps" -le $((${#order[@]} / 2)) ]; then
    for ((i = 0; i < steps; i++)); do presses+=(Tab); done
  else
    for ((i = steps; i < ${#order[@]}; i++)); do presses+=(shift+Tab); done
  fi
  [ ${#presses[@]} -eq 0 ] || keys "${presses[@]}"
  expect_focus "$1" "$class" "Tab towards control $1"
}

# Replaces the text of input box $1 by $2 ("-" empties it) with key presses,
# in the window of class $3 (Form1 unless given).
fill() {
  local value=$2
  [ "$value" != "-" ] || value=""
  tab_to "$1" "${3:-$FORM1}"
  keys End shift+Home BackSpace
  typed "$value"
  wait_for text_is "$1" "$value" || fail "box $1 shows '$(text_of "$1")' after typing '$value'"
}

fill_date() {
  fill "$TEXT1" "$1"
  fill "$TEXT2" "$2"
  fill "$TEXT3" "$3"
}

fill_to_persian() {
  fill "$TXT_YEAR" "$1" "$TO_PERSIAN"
  fill "$TXT_MONTH" "$2" "$TO_PERSIAN"
  fill "$TXT_DAY" "$3" "$TO_PERSIAN"
}

# Presses button $1 of Form1 with key $2 (space or Return) on its focus; in
# the window of class $3 when given.
press() {
  tab_to "$1" "${3:-$FORM1}"
  keys "$2"
}

results() { echo "$(text_of $TEXT4)|$(text_of $TEXT5)|$(text_of $TEXT6)|$(text_of $LABEL5)"; }

check_start() {
  note "start"
  start_program "$PROGRAM"
  wait_for window_open "$FORM1" || fail "Form1 did not appear"
  local title
  title=$(probe windows | grep "^$FORM1	" | cut -f2)
  [ "$title" = "$FORM1_TITLE" ] || fail "Form1 is titled '$title', expected '$FORM1_TITLE'"
  focus_window "$FORM1_TITLE"
  expect_focus "$TEXT1" "$FORM1" "start"
  local box
  for box in $TEXT4 $TEXT5 $TEXT6 $LABEL5; do expect_text "$box" "" "start"; done
}

check_focus_order() {
  note "focus order"
  tab_to "$TEXT1"
  local i count=${#FOCUS_ORDER[@]}
  for ((i = 1; i <= count; i++)); do
    keys Tab
    expect_focus "${FOCUS_ORDER[$((i % count))]}" "$FORM1" "Tab number $i from Text1"
  done
  for ((i = count - 1; i >= 0; i--)); do
    keys shift+Tab
    expect_focus "${FOCUS_ORDER[$i]}" "$FORM1" "Shift+Tab number $((count - i)) from Text1"
  done
}

check_conversions() {
  local row year month day button key want_year want_month want_day want_label want_note
  for row in "${CONVERSIONS[@]}"; do
    read -r year month day button key _ want_year want_month want_day want_label want_note <<<"$row"
    note "convert $year/$month/$day with control $button"
    fill_date "$year" "$month" "$day"
    press "$button" "$key"
    wait_for shows_or_refuses $TEXT4 "$want_year" || fail "$row: Text4 shows '$(text_of $TEXT4)', expected '$want_year'"
    msgbox_closed || fail "$row: refused with the message '$(probe msgbox)'"
    expect_text $TEXT5 "$want_month" "$row"
    expect_text $TEXT6 "$want_day" "$row"
    expect_text $LABEL5 "$want_label" "$row"
    expect_text $TEXT1 "$year" "$row: the input is kept"
    expect_text $TEXT2 "$month" "$row: the input is kept"
    expect_text $TEXT3 "$day" "$row: the input is kept"
    if [ "$want_note" = - ]; then
      [ -z "$(probe note)" ] || fail "$row: a note where none applies: '$(probe note)'"
    else
      [[ $(probe note) == *"$want_note"* ]] || fail "$row: the note '$(probe note)' does not say '$want_note'"
    fi
  done
}

# True when edit control $1's selection is "$2" ("<start> <end>").
selects() { [ "$(probe sel "$1")" = "$2" ]; }

check_errors() {
  local row year month day button box heading kind before message typed_length
  for row in "${ERRORS[@]}"; do
    read -r year month day button _ box heading kind <<<"$row"
    note "error for $year/$month/$day with control $button"
    fill_date "$year" "$month" "$day"
    before=$(results)
    press "$button" space
    wait_for msgbox_open || fail "$row: no message box"
    message=$(probe msgbox)
    [[ $message == *"$heading"* && $message == *"$kind"* ]] ||
      fail "$row: the message '$message' does not name $kind and $heading"
    [ "$(results)" = "$before" ] || fail "$row: the results changed to '$(results)' from '$before'"
    keys Return
    wait_for msgbox_closed || fail "$row: the message box did not close on Enter"
    expect_running "$row"
    expect_focus "$box" "$FORM1" "$row: after OK"
    typed_length=$(text_of "$box" | tr -d '\n' | wc -m)
    wait_for selects "$box" "0 $typed_length" ||
      fail "$row: box $box selects '$(probe sel "$box")', expected all of its $typed_length characters"
  done
}

# The menu bar lies above the client area, which keeps the design's size at
# 96 DPI, and so does every control its place (twips / 15).
check_layout_below_menu() {
  note "client area below the menu bar"
  [ "$(probe client "$FORM1")" = "299 147" ] || fail "Form1's client area is '$(probe client "$FORM1")'"
  local row id want
  for row in "$TEXT1:88 36 65 25" "$TEXT6:224 112 65 25" "$COMMAND4:8 72 73 33" "$LABEL5:8 112 73 25"; do
    id=${row%%:*} want=${row#*:}
    [ "$(probe rect "$id")" = "$want" ] || fail "control $id stands at '$(probe rect "$id")', expected '$want'"
  done
}

menu_is() { [ "$(probe menu)" = "$1" ]; }

# F10 and Alt select the menu bar; Down opens the menu; Esc leaves.
check_menu_keys() {
  note "menus from the keyboard"
  x_focus "$FORM1_TITLE"
  local key
  for key in F10 alt; do
    keys "$key"
    wait_for menu_is bar || fail "$key did not select the menu bar (menu state '$(probe menu)')"
    keys Down
    wait_for menu_is popup || fail "Down after $key opened no menu"
    keys Escape Escape
    wait_for menu_is "" || fail "Esc did not leave the menus after $key"
  done
  expect_running "menus"
}

note_gone() { [ -z "$(probe note)" ]; }
note_says() { [[ $(probe note) == *"$1"* ]]; }
clipboard_starts() { [[ $(probe clipboard) == "$1"* ]]; }

# Ctrl+Shift+C copies the last result with its words.
check_copy() {
  note "copy the result"
  fill_date 1382 3 19
  press "$COMMAND2" space
  wait_for text_is $TEXT4 2003 || fail "1382/3/19 did not convert"
  keys ctrl+shift+c
  wait_for clipboard_starts "2003/6/9 " || fail "Ctrl+Shift+C put '$(probe clipboard)' on the clipboard"
}

open_to_persian() {
  x_focus "$FORM1_TITLE"
  keys ctrl+r
  wait_for window_open "$TO_PERSIAN" || fail "Ctrl+R opened no window"
  expect_focus "$TXT_YEAR" "$TO_PERSIAN" "Ctrl+R"
  [ "$(window_count "$TO_PERSIAN")" -eq 1 ] || fail "$(window_count "$TO_PERSIAN") windows after Ctrl+R"
}

check_to_persian() {
  note "the window $TO_PERSIAN_TITLE"
  # Form1's note (1404/5/10) stays above other windows, so it hides while
  # another window of the program is active and comes back with Form1.
  focus_window "$FORM1_TITLE"
  fill_date 1404 5 10
  press "$COMMAND2" space
  wait_for note_says "2025/8/1" || fail "1404/5/10 showed the note '$(probe note)'"
  open_to_persian
  wait_for note_gone || fail "Form1's note '$(probe note)' shows over the window $TO_PERSIAN_TITLE"
  local title
  title=$(probe windows | grep "^$TO_PERSIAN	" | cut -f2)
  [ "$title" = "$TO_PERSIAN_TITLE" ] || fail "the window is titled '$title'"
  [ "$(probe client "$TO_PERSIAN")" = "299 147" ] || fail "its client area is '$(probe client "$TO_PERSIAN")'"
  open_to_persian
  local row year month day button want_year want_month want_day want_note box calendar message
  for row in "${TO_PERSIAN_CONVERSIONS[@]}"; do
    read -r year month day button _ want_year want_month want_day want_note <<<"$row"
    note "to the Persian calendar: $year/$month/$day with control $button"
    fill_to_persian "$year" "$month" "$day"
    press "$button" space "$TO_PERSIAN"
    wait_for shows_or_refuses $TXT_P_YEAR "$want_year" || fail "$row: the year shows '$(text_of $TXT_P_YEAR)'"
    msgbox_closed || fail "$row: refused with the message '$(probe msgbox)'"
    expect_text $TXT_P_MONTH "$want_month" "$row"
    expect_text $TXT_P_DAY "$want_day" "$row"
    expect_text $LBL_CALENDAR "$PERSIAN_NAME" "$row"
    if [ "$want_note" = - ]; then
      [ -z "$(probe note)" ] || fail "$row: a note where none applies: '$(probe note)'"
    else
      [[ $(probe note) == *"$want_note"* ]] || fail "$row: the note '$(probe note)' does not say '$want_note'"
    fi
  done
  # Esc dismisses the note of 2025/3/20 first, then closes the window.
  keys Escape
  wait_for note_gone || fail "Esc left the note '$(probe note)'"
  window_open "$TO_PERSIAN" || fail "Esc closed the window while its note showed"
  for row in "${TO_PERSIAN_ERRORS[@]}"; do
    read -r year month day button _ box calendar <<<"$row"
    note "not a date: $year/$month/$day with control $button"
    fill_to_persian "$year" "$month" "$day"
    press "$button" space "$TO_PERSIAN"
    wait_for msgbox_open || fail "$row: no message box"
    message=$(probe msgbox)
    [[ $message == *"Not a date of the $calendar calendar"* ]] || fail "$row: the message says '$message'"
    expect_text $TXT_P_YEAR 1404 "$row: the result is kept"
    keys Return
    wait_for msgbox_closed || fail "$row: the message box did not close on Enter"
    expect_running "$row"
    expect_focus "$box" "$TO_PERSIAN" "$row: after OK"
    wait_for selects "$box" "0 $(text_of "$box" | tr -d '\n' | wc -m)" || fail "$row: box $box is not selected"
  done
  keys ctrl+shift+c
  wait_for clipboard_starts "1404/1/1 " || fail "Ctrl+Shift+C in the window copied '$(probe clipboard)'"
  keys Escape
  wait_for window_closed "$TO_PERSIAN" || fail "Esc without a note did not close the window"
  expect_running "the window closed"
  focus_window "$FORM1_TITLE"
  wait_for note_says "2025/8/1" || fail "Form1's note did not come back with Form1 (note '$(probe note)')"
}

open_about() {
  press "$COMMAND4" space
  wait_for window_open "$ABOUT" || fail "Command4 showed no About box"
  local title
  title=$(probe windows | grep "^$ABOUT	" | cut -f2)
  [ "$title" = "$ABOUT_TITLE" ] || fail "the About box is titled '$title', expected '$ABOUT_TITLE'"
}

# The focus is on cmdOK of the one About box. The focus moving there shows
# that the press has been handled, so a second box would be there by now.
expect_one_about() {
  expect_focus "$CMD_OK" "$ABOUT" "$1"
  [ "$(window_count "$ABOUT")" -eq 1 ] || fail "$1: $(window_count "$ABOUT") About boxes"
}

check_about() {
  note "About box"
  open_about
  expect_one_about "About box opened"
  # The About box's focus order: cmdOK, picIcon, cmdSysInfo.
  keys Tab
  expect_focus "$PIC_ICON" "$ABOUT" "Tab from cmdOK"
  keys Tab
  expect_focus "$CMD_SYS_INFO" "$ABOUT" "Tab from picIcon"
  keys shift+Tab shift+Tab
  expect_focus "$CMD_OK" "$ABOUT" "Shift+Tab back to cmdOK"
  focus_window "$FORM1_TITLE"
  open_about
  expect_one_about "Command4 again"
  keys Escape
  wait_for window_closed "$ABOUT" || fail "Esc did not close the About box"
  expect_running "Esc in the About box"
  focus_window "$FORM1_TITLE"
  open_about
  expect_one_about "About box reopened"
  keys Return
  wait_for window_closed "$ABOUT" || fail "Enter on cmdOK did not close the About box"
  expect_running "Enter in the About box"
}

check_sys_info() {
  note "System Info"
  focus_window "$FORM1_TITLE"
  open_about
  expect_one_about "About box for System Info"
  keys alt+s
  wait_for msgbox_open || fail "Alt+S showed no message box"
  local message
  message=$(probe msgbox)
  [ "$message" = "$SYSINFO_UNAVAILABLE" ] || fail "System Info without a registry value says '$message'"
  keys Return
  wait_for msgbox_closed || fail "the System Info message box did not close on Enter"
  window_open "$ABOUT" || fail "the About box closed with the System Info message box"

  # A copy of the marker program in a folder with a space in its name, named
  # where the program looks for the tool; the program reads the registry in
  # its own word size's view, which reg.exe of the same word size writes.
  local tool="$SESSION_DIR/system tools/msinfo32.exe"
  mkdir -p "$(dirname "$tool")"
  cp "$MARKER" "$tool"
  "$PROGRAM_LOADER" reg add "$MSINFO_KEY" /v PATH /t REG_SZ /d "$(windows_path "$tool")" /f \
    >"$SESSION_DIR/reg.log" 2>&1 || fail "reg add failed: $(cat "$SESSION_DIR/reg.log")"
  focus_window "$ABOUT_TITLE"
  keys alt+s
  wait_for test -e "$tool.launched" || fail "System Info did not start the tool the registry names"
  msgbox_closed || fail "System Info started the tool and showed '$(probe msgbox)'"
  # The tool, a console program, may take the focus with its console until
  # it has ended.
  wait_for tool_ended "$tool" || fail "the System Info tool did not end"
  focus_window "$ABOUT_TITLE"
  keys Escape
  wait_for window_closed "$ABOUT" || fail "Esc did not close the About box"
}

# The tool runs under its Windows path, which holds the session folder.
tool_ended() { ! pgrep -f "$(basename "$SESSION_DIR").*$(basename "$1")" >/dev/null; }

check_close_form_first() {
  note "close Form1 while the About box is open"
  focus_window "$FORM1_TITLE"
  open_about
  expect_one_about "About box before closing Form1"
  focus_window "$FORM1_TITLE"
  keys alt+F4
  wait_for window_closed "$FORM1" || fail "Alt+F4 did not close Form1"
  expect_running "Form1 closed with the About box open"
  window_open "$ABOUT" || fail "the About box closed with Form1"
  focus_window "$ABOUT_TITLE"
  keys Escape
  wait_for program_ended || fail "the program did not end with its last window"
  [ "$(cat "$SESSION_DIR/app.status")" = 0 ] || fail "the program ended with status $(cat "$SESSION_DIR/app.status")"
}

source "$(dirname "$0")/holiday_checks.sh"

start_seconds=$SECONDS
session_start
PROGRAM_LOADER=$(wine_loader_for "$PROGRAM")
PROBE_LOADER=$(wine_loader_for "$PROBE")
[ -x "$PROGRAM_LOADER" ] || fail "$PROGRAM_LOADER is missing (package wine32:i386 for 32-bit programs)"
note "Wine prefix ready after $((SECONDS - start_seconds)) s"

check_start
check_layout_below_menu
check_focus_order
check_conversions
check_errors
check_copy
check_menu_keys
check_to_persian
check_holiday_notes
check_holiday_note_to_persian
check_today
check_holiday_list
check_about
check_sys_info
check_close_form_first
note "all window tests passed in $((SECONDS - start_seconds)) s"
