#!/usr/bin/env python3
"""Plays Ortambra like a pupil, through the accessibility bus that screen readers use.

    play.py PROGRAM [--screen WxH ...]

For each screen size (800x600 and 1024x768 unless told) it starts a private X server (Xvfb),
a D-Bus session with the AT-SPI bus, and the program; confirms the resolution message,
registers, checks the windows of the layout set that screen calls for, plays one exercise with
a wrong and then the right answer, opens the results and leaves with "Esci". Keys are typed and
buttons pressed through AT-SPI; window sizes are read from the X server.

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; under CI=true that fails).
"""

import argparse
import contextlib
import datetime
import itertools
import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import zlib

SKIP = 77
BUS_LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")
TIMEOUT = float(os.environ.get("ORTAMBRA_E2E_TIMEOUT", "20"))  # seconds for any one wait

# Client size and position in pixels (the design twips / 15) of each window, by layout set.
# Without a window manager an X window is exactly the client area, placed where the program
# asked; the main window's X window also holds its menu bar, above the client area.
WINDOWS = {
    "compact": {
        "Puzzle": ((312, 206), (50, 51)),
        "Form_Dati": ((738, 516), (54, 53)),
        "Zorvano": ((742, 497), (34, 82)),
        "Form_Istruzioni": ((625, 484), (89, 51)),
        "Calcolatrice": ((361, 133), (382, 356)),
    },
    "standard": {
        "Puzzle": ((312, 206), (50, 51)),
        "Form_Dati": ((792, 566), (123, 74)),
        "Zorvano": ((880, 547), (113, 82)),
        "Form_Istruzioni": ((625, 484), (173, 63)),
        "Calcolatrice": ((361, 133), (531, 619)),
    },
}
MAIN_BUTTONS = ["Soluzione", "Parziale", "Clicca per Facile", "Via", "Stampa", "Risultati",
                "Calcolatore", "Esci"]
WEEKDAYS = ["lunedì", "martedì", "mercoledì", "giovedì", "venerdì", "sabato", "domenica"]
# What a pupil can act on; each must have a name a screen reader can say.
USABLE_ROLES = ("push button", "text", "list", "combo box", "menu", "menu item", "check box",
                "radio button", "spin button")
# The strip of large keys a board (--lavagna) draws beside the boxes, and the keys that type
# what is not named after its own character.
ON_SCREEN_KEYS = "Tasti sullo schermo"
KEY_NAMES = {" ": "Spazio", "'": "Apostrofo", "\b": "Cancella"}


class Failure(Exception):
    pass


def role_of(acc):
    """The object's role by the names these scripts use: AT-SPI 2.56 (Debian 13) calls a push
    button "button", earlier releases "push button"."""
    role = acc.getRoleName()
    return "push button" if role == "button" else role


def check(condition, message):
    if not condition:
        raise Failure(message)


def log(message):
    print(f"e2e: {message}", flush=True)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it returns something true and returns that; fails after timeout."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except Exception as error:  # also the bus between two states of a window
            last_error = error
        if time.monotonic() > deadline:
            detail = f" (last: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout:g} s waiting for {what}{detail}")
        time.sleep(0.05)


# ---------------------------------------------------------------------------------------------
# The series: a rhythm of 2 or 3 steps, each adding or multiplying by 1 … 10, repeated over six
# numbers; the start value is 0 before a sum and 1 before a product, so the first number is the
# first step. The pupil sees five numbers and finds the missing one.

def series_of(ops, steps):
    values, current = [], (0 if ops[0] == "+" else 1)
    for k in range(6):
        j = k % len(ops)
        current = current + steps[j] if ops[j] == "+" else current * steps[j]
        values.append(current)
    return values


def missing_candidates(shown):
    """The values the hidden entry (None) of shown can take, over every rhythm that fits."""
    hidden = shown.index(None)
    found = set()
    for rhythm in (2, 3):
        for ops in itertools.product("+x", repeat=rhythm):
            for steps in itertools.product(range(1, 11), repeat=rhythm):
                values = series_of(ops, steps)
                if all(s is None or s == v for s, v in zip(shown, values)):
                    found.add(values[hidden])
    return sorted(found)


def self_check_series():
    """The solver itself, on a Doppio and a Triplo series, before it judges the program."""
    check(series_of("++x", (2, 1, 3)) == [2, 3, 9, 11, 12, 36], "series model, Doppio")
    check(series_of("x+", (2, 3)) == [2, 5, 10, 13, 26, 29], "series model, Triplo")
    check(missing_candidates([2, 3, None, 11, 12, 36]) == [9], "missing number, Doppio")
    check(missing_candidates([None, 5, 10, 13, 26, 29]) == [2], "missing number, first")


