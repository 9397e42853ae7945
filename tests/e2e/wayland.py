#!/usr/bin/env python3
"""Plays Ortambra in a Wayland session, as on a Debian 13 GNOME or KDE desktop.

    wayland.py PROGRAM [--screen WxH ...]

For each screen (800x600 and 1024x768 unless told) it starts the weston compositor with an
output of that size and the program on it as a Wayland client (QT_QPA_PLATFORM=wayland, no X
display), then plays the whole game of play.py through the accessibility bus: the resolution
message, registration, every window of the layout set the screen calls for, one exercise, the
results, a product in the calculator, "Esci".

weston draws into a window of a private X server (Xvfb) only because that is where keys can be
typed: its headless back end has no keyboard at all. The program never sees that server. On
Wayland the compositor, not the program, places the windows, so only their sizes are checked;
that the window the pupil must use is in front is checked by the keyboard: weston gives the keys
to the window on top, and every key the pupil types must reach the window the game expects.

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; under CI=true that fails).
"""

import glob
import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # importing play.py leaves nothing in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import play  # noqa: E402
from play import check, wait_for  # noqa: E402

SOCKET = "ortambra-wayland"


class WaylandDesktop(play.Desktop):
    """The program's windows as a Wayland client knows them: sizes, no places."""

    def box(self, caption):
        window = self.window(caption)
        check(window is not None, f"no window {caption!r} is showing")
        _, _, width, height = self.extents(window)
        return width, height, None, None


def start_weston(width, height):
    """weston on the X server, with one output of the screen's size (see play.run_on_display)."""
    def prepare(env, log_file, started):
        # No on-screen keyboard: weston's own would open over the window whose box has the focus.
        config = os.path.join(env["XDG_RUNTIME_DIR"], "weston.ini")
        with open(config, "w") as f:
            f.write("[core]\nidle-time=0\n[input-method]\npath=\n")
        weston = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", f"--width={width}",
             f"--height={height}", f"--socket={SOCKET}", f"--config={config}"],
            env=env, start_new_session=True, preexec_fn=play.end_with_parent,
            stdin=subprocess.DEVNULL, stdout=log_file, stderr=log_file)
        started.append(weston)
        socket = os.path.join(env["XDG_RUNTIME_DIR"], SOCKET)
        wait_for("weston's socket", lambda: os.path.exists(socket) or weston.poll() is not None)
        check(weston.poll() is None, f"weston ended with status {weston.returncode}")
        # The pointer rests over weston's window, so the X server gives it the keys.
        subprocess.run(["xdotool", "mousemove", str(width - 1), str(height - 1)], env=env,
                       check=True, timeout=play.TIMEOUT)
    return prepare


def calculate(d, calculator):
    """6 times 7 in the calculator, by keyboard: Enter moves on, then computes."""
    first = d.control(calculator, "text", "Primo numero")
    wait_for("the focus in the first number", lambda: d.focused(first))
    d.type_into(first, "6")
    d.enter()
    second = d.control(calculator, "text", "Secondo numero")
    d.type_into(second, "7")
    d.enter()
    wait_for("the result 42", lambda: d.controls(calculator, "label", "42"))


def inner(args):
    width, height = args.screen[0]
    # A Wayland client only: with no X display the program cannot fall back to X. The rest of
    # the session stays on X: the accessibility library types the keys through the X server,
    # and crashes in a Wayland session.
    extra = {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": SOCKET, "DISPLAY": None}
    # Under AddressSanitizer, no leak check at the end: Qt's Wayland plugin, libwayland and
    # libxkbcommon keep blocks at exit, and so does Mesa's driver, which is unloaded before the
    # check and so cannot be named in a suppression. The X tests check the program's own.
    if "ASAN_OPTIONS" in os.environ:
        extra["ASAN_OPTIONS"] = os.environ["ASAN_OPTIONS"] + ":detect_leaks=0"
    return play.in_session(lambda: play.play_inside(
        args.program, width, height, extra_env=extra, desktop=WaylandDesktop,
        calculate=calculate) == 0)


def missing_tools():
    missing = play.missing_tools()
    missing += [tool for tool in ("weston", "xdotool") if not shutil.which(tool)]
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
        missing.append("Qt's Wayland platform (qt6-wayland)")
    return missing


def outer(args):
    program = os.path.abspath(args.program)
    status = play.cannot_run("wayland", program, missing_tools())
    if status is not None:
        return status
    results = [play.run_screen(program, width, height, script=__file__,
                               prepare=start_weston(width, height))
               for width, height in args.screen or [(800, 600), (1024, 768)]]
    return 0 if all(results) else 1


def main():
    return play.command_line(__doc__, outer, inner)


if __name__ == "__main__":
    sys.exit(main())
