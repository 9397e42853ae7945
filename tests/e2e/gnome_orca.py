#!/usr/bin/env python3
"""Plays Ortambra by keyboard with Orca on GNOME's Wayland compositor, and checks what Orca says.

    gnome_orca.py PROGRAM [--screen WxH ...] [--speech-log FILE]

For each screen (800x600 and 1024x768 unless told) it starts, as a GNOME Wayland session has
them: a private system bus, a D-Bus session, mutter as a headless Wayland compositor with one
virtual monitor of that size and its Xwayland, the accessibility bus, a private
speech-dispatcher and Orca, and the program as a Wayland client. The pupil's keys go through
mutter's remote-desktop interface, as a real keyboard's would. The game is the X11 Orca test's
(screen_reader.py), then the way back from the calculator and a visit to the instructions;
after leaving the registration, Orca must never announce the background window ("Puzzle"):
the pupil hears only the window they land in.

Orca is given Xwayland's display (at start-up it asks the X server for the keyboard's layout,
as in every GNOME session, which always has Xwayland); the program gets none.

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing, a failure when CI=true; or
mutter is older than 48, Debian 13's, a skip everywhere).
"""

import glob
import os
import re
import shutil
import stat
import subprocess
import sys
import tempfile
import time

sys.dont_write_bytecode = True  # importing the other scripts leaves nothing in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import play  # noqa: E402
import screen_reader  # noqa: E402
from play import Failure, check, log, stop, wait_for, TIMEOUT  # noqa: E402
from screen_reader import button, said  # noqa: E402

SOCKET = "ortambra-gnome"
# mutter 43 with Orca 43 (Debian 12) runs the whole game too, but in about one run of four Orca
# reads the resolution message's OK button without the message: see docs/ACCESSIBILITY.md.
OLDEST_MUTTER = 48

SYSTEM_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-BUS Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>system</type>
  <listen>unix:path={socket}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

# The keys the game presses, as X keysyms; a character stands for itself.
KEYSYMS = {"alt": 0xffe9, "shift": 0xffe1, "Return": 0xff0d, "Tab": 0xff09, "F10": 0xffc7,
           "Down": 0xff54, "Up": 0xff52, "Right": 0xff53, "Left": 0xff51, "space": 0x20,
           "Escape": 0xff1b}


def keysyms(key):
    """The keysyms to hold, in order, for "alt+v", "shift+Tab", "Return", "A"."""
    held = []
    for part in key.split("+"):
        if part in KEYSYMS:
            held.append(KEYSYMS[part])
        elif len(part) == 1 and part.isupper():
            held += [KEYSYMS["shift"], ord(part.lower())]
        elif len(part) == 1:
            held.append(ord(part))
        else:
            raise Failure(f"no keysym for {part!r}")
    return held


class RemoteKeyboard(screen_reader.Keyboard):
    """The pupil's keys through mutter's remote-desktop session: the compositor hands them to
    the window it has focused, as it would a real keyboard's."""

    def __init__(self, speech):
        super().__init__(speech)
        from gi.repository import Gio
        self.bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        self.session = self.call("/org/gnome/Mutter/RemoteDesktop",
                                 "org.gnome.Mutter.RemoteDesktop", "CreateSession")[0]
        self.call(self.session, "org.gnome.Mutter.RemoteDesktop.Session", "Start")
        # A fresh virtual keyboard delivers its first key only with the next: a harmless one
        # goes first.
        self.keysym(KEYSYMS["shift"], True)
        self.keysym(KEYSYMS["shift"], False)

    def call(self, path, interface, method, args=None):
        from gi.repository import Gio
        return self.bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method,
                                  args, None, Gio.DBusCallFlags.NONE, int(TIMEOUT * 1000),
                                  None).unpack()

    def keysym(self, keysym, pressed):
        from gi.repository import GLib
        self.call(self.session, "org.gnome.Mutter.RemoteDesktop.Session",
                  "NotifyKeyboardKeysym", GLib.Variant("(ub)", (keysym, pressed)))

    def press(self, *keys):
        for key in keys:
            self.speech.quiet()
            held = keysyms(key)
            for keysym in held:
                self.keysym(keysym, True)
            for keysym in reversed(held):
                self.keysym(keysym, False)


def ways_back(d, speech, keys):
    """After the X11 game, which leaves the calculator last: the way back to the main window,
    then the instructions and back."""
    said(speech, "Zorvano frame")
    d.wait_window("Zorvano")
    # "Istruzioni" is an entry of the menu bar itself: F10 opens the first menu, Escape
    # closes it and leaves the bar, where the arrows walk.
    keys.press("F10")
    said(speech, "Solo Somme")
    keys.press("Escape")
    said(speech, "Difficoltà")
    keys.press("Right", "Right")
    said(speech, "Istruzioni")
    keys.press("Return")
    said(speech, "Form_Istruzioni dialog")
    d.wait_window("Form_Istruzioni")
    keys.press("alt+c")
    said(speech, "Zorvano frame")
    d.wait_closed("Form_Istruzioni")