# ---------------------------------------------------------------------------------------------
# Processes. The outer process starts Xvfb and dbus-run-session each in a session of its own;
# inside the D-Bus session the accessibility bus and the program each get a process group of
# their own in that session. Whatever happens, each group is ended, and at the end everything
# left in the two sessions too. A helper also gets SIGTERM if the process that started it dies.

PR_SET_PDEATHSIG = 1


def end_with_parent():
    import ctypes
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def members(field, number):
    """Live processes (zombies left for init to reap are not) whose process group (field 2)
    or session (field 3) is number."""
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        if int(fields[field]) == number and fields[0] not in ("Z", "X"):
            found.append(int(entry))
    return found


def stop(process, whole_session=False, grace=5.0):
    """Ends a process and its process group, or its whole session: SIGTERM, then SIGKILL."""
    if process is None:
        return
    field = 3 if whole_session else 2
    for sig in (signal.SIGTERM, signal.SIGKILL):
        for pid in members(field, process.pid):
            try:
                os.kill(pid, sig)
            except ProcessLookupError:
                pass
        deadline = time.monotonic() + grace
        while process.poll() is None or members(field, process.pid):
            if time.monotonic() > deadline:
                break
            time.sleep(0.02)
        else:
            return
    print(f"e2e: processes {members(field, process.pid)} did not stop", file=sys.stderr)


