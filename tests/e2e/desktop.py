#!/usr/bin/env python3
"""Ortambra on a school desktop: a window manager that draws frames, a panel, display scaling.

    desktop.py PROGRAM

For each desktop (800x480, 800x600, 1024x600 and 1024x768, and 1366x768 at QT_SCALE_FACTOR=1.5)
it starts a private X server (Xvfb), the openbox window manager, a dock that reserves a 30-pixel
strip at the bottom of the screen, a D-Bus session with the AT-SPI bus, and the program. It opens
every window of the layout set (message, registration, main, instructions, calculator, About) and
checks that each one, frame included, is wholly inside the work area; that each client area has
its design size, or where that does not fit the design's proportions at just the size that fits;
and that it sits at its design position or the nearest one inside the work area. An exercise is
played by mouse clicks on the buttons as drawn (the answers typed), the calculator's result
clicked into the answer box. Alt+F4 on the registration window must end the program before the game, and only hide the
window after it.

A board (1920x1080 with --lavagna) draws the windows of the set larger by one factor, as large as
the work area allows, each at its design position times that factor or the nearest one inside the
work area, the background window over the work area; the main window fills at least 90 % of its
width or height. The same windows are used by mouse clicks alone: the names, the answers and the
calculator's numbers are tapped on the program's on-screen keys, no key event is sent.

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; under CI=true that fails).
"""

import argparse
import functools
import os
import re
import shutil
import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # importing play.py leaves nothing in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import play  # noqa: E402
from play import Failure, check, wait_for, TIMEOUT  # noqa: E402

PANEL = 30
DESKTOPS = [(800, 480, None, False), (800, 600, None, False), (1024, 600, None, False),
            (1024, 768, None, False), (1366, 768, "1.5", False), (1920, 1080, None, True)]
# Design client size and position in logical pixels, by layout set (as in play.WINDOWS).
WINDOWS = play.WINDOWS


