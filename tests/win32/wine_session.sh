# A session for driving a Windows program under Wine with real key presses:
# a virtual X server, a throw-away Wine prefix, the program started in it and
# helpers to press keys, wait for outcomes and fail with a clear message.
# Everything is removed again when the sourcing script exits.
# shellcheck shell=bash

# Debian's loaders: wine64 for 64-bit programs, wine (from wine32:i386) for
# 32-bit ones; a 64-bit prefix serves both.
WINE64_LOADER=/usr/lib/wine/wine64
WINE32_LOADER=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver64
# Wine 8.0 does not load the fonts it ships by itself: Tahoma for the dialog
# font, Marlett for the window and scroll bar glyphs.
WINE_FONTS=(/usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf)
# How long an outcome may take before the test calls it missing. Wine on a
# shared machine is slow, so these are generous; the waits poll, and a
# healthy run never waits this long.
WAIT_SECONDS=${WAIT_SECONDS:-60}
POLL_SECONDS=0.1
# Time xdotool leaves between key presses; Wine drops none at this pace.
KEY_DELAY_MS=40
# The window manager on the session's display, as a user's desktop has one:
# it gives the focus to the window it activates, which Wine follows. Empty
# for none (the screenshots, where Wine draws Windows' own frames).
SESSION_WINDOW_MANAGER=${SESSION_WINDOW_MANAGER-openbox}

SESSION_DIR=""
XVFB_PID=""
WM_PID=""
APP_PID=""

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
note() { echo "-- $*"; }

session_cleanup() {
  if [ -n "$SESSION_DIR" ]; then
    WINEPREFIX=$SESSION_DIR/prefix "$WINESERVER" -k 2>/dev/null || true
  fi
  [ -z "$APP_PID" ] || kill "$APP_PID" 2>/dev/null || true
  [ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null || true
  [ -z "$XVFB_PID" ] || kill "$XVFB_PID" 2>/dev/null || true
  [ -z "$SESSION_DIR" ] || rm -rf "$SESSION_DIR"
}

# The Wine loader for a Windows program, from the machine field of its PE
# header: 0x8664 is x86-64, 0x14c is i386.
wine_loader_for() {
  local pe_offset machine
  pe_offset=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((pe_offset + 4)) -N2 "$1" | tr -d ' ')
  case $machine in
    8664) echo "$WINE64_LOADER" ;;
    014c) echo "$WINE32_LOADER" ;;
    *) fail "$1 is not a Windows program for x86 or x86-64 (machine $machine)" ;;
  esac
}

# Polls "$@" until it succeeds, for WAIT_SECONDS at most; returns non-zero
# then, so that the caller's failure message reads the state at that time.
wait_for() {
  local deadline=$((SECONDS + WAIT_SECONDS))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep "$POLL_SECONDS"
  done
}