def start_xvfb(width, height, log_file, options=()):
    """Starts Xvfb on a display number it picks itself; returns the process and the display."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
         "-nolisten", "tcp", "-noreset", *options],
        pass_fds=(write_end,), start_new_session=True, preexec_fn=end_with_parent,
        stdin=subprocess.DEVNULL,
        stdout=log_file, stderr=log_file)
    os.close(write_end)
    try:
        os.set_blocking(read_end, False)
        received = b""
        # Xvfb writes its display number once it accepts connections.
        deadline = time.monotonic() + TIMEOUT
        while not received.endswith(b"\n"):
            check(xvfb.poll() is None, f"Xvfb exited with status {xvfb.returncode}")
            check(time.monotonic() < deadline, "Xvfb did not report its display")
            try:
                chunk = os.read(read_end, 64)
                check(chunk != b"", "Xvfb closed its display pipe")
                received += chunk
            except BlockingIOError:
                time.sleep(0.02)
        return xvfb, ":" + received.decode().strip()
    except BaseException:
        stop(xvfb, whole_session=True)
        raise
    finally:
        os.close(read_end)


def run_on_display(label, width, height, inner_argv, prepare=None, timeout=TIMEOUT * 6,
                   xvfb_options=()):
    """Runs inner_argv inside a fresh D-Bus session on a fresh X server of that size, after
    prepare(env, log_file), which may start more of the desktop and returns the processes it
    started; True when inner_argv passed. Everything started is stopped whatever happens."""
    xvfb = session = None
    started_more = []
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="ortambra-e2e-") as scratch, \
            open(os.path.join(scratch, "log"), "w+") as helpers_log:
        passed = False
        try:
            xvfb, display = start_xvfb(width, height, helpers_log, xvfb_options)
            log(f"{label}: X server on display {display}")
            runtime = os.path.join(scratch, "runtime")
            os.mkdir(runtime, 0o700)
            env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime,
                       XDG_CONFIG_HOME=os.path.join(scratch, "config"))
            for inherited in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
                env.pop(inherited, None)
            if prepare:
                prepare(env, helpers_log, started_more)
            # The session bus and every helper of the accessibility bus live in this group.
            session = subprocess.Popen(
                ["dbus-run-session", "--", *inner_argv],
                env=env, start_new_session=True, preexec_fn=end_with_parent,
                stdin=subprocess.DEVNULL, stderr=helpers_log)
            try:
                passed = session.wait(timeout=timeout) == 0
            except subprocess.TimeoutExpired:
                print(f"e2e: {label}: the session did not end in time", file=sys.stderr)
        except Failure as error:
            print(f"e2e: {label}: FAILED: {error}", file=sys.stderr)
        finally:
            stop(session, whole_session=True)
            for process in reversed(started_more):
                stop(process, whole_session=True)
            stop(xvfb, whole_session=True)
        if not passed:
            # What the program, the buses and the X server said, for the diagnosis.
            helpers_log.seek(0)
            sys.stderr.write(helpers_log.read())
        log(f"{label}: {'passed' if passed else 'FAILED'} in {time.monotonic() - started:.1f} s")
        return passed


def run_screen(program, width, height, inner_options=(), script=__file__, **display_options):
    """One whole game on a fresh X server and D-Bus session, played by the inner part of
    script (`script --inner PROGRAM --screen WxH`); True when it passed. inner_options go to
    that inner part, display_options to run_on_display."""
    return run_on_display(f"{width}x{height}", width, height,
                          [sys.executable, os.path.abspath(script), "--inner", program,
                           "--screen", f"{width}x{height}", *inner_options], **display_options)


def missing_tools():
    missing = [tool for tool in ("Xvfb", "dbus-run-session", "xwininfo") if not shutil.which(tool)]
    if not any(os.access(p, os.X_OK) for p in BUS_LAUNCHERS):
        missing.append("at-spi-bus-launcher (at-spi2-core)")
    try:
        import pyatspi  # noqa: F401  (only whether it imports)
    except ImportError:
        missing.append(f"pyatspi for {sys.executable} (python3-pyatspi)")
    return missing


def not_run_status(name, reason):
    """The status of a test that cannot run here: a skip (77), except under CI=true, where
    everything it needs must be there and a missing piece fails the run."""
    if os.environ.get("CI") == "true":
        print(f"{name}: FAILED, {reason}", file=sys.stderr)
        return 1
    print(f"{name}: SKIPPED, {reason}")
    return SKIP


def cannot_run(name, program, missing):
    """The exit status when the test cannot run (the program is no executable, or tools are
    missing), or None when it can."""
    if not (os.path.isfile(program) and os.access(program, os.X_OK)):
        print(f"{name}: {program} is not an executable program", file=sys.stderr)
        return 1
    return not_run_status(name, "missing " + ", ".join(missing)) if missing else None


def outer(args):
    program = os.path.abspath(args.program)
    status = cannot_run("e2e", program, missing_tools())
    if status is not None:
        return status
    self_check_series()
    results = []
    for width, height in args.screen or [(800, 600), (1024, 768)]:
        results.append(run_screen(program, width, height))
    return 0 if all(results) else 1


# ---------------------------------------------------------------------------------------------
# Inside the D-Bus session: the accessibility bus, the program, and the pupil.

class Desktop:
    """The program's accessible objects, looked up afresh at every call."""

    def __init__(self, pyatspi, process, pid=None):
        self.at = pyatspi
        self.process = process
        self.pid = pid or process.pid  # the program's own, when a tracer started it

    def app(self):
        desktop = self.at.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.pid:
                return app
        return None

    def showing(self, acc):
        return acc.getState().contains(self.at.STATE_SHOWING)

    def descendants(self, acc, only_showing=True):
        for i in range(acc.childCount):
            child = acc.getChildAtIndex(i)
            if child is None or (only_showing and not self.showing(child)):
                continue
            yield child
            yield from self.descendants(child, only_showing)

    def window(self, caption):
        """The showing top-level window with that caption, or None."""
        app = self.app()
        if app is None:
            return None
        found = [w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
                 if w is not None and w.name == caption and self.showing(w)]
        check(len(found) <= 1, f"{len(found)} windows with caption {caption!r} are showing")
        return found[0] if found else None

    def wait_window(self, caption):
        return wait_for(f"the window {caption!r}", lambda: self.window(caption))

    def wait_closed(self, caption):
        wait_for(f"the window {caption!r} to close", lambda: self.window(caption) is None)

    def controls(self, window, role, name=None):
        return [c for c in self.descendants(window)
                if role_of(c) == role and (name is None or c.name == name)]

    def control(self, window, role, name):
        found = self.controls(window, role, name)
        check(len(found) == 1, f"{len(found)} showing {role}s named {name!r} in {window.name!r}")
        return found[0]

    def wait_control(self, window, role, name):
        return wait_for(f"a {role} named {name!r} in {window.name!r}",
                        lambda: self.controls(window, role, name))[0]

    def box(self, caption):
        """(width, height, left, top) of the window with that caption, as the X server has it."""
        return x_window(caption)

    def extents(self, acc):
        box = acc.queryComponent().getExtents(self.at.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    def press(self, acc):
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("Press" in names, f"{acc.name!r} cannot be pressed (actions {names})")
        check(acc.getState().contains(self.at.STATE_ENABLED), f"{acc.name!r} is disabled")
        action.doAction(names.index("Press"))

    def click(self, acc):
        """Puts the focus in a box, as a click into it does."""
        check(acc.queryComponent().grabFocus(), f"{acc.name!r} does not take the focus")

    def text(self, acc):
        return acc.queryText().getText(0, -1)

    def focused(self, acc):
        return acc.getState().contains(self.at.STATE_FOCUSED)

    def enter(self):
        self.at.Registry.generateKeyboardEvent(0xFF0D, None, self.at.KEY_SYM)  # XK_Return

    def type_into(self, box, text):
        """Types text on the keyboard into box once it holds the focus; waits until it shows."""
        wait_for(f"the focus in {box.name!r}", lambda: self.focused(box))
        before = self.text(box)
        self.at.Registry.generateKeyboardEvent(0, text, self.at.KEY_STRING)
        wait_for(f"{text!r} typed into {box.name!r}", lambda: self.text(box) == before + text)

    def tree(self, acc, depth=0):
        """The showing objects under acc, one a line, for a failure report."""
        try:
            line = f"{'  ' * depth}{acc.getRoleName()} {acc.name!r}"
            if depth:
                line += f" {self.extents(acc)}"
            lines = [line]
            for child in (acc.getChildAtIndex(i) for i in range(acc.childCount)):
                if child is not None and self.showing(child):
                    lines.extend(self.tree(child, depth + 1))
            return lines
        except Exception as error:
            return [f"{'  ' * depth}? {error!r}"]


def window_of(acc):
    while acc.parent.getRoleName() != "application":
        acc = acc.parent
    return acc


class KeysDesktop(Desktop):
    """Types on the program's on-screen keys (--lavagna) by pressing them: no key event comes from
    the test. A backspace ("\\b") in a text is a tap on Cancella."""
    typed = None  # the box typed into last

    def keys(self, box):
        window = window_of(box)
        strips = [c for c in self.descendants(window) if c.name == ON_SCREEN_KEYS]
        check(len(strips) == 1, f"{len(strips)} strips of on-screen keys in {window.name!r}")
        return strips[0]

    def type_into(self, box, text):
        wait_for(f"the focus in {box.name!r}", lambda: self.focused(box))
        self.typed = box
        keys = {key.name: key for key in self.controls(self.keys(box), "push button")}
        for char in text:
            lower = "Maiuscole" in keys  # the case key is named after the case it switches to
            if char.isalpha() and char.islower() != lower:
                toggle = keys.pop("Maiuscole" if lower else "Minuscole")
                self.press(toggle)
                switched = "Minuscole" if lower else "Maiuscole"
                wait_for(f"the case key to read {switched!r}", lambda: toggle.name == switched)
                keys[switched] = toggle
            name = KEY_NAMES.get(char, char.upper())
            check(name in keys, f"no on-screen key {name!r} beside {box.name!r}")
            before = self.text(box)
            self.press(keys[name])
            after = before[:-1] if char == "\b" else before + char
            wait_for(f"{char!r} tapped into {box.name!r}, reading {after!r}",
                     lambda: self.text(box) == after)

    def enter(self):
        """Invio on the keys of the window typed in last. Once Invio has taken the focus on from
        the last box to a button ("Conferma"), Invio has nothing to type into: the pupil taps the
        button."""
        if self.focused(self.typed):
            self.press(self.control(self.keys(self.typed), "push button", "Invio"))
            return
        window = window_of(self.typed)
        buttons = [b for b in self.controls(window, "push button") if self.focused(b)]
        check(len(buttons) == 1, f"{len(buttons)} focused buttons in {window.name!r}")
        self.press(buttons[0])


def x_window(caption):
    """(width, height, left, top) of the one viewable X window with that caption."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True,
                          check=True, timeout=TIMEOUT).stdout
    found = []
    for window_id in re.findall(r"^\s+(0x[0-9a-f]+) \"" + re.escape(caption) + r"\":", tree, re.M):
        info = subprocess.run(["xwininfo", "-id", window_id], capture_output=True, text=True,
                              check=True, timeout=TIMEOUT).stdout
        if "Map State: IsViewable" in info:
            found.append(tuple(int(re.search(field + r":\s+(-?\d+)", info).group(1)) for field in
                               ("Width", "Height", "Absolute upper-left X",
                                "Absolute upper-left Y")))
    check(len(found) == 1, f"{len(found)} viewable X windows named {caption!r}")
    return found[0]


def screen_pixels(area=None):
    """The RGB bytes of the screen, or of the rectangle (x, y, width, height) of it, and their
    width and height."""
    from Xlib import X, display
    screen = display.Display()
    try:
        root = screen.screen().root
        geometry = root.get_geometry()
        x, y, w, h = area or (0, 0, geometry.width, geometry.height)
        x, y = max(0, x), max(0, y)
        w, h = min(w, geometry.width - x), min(h, geometry.height - y)
        raw = root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data  # BGRX, 4 bytes a pixel
    finally:
        screen.close()
    rgb = bytearray(w * h * 3)
    rgb[0::3], rgb[1::3], rgb[2::3] = raw[2::4], raw[1::4], raw[0::4]
    return bytes(rgb), w, h


def write_png(path, rgb, width, height):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    rows = b"".join(b"\0" + rgb[y * width * 3:(y + 1) * width * 3] for y in range(height))
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height,
                                                                     8, 2, 0, 0, 0)) +
                  chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def check_window(d, layout, caption, menu_height=0):
    """The window with that caption has the client size and position of the layout set (its
    size alone where the window system tells no position). A board (layout None) draws them at a
    factor of its screen's, which desktop.py checks."""
    if layout is None:
        return
    (width, height), (left, top) = WINDOWS[layout][caption]
    actual = d.box(caption)
    client = (actual[0], actual[1] - menu_height)
    check(client == (width, height),
          f"{caption!r}: client area {client[0]}x{client[1]}, expected {width}x{height}")
    check(actual[2] is None or actual[2:] == (left, top),
          f"{caption!r}: placed at {actual[2]},{actual[3]}, expected {left},{top}")


def check_names(d, window):
    """Every control a pupil can use in window, shown now or later, has an accessible name."""
    unnamed = [f"{role_of(c)} at {d.extents(c)}" for c in d.descendants(window, False)
               if role_of(c) in USABLE_ROLES and not c.name.strip()]
    check(not unnamed, f"controls without an accessible name in {window.name!r}: {unnamed}")


def confirm_resolution(d, width, height):
    message = d.wait_window(" Schermo attuale")
    d.control(message, "label", f"La definizione dello schermo attuale e' {width} X {height}")
    d.box(" Schermo attuale")
    check_names(d, message)
    d.press(d.control(message, "push button", "OK"))
    d.wait_closed(" Schermo attuale")


def register(d, layout, name, classe):
    registration = d.wait_window("Form_Dati")
    check(d.window("Puzzle") is not None, "the background window is not showing")
    check_window(d, layout, "Puzzle")
    check_window(d, layout, "Form_Dati")
    for label in ("Benvenuto nel gioco dei numeri", "Scrivi il tuo nome:", "e  la tua classe"):
        d.control(registration, "label", label)
    check_names(d, registration)
    name_box = d.control(registration, "text", "Scrivi il tuo nome")
    class_box = d.control(registration, "text", "Scrivi la tua classe")
    wait_for("the focus in the name box as the window opens", lambda: d.focused(name_box))

    # The rules take the place of the boxes, and go again.
    d.press(d.control(registration, "push button", "Come si gioca"))
    d.wait_control(registration, "label", "In ogni esercizio manca un numero che dovrai inserire.")
    check(not d.controls(registration, "push button", "Conferma"), "'Conferma' beside the rules")
    d.press(d.control(registration, "push button", "Chiudi"))
    confirm = d.wait_control(registration, "push button", "Conferma")

    # Back in the name box, Enter moves to the class, then to "Conferma", and then confirms.
    d.click(name_box)
    d.type_into(name_box, name)
    d.enter()
    d.type_into(class_box, classe)
    d.enter()
    wait_for("the focus on 'Conferma'", lambda: d.focused(confirm))
    d.enter()
    main = d.wait_window("Zorvano")
    d.wait_closed("Form_Dati")
    return main


def menu_bar(d, main):
    bars = [c for c in d.descendants(main) if c.getRoleName() == "menu bar"]
    check(len(bars) == 1, f"{len(bars)} menu bars in the main window")
    return bars[0]


def menu_entry(d, main, name):
    entries = [m for m in d.descendants(menu_bar(d, main), False)
               if m.getRoleName() == "menu item" and m.name == name]
    check(len(entries) == 1, f"{len(entries)} menu entries {name!r}")
    return entries[0]


def check_main(d, main, layout):
    bar = menu_bar(d, main)
    menus = [m.name for m in d.descendants(bar)]
    # The "?" entry is read by its spoken name.
    check(menus == ["Difficoltà", "Complessità", "Istruzioni", "Informazioni"],
          f"the menu bar reads {menus}")
    check_window(d, layout, "Zorvano", menu_height=d.extents(bar)[3])
    d.control(main, "label", "Ortambra")
    d.control(main, "label", "Clicca Via per iniziare")
    check(len(d.controls(main, "label", "?")) == 6, "the series row does not show six '?'")
    buttons = sorted((b for b in d.controls(main, "push button")
                      if b.parent.name != ON_SCREEN_KEYS), key=lambda b: d.extents(b)[1::-1])
    check([b.name for b in buttons] == MAIN_BUTTONS,
          f"the main window's buttons are {[b.name for b in buttons]}, expected {MAIN_BUTTONS}")
    check_names(d, main)


def visit_other_windows(d, main, layout, calculate=None):
    """The instructions and the calculator open in the same set, and close again; calculate(d,
    calculator), if given, uses the calculator before it closes."""
    d.press(menu_entry(d, main, "Istruzioni"))
    instructions = d.wait_window("Form_Istruzioni")
    check_window(d, layout, "Form_Istruzioni")
    d.control(instructions, "label", "Istruzioni")
    check_names(d, instructions)
    d.press(d.control(instructions, "push button", "Chiudi"))
    d.wait_closed("Form_Istruzioni")

    d.press(d.control(main, "push button", "Calcolatore"))
    calculator = d.wait_window("Calcolatrice")
    check_window(d, layout, "Calcolatrice")
    d.control(calculator, "label", "Calcolatrice")
    check_names(d, calculator)
    if calculate:
        calculate(d, calculator)
    d.press(d.control(calculator, "push button", "Esci"))
    d.wait_closed("Calcolatrice")


def read_series(d, main, box):
    """The six numbers of the series row, left to right, with None where the answer box is."""
    top = d.extents(box)[1] if box is not None else None
    entries = []
    for label in d.controls(main, "label"):
        x, y, _, height = d.extents(label)
        # The number labels are the big digit-only labels; their row is the answer box's row.
        if re.fullmatch(r"\d+", label.name) and height >= 30 and top in (None, y):
            entries.append((x, int(label.name)))
    if box is not None:
        entries.append((d.extents(box)[0], None))
    entries.sort(key=lambda entry: entry[0])
    check(len(entries) == 6, f"the series row holds {len(entries)} entries: {entries}")
    return [value for _, value in entries]


def answer(d, main, box, number):
    """Types number and Enter in the answer box; returns the feedback, "Indovinato!" when the
    box hid (the answer was right) and the wrong-answer caption when it emptied."""
    d.type_into(box, str(number))
    d.enter()
    # The feedback is written before the box empties or hides.
    wait_for(f"the answer {number} to be taken", lambda: not d.showing(box) or d.text(box) == "")
    feedback = "Indovinato!" if not d.showing(box) else f" {number}  Non è esatto!"
    try:
        wait_for(f"the feedback {feedback!r}", lambda: d.controls(main, "label", feedback),
                 timeout=2)
    except Failure:
        shown = [label.name for label in d.controls(main, "label")]
        raise Failure(f"after the answer {number} the feedback is not {feedback!r}; "
                      f"the labels read {shown}")
    return feedback


def play_exercise(d, main):
    """Starts an exercise, answers wrong once and then right; returns the right number and
    the count of wrong answers."""
    d.press(d.control(main, "push button", "Via"))
    d.wait_control(main, "label", "Esercizio n°  1")
    boxes = wait_for("the answer box",
                     lambda: d.controls(main, "text", "Scrivi il numero mancante"))
    check(len(boxes) == 1, f"{len(boxes)} answer boxes are showing")
    box = boxes[0]
    shown = read_series(d, main, box)
    hidden = shown.index(None)
    check(hidden < 5, f"the last number of the series is hidden: {shown}")
    candidates = missing_candidates(shown)
    check(candidates, f"no rhythm of sums and products makes the series {shown}")
    check(len(candidates) <= 10, f"the series {shown} fits too many rhythms: {candidates}")

    wrong = max(candidates) + 1
    check(answer(d, main, box, wrong) != "Indovinato!", f"the wrong answer {wrong} was taken")
    check(d.focused(box), "the answer box lost the focus after a wrong answer")

    right, wrong_answers = None, 1
    for candidate in candidates:  # one, unless the five numbers fit more than one rhythm
        if answer(d, main, box, candidate) == "Indovinato!":
            right = candidate
            break
        wrong_answers += 1
    check(right is not None, f"none of {candidates} was taken as the missing number of {shown}")
    wait_for("the answer box to hide", lambda: not d.controls(main, "text"))
    complete = read_series(d, main, None)
    check(complete == shown[:hidden] + [right] + shown[hidden + 1:],
          f"after the right answer the series reads {complete}; it was {shown}")
    d.control(main, "label", "Clicca Via per iniziare")
    log(f"series {shown}: answered {wrong} (wrong), then {right}")
    return right, wrong_answers


def check_results(d, main, compact, name, classe, right, wrong_answers):
    d.press(d.control(main, "push button", "Risultati"))
    summary = wait_for("the summary of the game",
                       lambda: [label for label in d.controls(main, "label")
                                if "\nEsercizi proposti:" in label.name])
    check(len(summary) == 1, f"{len(summary)} summary labels")
    lines = summary[0].name.split("\n")
    bassa, alta = (1, 0) if compact else (0, 1)
    expected = [f"{name} {classe}", "Esercizi proposti:  1", "Facilitati:  0",
                f" {bassa} Difficoltà Bassa;  0 Difficoltà Media;  {alta} Difficoltà Alta.",
                f"Tentativi errati:  {wrong_answers}", "Chiesto aiuto:  0 volte",
                "Zorvano indovinate:  0"]
    check(lines[1:] == expected, f"the summary reads {lines[1:]}, expected {expected}")
    today = datetime.date.today()
    dates = [f"{WEEKDAYS[day.weekday()]},{day:%d,%m,%Y}"
             for day in (today, today - datetime.timedelta(days=1))]  # the day may turn meanwhile
    check(lines[0] in dates, f"the summary is dated {lines[0]!r}, expected {dates[0]!r}")

    lists = wait_for("the list of the exercises", lambda: d.controls(main, "list"))
    rows = [c.name for c in d.descendants(lists[0], False)]
    for row in ("Nome: " + name, "Classe: " + classe, "Esercizio 1",
                f"Numero richiesto:  {right}", f"Tentativi errati:  {wrong_answers}"):
        check(row in rows, f"the list has no row {row!r}: {rows}")
    check_names(d, main)


def cancel_printing(d, main):
    """Opens the real print dialog with "Stampa" and leaves it with Escape."""
    app = d.app()
    known = {w.name for w in (app.getChildAtIndex(i) for i in range(app.childCount))
             if w is not None and d.showing(w)}

    def dialog():
        app = d.app()
        return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
                if w is not None and w.name not in known and d.showing(w)]

    d.press(d.control(main, "push button", "Stampa"))
    found = wait_for("the print dialog", dialog)
    check(len(found) == 1, f"{len(found)} windows opened on 'Stampa'")
    buttons = wait_for("the print dialog's buttons", lambda: d.controls(found[0], "push button"))
    d.click(buttons[-1])  # the keyboard goes to the dialog, whatever the window system does
    d.at.Registry.generateKeyboardEvent(0xFF1B, None, d.at.KEY_SYM)  # XK_Escape
    wait_for("the print dialog to close", lambda: not dialog())
    log(f"print dialog {found[0].name!r} cancelled")


