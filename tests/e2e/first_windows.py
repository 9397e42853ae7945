#!/usr/bin/env python3
"""The program's first two windows on a private X server, each kept as a picture: the resolution
message, then, once its OK is pressed, the registration window.

    first_windows.py PROGRAM PICTURES [--screen WxH]

It shows that a build for another processor starts and draws, run under emulation (qemu), where
a whole game (play.py) would take minutes; the pictures (resolution.png, registration.png) go to
the folder PICTURES. ORTAMBRA_E2E_TIMEOUT gives each wait longer under emulation.

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; under CI=true that fails).
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # importing play.py leaves nothing in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import play  # noqa: E402
from play import check, wait_for  # noqa: E402


def drawn(caption):
    """The window's pixels once more than one colour shows in them, else None."""
    width, height, left, top = play.x_window(caption)
    shot = play.screen_pixels((left, top, width, height))
    rgb = shot[0]
    return shot if len({rgb[i:i + 3] for i in range(0, len(rgb), 3 * 97)}) > 1 else None


def keep_picture(caption, path):
    """Writes the window as a PNG once it is drawn."""
    rgb, width, height = wait_for(f"{caption!r} drawn", lambda: drawn(caption))
    play.write_png(path, rgb, width, height)
    play.log(f"{caption!r}: {width}x{height}, kept in {path}")


def first_windows(program, pictures, width, height):
    """The exit status of the two windows' check on the bus of this session."""
    d = None
    try:
        with play.accessibility_bus(), play.program_on_bus(program) as d:
            d.wait_window(" Schermo attuale")
            keep_picture(" Schermo attuale", os.path.join(pictures, "resolution.png"))
            play.confirm_resolution(d, width, height)
            registration = d.wait_window("Form_Dati")
            check(d.window("Puzzle") is not None, "the background window is not showing")
            d.control(registration, "label", "Benvenuto nel gioco dei numeri")
            name_box = d.control(registration, "text", "Scrivi il tuo nome")
            wait_for("the focus in the name box", lambda: d.focused(name_box))
            keep_picture("Form_Dati", os.path.join(pictures, "registration.png"))
            return 0
    except play.Failure as error:
        play.report_failure(f"{width}x{height}", error, d)
        return 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("pictures")
    parser.add_argument("--screen", type=play.screen_size, default=(1024, 768))
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    width, height = args.screen
    pictures = os.path.abspath(args.pictures)
    if args.inner:
        return play.in_session(lambda: first_windows(args.program, pictures, width, height) == 0)
    program = os.path.abspath(args.program)
    status = play.cannot_run("first_windows", program, play.missing_tools())
    if status is not None:
        return status
    os.makedirs(pictures, exist_ok=True)
    passed = play.run_on_display(
        f"{width}x{height}", width, height,
        [sys.executable, os.path.abspath(__file__), "--inner", program, pictures,
         "--screen", f"{width}x{height}"])
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