def stray_announcements(utterances):
    """What Orca said of the background window once the registration had been confirmed."""
    confirmed = next((i for i, u in enumerate(utterances)
                      if any(screen_reader.spoken(p, u) for p in button("Conferma"))), None)
    check(confirmed is not None, "Orca never read the Conferma button")
    return [u for u in utterances[confirmed + 1:] if "Puzzle" in u]


def inner(args):
    width, height = args.screen[0]
    # mutter hands its command both displays. Orca takes Xwayland's; the program only the
    # Wayland one; this script neither: the accessibility library's keyboard breaks on a
    # Wayland display in its own environment.
    x_display = os.environ.pop("DISPLAY", None)
    wayland = os.environ.pop("WAYLAND_DISPLAY", None)

    from gi.repository import GLib  # the remote desktop's calls fail with its errors

    def inside():
        launcher = speechd = orca = program = d = None
        folder = tempfile.mkdtemp(prefix="ortambra-gnome-orca-")
        debug_file = os.path.join(folder, "orca-debug.log")
        try:
            check(x_display and wayland, f"mutter gave no displays ({x_display}, {wayland})")
            launcher = play.start_accessibility_bus()
            import pyatspi
            speechd, address = screen_reader.start_speech_dispatcher(folder)
            orca = screen_reader.start_orca(folder, address, debug_file, {
                "DISPLAY": x_display, "WAYLAND_DISPLAY": wayland, "XDG_SESSION_TYPE": "wayland"})
            speech = screen_reader.Speech(debug_file)
            speech.wait("Screen reader on")
            extra = {"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": wayland, "DISPLAY": None,
                     "XDG_SESSION_TYPE": "wayland"}
            if "ASAN_OPTIONS" in os.environ:  # as in wayland.py: Wayland's libraries keep blocks
                extra["ASAN_OPTIONS"] = os.environ["ASAN_OPTIONS"] + ":detect_leaks=0"
            program = play.start_program(args.program, play.program_env(extra))
            d = play.Desktop(pyatspi, program)
            wait_for("the program on the accessibility bus", d.app)
            keys = RemoteKeyboard(speech)
            screen_reader.game(d, speech, keys, width, height)
            ways_back(d, speech, keys)
            stray = stray_announcements(speech.utterances())
            check(not stray, f"after the registration Orca announced the background: {stray}")
            return True
        except (Failure, GLib.Error) as error:
            print(f"gnome-orca: {width}x{height}: FAILED: {error}", file=sys.stderr)
            if os.path.exists(debug_file):
                said_all = screen_reader.Speech(debug_file).utterances()
                print(f"gnome-orca: Orca said {said_all}", file=sys.stderr)
            play.dump_tree(d, program)
            return False
        finally:
            stop(program)
            screen_reader.kill(orca)
            screen_reader.kill(speechd)
            stop(launcher)
            kept = os.environ.get("ORTAMBRA_SPEECH_LOG")
            if kept and os.path.exists(debug_file):
                shutil.copyfile(debug_file, f"{kept}.gnome.{width}x{height}")
            shutil.rmtree(folder, ignore_errors=True)

    return play.in_session(inside)


def mutter_version():
    """mutter's major version, or None when it does not say."""
    try:
        out = subprocess.run(["mutter", "--version"], capture_output=True, text=True,
                             timeout=TIMEOUT).stdout
    except (OSError, subprocess.TimeoutExpired):
        return None
    found = re.search(r"mutter (\d+)", out)
    return int(found.group(1)) if found else None