def play(d, width, height, name="Anna", classe="3B", cancel_print=False, calculate=None,
         board=False):
    compact = width < 1024 and height < 768
    layout = None if board else "compact" if compact else "standard"
    confirm_resolution(d, width, height)
    main = register(d, layout, name, classe)
    check_main(d, main, layout)
    if compact:
        settings = ("Difficoltà Bassa\n(solo somme)", "Complessità: fino a 3")
    else:
        # The teacher picks the hardest mode and larger steps from the menus first.
        for entry in ("Somme e Prodotti", "Fino a Cinque"):
            d.press(menu_entry(d, main, entry))
        settings = ("Difficoltà Alta\n(somme e/o prodotti)", "Complessità: fino a 5")
    for caption in settings:
        d.wait_control(main, "label", caption)
    right, wrong_answers = play_exercise(d, main)
    check_results(d, main, compact, name, classe, right, wrong_answers)
    if cancel_print:
        cancel_printing(d, main)
    # Last, since without a window manager nothing gives the keyboard back to the main window
    # once the calculator hides.
    visit_other_windows(d, main, layout, calculate)
    d.press(d.control(main, "push button", "Esci"))


def start_accessibility_bus():
    """Starts the accessibility bus in this D-Bus session; returns its launcher once the bus
    has its name."""
    from gi.repository import Gio, GLib

    launcher = subprocess.Popen(
        [next(p for p in BUS_LAUNCHERS if os.access(p, os.X_OK)), "--launch-immediately",
         "--a11y=1"], process_group=0, preexec_fn=end_with_parent, stdin=subprocess.DEVNULL,
        stdout=sys.stderr)
    try:
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        wait_for("the accessibility bus", lambda: bus.call_sync(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
            Gio.DBusCallFlags.NONE, -1, None).unpack()[0])
        return launcher
    except BaseException:
        stop(launcher)
        raise


