#!/usr/bin/env python3
"""Times Windows programs under Wine from the start of the process to their
window on the X server: mapped, then painted (its pixels no longer all one
colour), and reads the process's processor time and memory from /proc at
that moment.

  window_startup.py RUNS --program LABEL TITLE LOADER EXE [--program ...]

Each program is started as LOADER EXE (the Wine loader of its word size)
RUNS times, the programs taking turns, after one start each to warm the
caches; its window is the top-level window titled TITLE. Prints the median
of each figure, and the last program's medians against each other's.

Needs DISPLAY (an X server whose root window is black: Xvfb -br, so that an
unpainted window reads as one colour), WINEPREFIX of a prepared prefix, and
xdotool for the window's process id. Talks to the X server through libX11
with ctypes: no X bindings to install.
"""

import argparse
import ctypes
import ctypes.util
import os
import select
import signal
import statistics
import subprocess
import sys
import time

# Xlib constants (X.h).
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
MAP_NOTIFY = 19
Z_PIXMAP = 2
ALL_PLANES = 0xFFFFFFFF

# How long a program may take to show its window, and how often its pixels
# are read while it has not painted.
WINDOW_TIMEOUT_SECONDS = 30
PAINT_POLL_SECONDS = 0.001
TITLE_POLL_SECONDS = 0.001
# The pause between one program's end and the next start.
SETTLE_SECONDS = 0.3


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    # Xlib's XEvent is a union padded to 24 longs.
    _fields_ = [("type", ctypes.c_int), ("map", XMapEvent), ("pad", ctypes.c_long * 24)]


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, up to those read here.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


def load_xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XConnectionNumber.argtypes = [ctypes.c_void_p]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)] + \
        [ctypes.POINTER(ctypes.c_int)] * 2 + [ctypes.POINTER(ctypes.c_uint)] * 4
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    return xlib


# A window that goes away between an event and a request must not end this
# program, as Xlib's default error handler would: errors are counted instead.
ERROR_HANDLER_TYPE = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
x_errors = 0


@ERROR_HANDLER_TYPE
def count_x_error(_display, _event):
    global x_errors
    x_errors += 1
    return 0


class Screen:
    def __init__(self):
        self.xlib = load_xlib()
        self.xlib.XSetErrorHandler(count_x_error)
        self.display = self.xlib.XOpenDisplay(None)
        if not self.display:
            sys.exit("window_startup: cannot open the X display (is DISPLAY set?)")
        root = self.xlib.XDefaultRootWindow(self.display)
        self.xlib.XSelectInput(self.display, root, SUBSTRUCTURE_NOTIFY_MASK)
        self.xlib.XSync(self.display, 1)  # drops what happened before
        self.fd = self.xlib.XConnectionNumber(self.display)

    def title(self, window):
        name = ctypes.c_char_p()
        if not self.xlib.XFetchName(self.display, window, ctypes.byref(name)) or not name.value:
            return None
        text = name.value.decode("utf-8", "replace")
        self.xlib.XFree(name)
        return text

    def wait_for_map(self, title, deadline):
        """The window titled title that the X server maps next, and when it
        was mapped. The title is read again until it matches, in case it is
        set after the window is mapped."""
        event, mapped = XEvent(), []
        while time.monotonic() < deadline:
            while self.xlib.XPending(self.display):
                self.xlib.XNextEvent(self.display, ctypes.byref(event))
                if event.type == MAP_NOTIFY:
                    mapped.append((event.map.window, time.monotonic()))
            for window, when in mapped:
                if self.title(window) == title:
                    return window, when
            select.select([self.fd], [], [], TITLE_POLL_SECONDS)
        return None, None

    def colours(self, window):
        """How many distinct pixel values the window shows; 0 if unreadable."""
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        width, height, border, depth = (ctypes.c_uint() for _ in range(4))
        if not self.xlib.XGetGeometry(self.display, window, ctypes.byref(root), ctypes.byref(x),
                                      ctypes.byref(y), ctypes.byref(width), ctypes.byref(height),
                                      ctypes.byref(border), ctypes.byref(depth)):
            return 0
        image = self.xlib.XGetImage(self.display, window, 0, 0, width, height, ALL_PLANES, Z_PIXMAP)
        if not image:
            return 0
        try:
            contents = image.contents
            if contents.bits_per_pixel != 32:
                sys.exit("window_startup: needs a 24-bit X screen (32 bits a pixel)")
            data = ctypes.string_at(contents.data, contents.bytes_per_line * contents.height)
            return len(set(memoryview(data).cast("I")))
        finally:
            self.xlib.XDestroyImage(image)

    def wait_for_paint(self, window, deadline):
        while time.monotonic() < deadline:
            if self.colours(window) > 1:
                return True
            time.sleep(PAINT_POLL_SECONDS)
        return False