def run_screen(program, width, height, speech_log):
    """One game under a fresh mutter, on a private system bus and D-Bus session; True when it
    passed."""
    label = f"gnome {width}x{height}"
    started = time.monotonic()
    bus = session = None
    with tempfile.TemporaryDirectory(prefix="ortambra-gnome-") as scratch, \
            open(os.path.join(scratch, "log"), "w+") as helpers_log:
        passed = False
        try:
            # An empty system bus of the test's own: without one mutter waits for logind.
            socket = os.path.join(scratch, "system_bus")
            config = os.path.join(scratch, "system.conf")
            with open(config, "w") as f:
                f.write(SYSTEM_BUS_CONFIG.format(socket=socket))
            bus = subprocess.Popen(["dbus-daemon", "--nofork", f"--config-file={config}"],
                                   start_new_session=True, preexec_fn=play.end_with_parent,
                                   stdin=subprocess.DEVNULL, stdout=helpers_log,
                                   stderr=helpers_log)
            wait_for("the private system bus", lambda: os.path.exists(socket))
            runtime = os.path.join(scratch, "runtime")
            os.mkdir(runtime, 0o700)
            env = dict(os.environ, XDG_RUNTIME_DIR=runtime, DBUS_SYSTEM_BUS_ADDRESS=
                       f"unix:path={socket}", XDG_CONFIG_HOME=os.path.join(scratch, "config"),
                       GSETTINGS_BACKEND="memory")
            for inherited in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS",
                              "AT_SPI_BUS_ADDRESS", "XDG_SESSION_TYPE"):
                env.pop(inherited, None)
            if speech_log:
                env["ORTAMBRA_SPEECH_LOG"] = speech_log
            command = ["dbus-run-session", "--", "mutter", "--headless", "--wayland",
                       "--virtual-monitor", f"{width}x{height}", "--wayland-display", SOCKET,
                       "--", sys.executable, os.path.abspath(__file__), "--inner", program,
                       "--screen", f"{width}x{height}"]
            session = subprocess.Popen(command, env=env, start_new_session=True,
                                       preexec_fn=play.end_with_parent,
                                       stdin=subprocess.DEVNULL, stdout=helpers_log,
                                       stderr=helpers_log)
            try:
                passed = session.wait(timeout=TIMEOUT * 12) == 0
            except subprocess.TimeoutExpired:
                print(f"gnome-orca: {label}: the session did not end in time", file=sys.stderr)
        except Failure as error:
            print(f"gnome-orca: {label}: FAILED: {error}", file=sys.stderr)
        finally:
            stop(session, whole_session=True)
            stop(bus, whole_session=True)
        if not passed:
            helpers_log.seek(0)
            sys.stderr.write(helpers_log.read())
        log(f"{label}: {'passed' if passed else 'FAILED'} in {time.monotonic() - started:.1f} s")
        return passed


def missing_tools():
    # Neither Xvfb nor xdotool: mutter is the display here, and takes the keys.
    missing = [m for m in play.missing_tools() + screen_reader.missing_tools()
               if not m.startswith(("Xvfb", "xwininfo", "xdotool"))]
    missing = list(dict.fromkeys(missing))
    for tool in ("mutter", "Xwayland", "dbus-daemon"):
        if not shutil.which(tool):
            missing.append(tool)
    if not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so"):
        missing.append("Qt's Wayland platform (qt6-wayland)")
    return missing


def x11_sockets_open():
    """None when Xwayland may make its socket in /tmp/.X11-unix, else the exit status. A
    desktop keeps that folder open to all (mode 1777, sticky) and mutter refuses any other; but
    mutter run by root makes it under root's umask (755), and so may an X server started by
    root on a test machine. Root sets the mode every desktop gives it to a folder of root's."""
    folder = "/tmp/.X11-unix"
    try:
        found = os.lstat(folder)
    except FileNotFoundError:
        found = None
    if found is not None and stat.S_ISDIR(found.st_mode) and \
            stat.S_IMODE(found.st_mode) == 0o1777:
        return None
    usable = found is None or (stat.S_ISDIR(found.st_mode) and found.st_uid == 0)
    if os.getuid() != 0 or not usable:
        return play.not_run_status("gnome-orca", f"{folder} is not a folder open to all "
                                   "(mode 1777) and this user may not make it one")
    if found is None:
        os.mkdir(folder)
    log(f"gnome-orca: {folder} set to mode 1777, as on a desktop")
    os.chmod(folder, 0o1777)
    return None


def outer(args):
    program = os.path.abspath(args.program)
    status = play.cannot_run("gnome-orca", program, missing_tools())
    if status is not None:
        return status
    version = mutter_version()
    if version is None:
        return play.not_run_status("gnome-orca", "mutter --version names no version")
    if version < OLDEST_MUTTER:
        print(f"gnome-orca: SKIPPED, mutter {version} is older than {OLDEST_MUTTER}: with mutter "
              "43 and Orca 43 Orca misses the first dialog's text in about one run of four "
              "(docs/ACCESSIBILITY.md)")
        return play.SKIP
    status = screen_reader.another_orca("gnome-orca")
    if status is None:
        status = x11_sockets_open()
    if status is not None:
        return status
    speech_log = os.path.abspath(args.speech_log) if args.speech_log else None
    results = [run_screen(program, width, height, speech_log)
               for width, height in args.screen or [(800, 600), (1024, 768)]]
    return 0 if all(results) else 1


def main():
    return screen_reader.command_line(__doc__, outer, inner, "gnome.WxH")


if __name__ == "__main__":
    sys.exit(main())