@contextlib.contextmanager
def accessibility_bus():
    """Inside a D-Bus session: the accessibility bus, stopped when the block ends."""
    launcher = start_accessibility_bus()
    try:
        yield
    finally:
        stop(launcher)


def program_env(extra_env=None):
    """The program's environment: its accessibility on, in Italian, with extra_env's
    variables."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LANG="it_IT.UTF-8", LANGUAGE="it")
    for name, value in (extra_env or {}).items():  # None leaves the variable out
        if value is None:
            env.pop(name, None)
        else:
            env[name] = value
    for name in [n for n in env if n.startswith("LC_")]:
        del env[name]  # the dates are checked in Italian
    return env


def start_program(command, env=None):
    """The program (a path, or a command that runs it) in a process group of its own."""
    return subprocess.Popen([command] if isinstance(command, str) else command,
                            env=env or program_env(), process_group=0,
                            preexec_fn=end_with_parent, stdin=subprocess.DEVNULL)


@contextlib.contextmanager
def program_on_bus(path, extra_env=None, strace_log=None, desktop=None):
    """Starts the program on the accessibility bus and yields its Desktop (or the given
    subclass of it); the program is stopped when the block ends, however it ends. With
    strace_log, the program runs under strace, and the addresses it may reach are written
    beside the log for the checker."""
    # Imported only now: on import it asks the session for the accessibility bus, and would
    # have one started of its own if ours were not there yet.
    import pyatspi
    env = program_env(extra_env)
    command = [path] if isinstance(path, str) else list(path)
    if strace_log:
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"  # no LSan under ptrace
        command = ["strace", "-f", "-qq", "-s", "256", "-e", "trace=%file,%network",
                   "-o", strace_log, "--"] + command
        from gi.repository import Gio
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        with open(strace_log + ".allowed", "w") as allowed:
            print(f"display {os.environ['DISPLAY']}", file=allowed)
            print(f"bus {os.environ['DBUS_SESSION_BUS_ADDRESS']}", file=allowed)
            print("bus " + bus.call_sync(
                "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None,
                Gio.DBusCallFlags.NONE, -1, None).unpack()[0], file=allowed)
    program = None
    try:
        program = start_program(command, env)
        d = (desktop or Desktop)(pyatspi, program, traced_child(program) if strace_log else None)
        wait_for("the program on the accessibility bus", d.app)
        yield d
    finally:
        stop(program)


def check_ends(process, when):
    """The program ends by itself, with status 0 (so that ASan's leak check counts)."""
    try:
        status = process.wait(timeout=TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"the program did not end {when}")
    check(status == 0, f"the program ended {when} with status {status}")


def report_failure(label, error, d):
    """Says what failed and, while the program still runs, what it shows."""
    print(f"e2e: {label}: FAILED: {error}", file=sys.stderr)
    dump_tree(d)


def dump_tree(d, program=None):
    """The program's accessibility tree on standard error, for a failure report."""
    if d is not None and d.process.poll() is None:
        try:
            print("\n".join(d.tree(d.app())), file=sys.stderr)
        except Exception as dump_error:
            print(f"(no accessibility tree: {dump_error})", file=sys.stderr)


def in_session(inside):
    """Runs inside(), which returns True when it passed; ends with dbus-run-session, which ends
    with the outer process. Returns the exit status."""
    parent = os.getppid()
    end_with_parent()
    if os.getppid() != parent:
        return 1
    return 0 if inside() else 1


def inner(args):
    width, height = args.screen[0]
    return in_session(lambda: play_inside(args.program, width, height, args.strace,
                                          board=args.lavagna) == 0)


def play_inside(program, width, height, strace_log=None, extra_env=None, desktop=None,
                board=False, **play_options):
    """One whole game on the bus of this session; the exit status. On a board (--lavagna) the
    boxes are typed into with the program's on-screen keys."""
    if board:
        program, desktop = [program, "--lavagna"], desktop or KeysDesktop
    try:
        with accessibility_bus(), \
                program_on_bus(program, extra_env, strace_log, desktop) as d:
            try:
                play(d, width, height, cancel_print=strace_log is not None, board=board,
                     **play_options)
                check_ends(d.process, "after 'Esci'")
                return 0
            except Failure as error:
                report_failure(f"{width}x{height}", error, d)  # before the program is stopped
                return 1
    except Failure as error:
        report_failure(f"{width}x{height}", error, None)
        return 1


def traced_child(tracer):
    """The pid of the program a tracer started."""
    def child():
        try:
            with open(f"/proc/{tracer.pid}/task/{tracer.pid}/children") as children:
                found = children.read().split()
        except OSError:
            return None
        return int(found[0]) if found else None
    return wait_for("the traced program", child)


def screen_size(text):
    match = re.fullmatch(r"(\d+)x(\d+)", text)
    if not match:
        raise argparse.ArgumentTypeError(f"{text!r} is not WIDTHxHEIGHT")
    return int(match.group(1)), int(match.group(2))


def exit_on_sigterm(*_):
    sys.exit(1)  # runs the finally clauses, which stop what this process started


def command_line(doc, outer, inner):
    """Runs a script of PROGRAM [--screen WxH ...]: outer() starts a session for each screen,
    in which the script runs again with --inner and inner() plays."""
    signal.signal(signal.SIGTERM, exit_on_sigterm)
    parser = argparse.ArgumentParser(description=doc.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("--screen", action="append", type=screen_size,
                        help="WIDTHxHEIGHT; repeat for more screens")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--strace", help=argparse.SUPPRESS)
    parser.add_argument("--lavagna", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    return inner(args) if args.inner else outer(args)


def main():
    return command_line(__doc__, outer, inner)


if __name__ == "__main__":
    sys.exit(main())