def process_memory_kib(pid):
    """VmRSS and VmHWM (peak) of a process, in KiB, from /proc."""
    fields = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "VmHWM"):
                fields[name] = int(value.split()[0])
    return fields["VmRSS"], fields["VmHWM"]


def process_cpu_ms(pid):
    """Processor time the process has used so far, all its threads, in ms:
    the scheduler's own count (schedstat), far less disturbed by other work
    on the machine than the time on the clock."""
    total = 0
    for thread in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{thread}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
        except FileNotFoundError:  # the thread has ended
            pass
    return total / 1e6


def window_pid(window):
    result = subprocess.run(["xdotool", "getwindowpid", str(window)], capture_output=True, text=True)
    return int(result.stdout) if result.returncode == 0 and result.stdout.strip() else None


def run_once(screen, title, command):
    """(ms to map, ms to paint, processor ms, VmRSS MiB, VmHWM MiB) of one
    start."""
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = start + WINDOW_TIMEOUT_SECONDS
        window, mapped = screen.wait_for_map(title, deadline)
        if window is None:
            sys.exit(f"window_startup: no window titled {title!r} from {command[-1]}")
        if not screen.wait_for_paint(window, deadline):
            sys.exit(f"window_startup: the window of {command[-1]} did not paint")
        painted = time.monotonic()
        pid = window_pid(window) or process.pid
        cpu = process_cpu_ms(pid)
        rss, peak = process_memory_kib(pid)
        if pid != process.pid:
            os.kill(pid, signal.SIGKILL)
    finally:
        process.kill()
        process.wait()
    # The Wine server tidies up after the ended process; the next start
    # should not share the processor with that.
    time.sleep(SETTLE_SECONDS)
    return (1000 * (mapped - start), 1000 * (painted - start), cpu, rss / 1024, peak / 1024)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("runs", type=int)
    parser.add_argument("--program", nargs=4, action="append", required=True,
                        metavar=("LABEL", "TITLE", "LOADER", "EXE"))
    args = parser.parse_args()
    screen = Screen()
    programs = args.program
    for _, title, loader, exe in programs:
        run_once(screen, title, [loader, exe])
    results = {label: [] for label, *_ in programs}
    for round_number in range(args.runs):
        # Every other round in reverse order, so that no program always
        # follows the same one.
        order = programs if round_number % 2 == 0 else programs[::-1]
        for label, title, loader, exe in order:
            results[label].append(run_once(screen, title, [loader, exe]))

    figures = ("mapped ms", "painted ms", "CPU ms", "VmRSS MiB", "VmHWM MiB")
    medians = {label: [statistics.median(run[i] for run in runs) for i in range(len(figures))]
               for label, runs in results.items()}
    print(f"Median of {args.runs} runs")
    print(f"{'':24}" + "".join(f"{name:>12}" for name in figures))
    for label, values in medians.items():
        print(f"{label:24}" + "".join(f"{v:12.1f}" for v in values))
    subject = programs[-1][0]
    for label, values in list(medians.items())[:-1]:
        print(f"{'  / ' + label:24}" +
              "".join(f"{v / b:11.2f}x" for v, b in zip(medians[subject], values)))
    if x_errors:
        print(f"({x_errors} X errors from windows that went away while read)")


if __name__ == "__main__":
    main()