def x_info(window_id):
    info = subprocess.run(["xwininfo", "-id", window_id], capture_output=True, text=True,
                          check=True, timeout=TIMEOUT).stdout
    values = [int(re.search(field + r":\s+(-?\d+)", info).group(1)) for field in
              ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height")]
    return values, "Map State: IsViewable" in info


def viewable(window_id):
    """Whether the window is on screen; a window that no longer exists is not."""
    try:
        return x_info(window_id)[1]
    except subprocess.CalledProcessError:
        return False


def x_property(window_id, name):
    """The numbers of a CARDINAL property, or None while it is not set."""
    out = subprocess.run(["xprop", *(["-root"] if window_id is None else ["-id", window_id]),
                          name], capture_output=True, text=True, timeout=TIMEOUT).stdout
    if "=" not in out:
        return None
    return [int(v) for v in re.findall(r"-?\d+", out.split("=", 1)[1])]


def viewable_window(caption):
    """The X id of the one viewable client window with that caption, or None."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True,
                          check=True, timeout=TIMEOUT).stdout
    found = [w for w in re.findall(r"^\s+(0x[0-9a-f]+) \"" + re.escape(caption) + r"\":", tree,
                                   re.M) if x_info(w)[1]]
    check(len(found) <= 1, f"{len(found)} viewable X windows named {caption!r}")
    return found[0] if found else None


def fitted(wanted, size, frame, area):
    """Where the client area goes: as the program's rule, in screen pixels."""
    left, right, top, bottom = frame
    outer = [wanted[0] - left, wanted[1] - top, size[0] + left + right, size[1] + top + bottom]
    at = []
    for axis in (0, 1):
        start = min(outer[axis], area[axis] + area[axis + 2] - outer[axis + 2])
        at.append(max(area[axis], start))
    return at[0] + left, at[1] + top


class Screen:
    def __init__(self, width, height, scale, board=False):
        self.scale = float(scale or 1)
        # 1 pixel of slack for the rounding of scaled positions and sizes.
        self.slack = 0 if scale is None and not board else 1
        self.board = board
        self.factor = None  # a board's, once its first window is seen
        self.tightest = 0.0  # how near a board's windows come to filling the work area
        logical = (width / self.scale, height / self.scale)
        self.layout = "compact" if logical[0] < 1024 and logical[1] < 768 else "standard"
        self.logical = tuple(round(v) for v in logical)
        self.workarea = None

    def px(self, value):
        return round(value * self.scale)

    def check_placed(self, caption, menu_height=0, design=True):
        """The window is wholly inside the work area, its client area at the design position or
        the nearest one that is."""
        window_id = wait_for(f"an X window {caption!r}", lambda: viewable_window(caption))
        frame = wait_for(f"the frame of {caption!r}",
                         lambda: x_property(window_id, "_NET_FRAME_EXTENTS"))
        check(len(frame) == 4 and frame[2] > 0, f"{caption!r} has no title bar: {frame}")

        def where():
            (x, y, w, h), _ = x_info(window_id)
            return x, y, w, h

        # The window manager and the program may still move it once; it settles first.
        last = [None]

        def settled():
            now = where()
            same, last[0] = now == last[0], now
            return now if same else None
        x, y, w, h = wait_for(f"{caption!r} to settle", settled)
        area = self.workarea
        left, right, top, bottom = frame
        outer = (x - left, y - top, w + left + right, h + top + bottom)
        inside = (outer[0] >= area[0] and outer[1] >= area[1] and
                  outer[0] + outer[2] <= area[0] + area[2] and
                  outer[1] + outer[3] <= area[1] + area[3])
        check(inside, f"{caption!r}: frame {outer} is not inside the work area {area}")
        if self.board and caption == "Puzzle":
            check(all(abs(a - b) <= 4 for a, b in zip(outer[2:], area[2:])),
                  f"the background window's frame {outer} does not cover the work area {area}")
        elif design:
            (dw, dh), (dx, dy) = WINDOWS[self.layout][caption]
            drawn = (self.px(dw), self.px(dh))
            at = (self.px(dx), self.px(dy))
            client = (w, h - menu_height)
            as_drawn = (drawn[0] + left + right <= area[2] and
                        drawn[1] + menu_height + top + bottom <= area[3])
            if self.board:
                # The heights tell the factor, the on-screen keys only widening a window; but
                # the calculator, lower than its keys, grows down to them: there the width with
                # the keys' 162 design pixels does.
                factor = (client[0] / (drawn[0] + self.px(162)) if caption == "Calcolatrice"
                          else client[1] / drawn[1])
                self.factor = self.factor or factor
                check(abs(factor / self.factor - 1) < 0.01, f"{caption!r}: client area {client} "
                      f"is {drawn[0]}x{drawn[1]} at {factor:.3f}, the set's factor is "
                      f"{self.factor:.3f}")
                filled = max(outer[2] / area[2], outer[3] / area[3])
                self.tightest = max(self.tightest, filled)
                check(caption != "Zorvano" or filled >= 0.9,
                      f"the main window's frame {outer} fills under 90 % of the work area {area}")
                at = tuple(round(v * factor) for v in at)
            elif as_drawn:
                check(all(abs(a - b) <= self.slack for a, b in zip(client, drawn)),
                      f"{caption!r}: client area {client}, expected {drawn[0]}x{drawn[1]}")
            else:
                # Smaller by one factor, just enough: one side of the frame meets the work area.
                factors = [a / b for a, b in zip(client, drawn)]
                check(abs(factors[0] - factors[1]) < 0.01,
                      f"{caption!r}: client area {client} is not {drawn[0]}x{drawn[1]} scaled")
                tight = max(outer[2] / area[2], outer[3] / area[3])
                check(tight > 0.985, f"{caption!r}: frame {outer} smaller than the work area "
                      f"{area} calls for (client {client}, design {drawn})")
            expected = fitted(at, (w, h), frame, area)
            check(abs(x - expected[0]) <= self.slack + 1 and abs(y - expected[1]) <= self.slack + 1,
                  f"{caption!r}: client area at {x},{y}, expected {expected} "
                  f"(design {at[0]},{at[1]}, frame {frame}, work area {area})")
        play.log(f"  {caption!r}: client {w}x{h} at {x},{y}, frame {frame}")
        return window_id


class MouseDesktop(play.Desktop):
    """Presses buttons and menu entries with a mouse click where they are drawn."""

    def __init__(self, pyatspi, process, pid=None, screen=None):
        super().__init__(pyatspi, process, pid)
        self.screen = screen

    def press(self, acc):
        check(acc.getState().contains(self.at.STATE_ENABLED), f"{acc.name!r} is disabled")
        click(self.screen, self.extents(acc))


class BoardDesktop(play.KeysDesktop, MouseDesktop):
    """Mouse clicks alone: on the buttons, on the on-screen keys to type, into the boxes."""

    def click(self, acc):
        click(self.screen, self.extents(acc))


def press_keys(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True, timeout=TIMEOUT)


def active_window():
    out = subprocess.run(["xdotool", "getactivewindow"], capture_output=True, text=True,
                         timeout=TIMEOUT).stdout.strip()
    return hex(int(out)) if out.isdigit() else None


def click(screen, extents):
    """A mouse click in the middle of an object, given in logical pixels as AT-SPI has it."""
    x, y, w, h = extents
    subprocess.run(["xdotool", "mousemove", str(screen.px(x + w / 2)), str(screen.px(y + h / 2)),
                    "click", "1"], check=True, timeout=TIMEOUT)


def activate(d, window_id, caption):
    """Brings a window to the front as a click on its task in a panel does, and waits until the
    window manager and the program both have it active."""
    subprocess.run(["xdotool", "windowactivate", window_id], timeout=TIMEOUT)
    wait_for(f"{caption!r} to be the active window", lambda: active_window() == window_id and
             d.window(caption).getState().contains(d.at.STATE_ACTIVE))


def close_with_alt_f4(d, window_id, caption):
    """Alt+F4 as the pupil presses it, to the window manager, on that window once active.
    Now and then the X server's first synthetic Alt+F4 does not reach openbox (closing through
    the window manager then works at once); as a pupil would, the keys are pressed again."""
    for attempt in range(3):
        activate(d, window_id, caption)
        press_keys("alt+F4")
        try:
            wait_for(f"{caption!r} to close", lambda: not viewable(window_id), timeout=3)
            return
        except Failure:
            play.log(f"  Alt+F4 on {caption!r} had no effect, pressed again")
    raise Failure(f"Alt+F4 does not close {caption!r}")


def confirm_resolution(d, screen):
    message = d.wait_window(" Schermo attuale")
    width, height = screen.logical
    d.control(message, "label", f"La definizione dello schermo attuale e' {width} X {height}")
    screen.check_placed(" Schermo attuale", design=False)
    d.press(d.control(message, "push button", "OK"))
    d.wait_closed(" Schermo attuale")


def name_box(d, registration):
    return d.control(registration, "text", "Scrivi il tuo nome")


def leave_before_the_game(d, screen):
    """Alt+F4 on the registration window before the game ends the program."""
    confirm_resolution(d, screen)
    d.wait_window("Form_Dati")
    registration = screen.check_placed("Form_Dati")
    close_with_alt_f4(d, registration, "Form_Dati")
    play.check_ends(d.process, "after Alt+F4 on the registration window")


def open_every_window(d, screen):
    """Registers, opens the instructions and the calculator and plays by mouse (play_by_mouse);
    returns the main window."""
    confirm_resolution(d, screen)
    registration = d.wait_window("Form_Dati")
    screen.check_placed("Puzzle")
    screen.check_placed("Form_Dati")
    box = name_box(d, registration)
    d.type_into(box, "Anno\ba" if screen.board else "Anna")  # on the keys, a slip and Cancella
    d.enter()
    d.type_into(d.control(registration, "text", "Scrivi la tua classe"), "3B")
    d.enter()
    wait_for("the focus on 'Conferma'",
             lambda: d.focused(d.control(registration, "push button", "Conferma")))
    d.enter()
    main = d.wait_window("Zorvano")
    d.wait_closed("Form_Dati")
    # AT-SPI gives logical pixels, the X server physical ones.
    screen.check_placed("Zorvano", menu_height=screen.px(d.extents(play.menu_bar(d, main))[3]))

    d.press(play.menu_entry(d, main, "Istruzioni"))
    instructions = d.wait_window("Form_Istruzioni")
    screen.check_placed("Form_Istruzioni")
    d.press(d.control(instructions, "push button", "Chiudi"))
    d.wait_closed("Form_Istruzioni")

    d.press(d.control(main, "push button", "Calcolatore"))
    calculator = d.wait_window("Calcolatrice")
    screen.check_placed("Calcolatrice")
    d.press(d.control(calculator, "push button", "Esci"))
    d.wait_closed("Calcolatrice")

    play_by_mouse(d, screen, main)
    return main


def visit_every_window(d, screen):
    main = open_every_window(d, screen)
    # The About box is modal: pressing its entry through AT-SPI would wait for it to close.
    click(screen, d.extents(play.menu_entry(d, main, "Informazioni")))  # the "?" entry
    about = d.wait_window("Ortambra")
    screen.check_placed("Ortambra", design=False)
    d.press(d.control(about, "push button", "OK"))
    d.wait_closed("Ortambra")

    # A click on the background brings the registration window back, the focus in the name box;
    # Alt+F4 then only hides it, and nothing brings it back by itself.
    # The main window may hide the background wholly: it is brought up from the panel.
    subprocess.run(["xdotool", "windowactivate", viewable_window("Puzzle")], timeout=TIMEOUT)
    registration = d.wait_window("Form_Dati")
    wait_for("the focus in the name box", lambda: d.focused(name_box(d, registration)))
    close_with_alt_f4(d, screen.check_placed("Form_Dati"), "Form_Dati")
    d.wait_closed("Form_Dati")
    deadline = time.monotonic() + 1.0
    while time.monotonic() < deadline:
        check(d.window("Form_Dati") is None, "the registration window came back by itself")
        check(d.process.poll() is None, "Alt+F4 on the registration window ended the game")
        time.sleep(0.05)
    check(d.window("Zorvano") is not None, "the main window is gone")
    d.press(d.control(d.window("Zorvano"), "push button", "Esci"))
    play.check_ends(d.process, "after 'Esci'")


def play_by_mouse(d, screen, main):
    """An exercise played by mouse clicks (see MouseDesktop); then, in the next one, the
    calculator's product clicked into the answer box."""
    play.play_exercise(d, main)
    d.press(d.control(main, "push button", "Via"))
    box = wait_for("the answer box",
                   lambda: d.controls(main, "text", "Scrivi il numero mancante"))[0]
    d.press(d.control(main, "push button", "Calcolatore"))
    calculator = d.wait_window("Calcolatrice")
    screen.check_placed("Calcolatrice")
    first, second = (d.control(calculator, "text", name)
                     for name in ("Primo numero", "Secondo numero"))
    d.click(first)
    d.type_into(first, "6")
    if screen.board:  # Invio on the keys goes on to the second number, then works it out
        d.enter()
        d.type_into(second, "7")
        d.enter()
    else:
        d.click(second)
        d.type_into(second, "7")
        d.press(d.control(calculator, "push button", "="))
    d.wait_control(calculator, "label", "42")
    click(screen, d.extents(box))
    wait_for("the result 42 in the answer box", lambda: d.text(box) == "42")
    # The main window may now cover the calculator: "Calcolatore" brings it back in front.
    d.press(d.control(main, "push button", "Calcolatore"))
    wait_for("the calculator in front", lambda: d.window("Calcolatrice").getState().contains(
        d.at.STATE_ACTIVE))
    d.press(d.control(calculator, "push button", "Esci"))
    d.wait_closed("Calcolatrice")
    play.log("  an exercise played by mouse; 42 clicked from the calculator into the answer box")


def play_on_board(d, screen):
    main = open_every_window(d, screen)
    # The factor is the largest at which every window of the set fits: one of them meets an edge.
    check(screen.tightest > 0.985, f"no window of the set meets an edge of the work area "
          f"{screen.workarea}: the factor {screen.factor:.3f} could be larger")
    d.press(d.control(main, "push button", "Esci"))
    play.check_ends(d.process, "after 'Esci'")


def start_desktop(width, height):
    """The window manager and the panel, started before the session (see play.run_on_display)."""
    def prepare(env, log_file, started):
        def spawn(argv, **kwargs):
            process = subprocess.Popen(argv, env=env, start_new_session=True,
                                       preexec_fn=play.end_with_parent, stdin=subprocess.DEVNULL,
                                       stderr=log_file, **kwargs)
            started.append(process)
            return process

        def run(argv):
            return subprocess.run(argv, env=env, capture_output=True, text=True,
                                  timeout=TIMEOUT).stdout

        spawn(["openbox", "--sm-disable"], stdout=log_file)
        wait_for("openbox", lambda: "window id" in run(["xprop", "-root",
                                                         "_NET_SUPPORTING_WM_CHECK"]))
        dock = spawn([sys.executable, os.path.join(os.path.dirname(__file__), "dock.py"),
                      str(PANEL)], stdout=subprocess.PIPE)
        os.set_blocking(dock.stdout.fileno(), False)
        wait_for("the dock", lambda: (dock.stdout.read() or b"").startswith(b"ready")
                 or check(dock.poll() is None, "the dock ended"))
        wait_for("the work area without the panel", lambda: (run(
            ["xprop", "-root", "_NET_WORKAREA"]).split("=")[-1].split(",")[:4] ==
            [" 0", " 0", f" {width}", f" {height - PANEL}"]))
    return prepare


def desktop_label(width, height, scale, board):
    return (f"{width}x{height}" + (f" scale {scale}" if scale else "") +
            (" lavagna" if board else ""))


def run_desktop(program, width, height, scale, board):
    label = desktop_label(width, height, scale, board)
    argv = [sys.executable, os.path.abspath(__file__), "--inner", program,
            "--screen", f"{width}x{height}"] + (["--scale", scale] if scale else []) + (
            ["--lavagna"] if board else [])
    return play.run_on_display(label, width, height, argv, start_desktop(width, height))


def missing_tools():
    missing = play.missing_tools()
    missing += [tool for tool in ("openbox", "xprop", "xdotool") if not shutil.which(tool)]
    try:
        import Xlib  # noqa: F401  (only whether it imports)
    except ImportError:
        missing.append(f"Xlib for {sys.executable} (python3-xlib)")
    return missing


def outer(args):
    program = os.path.abspath(args.program)
    status = play.cannot_run("desktop", program, missing_tools())
    if status is not None:
        return status
    results = [run_desktop(program, *desktop) for desktop in args.desktop or DESKTOPS]
    return 0 if all(results) else 1


def inner(args):
    width, height = args.screen[0]
    label = desktop_label(width, height, args.scale, args.lavagna)
    parent = os.getppid()
    play.end_with_parent()
    if os.getppid() != parent:
        return 1
    screen = Screen(width, height, args.scale, args.lavagna)
    extra = {"QT_SCALE_FACTOR": args.scale} if args.scale else {}
    if args.lavagna:
        program, desktop, parts = [args.program, "--lavagna"], BoardDesktop, (play_on_board,)
    else:
        program, desktop, parts = args.program, MouseDesktop, (leave_before_the_game,
                                                               visit_every_window)
    try:
        with play.accessibility_bus():
            for part in parts:
                with play.program_on_bus(program, extra,
                                         desktop=functools.partial(desktop, screen=screen)) as d:
                    try:
                        screen.workarea = x_property(None, "_NET_WORKAREA")[:4]
                        play.log(f"{label}: {part.__name__}, work area {screen.workarea}")
                        part(d, screen)
                    except Failure as error:
                        play.report_failure(label, error, d)  # before the program is stopped
                        return 1
    except Failure as error:
        play.report_failure(label, error, None)
        return 1
    return 0


def desktop_spec(text):
    text, board = (text[:-len("+lavagna")], True) if text.endswith("+lavagna") else (text, False)
    size, _, scale = text.partition("@")
    return (*play.screen_size(size), scale or None, board)


def main():
    signal.signal(signal.SIGTERM, play.exit_on_sigterm)
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("--screen", action="append", type=play.screen_size, help=argparse.SUPPRESS)
    parser.add_argument("--scale", help=argparse.SUPPRESS)
    parser.add_argument("--lavagna", action="store_true", help=argparse.SUPPRESS)
    parser.add_argument("--desktop", action="append", type=desktop_spec,
                        help="WIDTHxHEIGHT, WIDTHxHEIGHT@SCALE, either with +lavagna for a "
                        "board; repeat for more desktops")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    return inner(args) if args.inner else outer(args)


if __name__ == "__main__":
    sys.exit(main())
