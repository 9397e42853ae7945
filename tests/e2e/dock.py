#!/usr/bin/env python3
"""A panel for tests: a dock window that reserves a strip at the bottom of the screen.

    dock.py HEIGHT

It holds the strip through _NET_WM_STRUT_PARTIAL, as a desktop's taskbar does, so the window
manager leaves it out of the work area; it prints "ready" once mapped and runs until killed.
"""

import sys

from Xlib import X, Xutil, display
from Xlib.protocol import event  # noqa: F401  (loads the event classes next_event returns)


def main():
    height = int(sys.argv[1])
    d = display.Display()
    screen = d.screen()
    width, screen_height = screen.width_in_pixels, screen.height_in_pixels
    window = screen.root.create_window(
        0, screen_height - height, width, height, 0, screen.root_depth,
        background_pixel=0x3C3C3C, event_mask=X.StructureNotifyMask)
    atom = d.intern_atom
    window.set_wm_name("dock")
    # Where it asked to be, not where the window manager would place a new window.
    window.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.USSize | Xutil.PPosition |
                               Xutil.PSize, x=0, y=screen_height - height, width=width,
                               height=height)
    window.change_property(atom("_NET_WM_WINDOW_TYPE"), atom("ATOM"), 32,
                           [atom("_NET_WM_WINDOW_TYPE_DOCK")])
    # left, right, top, bottom, then the start and end of each strip.
    window.change_property(atom("_NET_WM_STRUT_PARTIAL"), atom("CARDINAL"), 32,
                           [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1])
    window.change_property(atom("_NET_WM_STRUT"), atom("CARDINAL"), 32, [0, 0, 0, height])
    window.map()
    d.flush()
    while d.next_event().type != X.MapNotify:
        pass
    print("ready", flush=True)
    while True:
        d.next_event()


if __name__ == "__main__":
    sys.exit(main())