# Binds the Persian digit keysyms to spare keycodes. xdotool otherwise binds
# a keysym on the fly for each character and the application misses the
# first key pressed after the keyboard mapping changes.
bind_persian_digits() {
  local spare=() digit
  mapfile -t spare < <(xmodmap -pke | awk 'NF == 3 && $2 > 8 { print $2 }')
  [ ${#spare[@]} -ge 10 ] || fail "the X server has fewer than 10 spare keycodes"
  for digit in 0 1 2 3 4 5 6 7 8 9; do
    xmodmap -e "keycode ${spare[$digit]} = U06F$digit" || fail "xmodmap could not bind U+06F$digit"
  done
}

# A window manager has started when it names itself on the root window.
window_manager_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start_window_manager() {
  [ -n "$SESSION_WINDOW_MANAGER" ] || return 0
  command -v "$SESSION_WINDOW_MANAGER" >/dev/null || fail "$SESSION_WINDOW_MANAGER is needed (package openbox)"
  "$SESSION_WINDOW_MANAGER" >"$SESSION_DIR/wm.log" 2>&1 &
  WM_PID=$!
  wait_for window_manager_ready || fail "$SESSION_WINDOW_MANAGER did not start: $(cat "$SESSION_DIR/wm.log")"
}

# Starts the X server with its window manager and prepares the prefix: a
# display of Xvfb's own choosing at 96 DPI that keeps its keymap between
# clients (-noreset), and a fresh 64-bit prefix with the fonts.
session_start() {
  local tool
  for tool in Xvfb xdotool xmodmap xprop; do
    command -v "$tool" >/dev/null || fail "$tool is needed (packages xvfb, xdotool, x11-xserver-utils, x11-utils)"
  done
  [ -x "$WINE64_LOADER" ] || fail "wine64 is not installed"
  SESSION_DIR=$(mktemp -d "${TMPDIR:-/tmp}/velmora-window-test-XXXXXX")
  trap session_cleanup EXIT
  # A test runner stopping the run by a signal still gets the cleanup.
  trap 'exit 130' INT TERM HUP
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
    3>"$SESSION_DIR/display" 2>"$SESSION_DIR/xvfb.log" &
  XVFB_PID=$!
  wait_for test -s "$SESSION_DIR/display" || fail "Xvfb did not start: $(cat "$SESSION_DIR/xvfb.log")"
  DISPLAY=":$(cat "$SESSION_DIR/display")"
  export DISPLAY
  unset WAYLAND_DISPLAY
  bind_persian_digits
  start_window_manager

  export WINEPREFIX=$SESSION_DIR/prefix WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
  "$WINE64_LOADER" wineboot --init >"$SESSION_DIR/wineboot.log" 2>&1 ||
    fail "wineboot failed: $(cat "$SESSION_DIR/wineboot.log")"
  if [ -z "$SESSION_WINDOW_MANAGER" ]; then
    # Wine waits for a window manager's WM_TAKE_FOCUS before it activates a
    # window; with none, it is to activate the window whose X window gains
    # the focus.
    "$WINE64_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /t REG_SZ /d N /f \
      >>"$SESSION_DIR/wineboot.log" 2>&1 || fail "reg add failed: $(cat "$SESSION_DIR/wineboot.log")"
  fi
  "$WINESERVER" -w
  local font
  for font in "${WINE_FONTS[@]}"; do
    [ -f "$font" ] || fail "$font is missing (package fonts-wine)"
    cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  # A server that stays up keeps each probe's start short.
  "$WINESERVER" -p
}

# Starts the program ($1) with its loader; its exit status lands in
# $SESSION_DIR/app.status when it ends, a failing one too (the subshell
# inherits the caller's errexit and error trap). The status is written beside
# it and renamed into place: the file exists only once it holds the status,
# so a test polling for it never reads it empty.
start_program() {
  rm -f "$SESSION_DIR/app.status"
  (
    trap - ERR
    status=0
    "$(wine_loader_for "$1")" "$1" >"$SESSION_DIR/app.log" 2>&1 || status=$?
    echo "$status" >"$SESSION_DIR/app.status.new"
    mv "$SESSION_DIR/app.status.new" "$SESSION_DIR/app.status"
  ) &
  APP_PID=$!
}
program_running() { [ ! -e "$SESSION_DIR/app.status" ]; }
program_ended() { ! program_running; }

# The Unix path as Wine's drive Z: shows it.
windows_path() { echo "Z:${1//\//\\}"; }

keys() { xdotool key --delay "$KEY_DELAY_MS" "$@"; }
typed() { [ -z "$1" ] || xdotool type --delay "$KEY_DELAY_MS" -- "$1"; }

# Prints the X window of the visible top-level window titled exactly $1.
x_window_titled() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .
}

# Activates the top-level window titled exactly $1, as a click on it would:
# the window manager raises it and gives it the focus, and Wine activates
# it. Without a window manager the X input focus is set directly (through
# the root window first, so that the window gains it even where it had it).
# Returns non-zero when the window is not the active one afterwards, for
# instance because another program's window came up at the same moment.
x_activate() {
  local window
  window=$(x_window_titled "$1") || return 1
  if [ -n "$SESSION_WINDOW_MANAGER" ]; then
    timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || return 1
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]
  else
    xdotool windowfocus --sync "$(xdotool search --maxdepth 0 --name '' | head -n1)" 2>/dev/null || true
    xdotool windowfocus --sync "$window"
  fi
}

x_focus() {
  wait_for x_window_titled "$1" >/dev/null || fail "no X window titled '$1'"
  wait_for x_activate "$1" || fail "the window '$1' could not be activated"
}
