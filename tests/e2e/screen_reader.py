#!/usr/bin/env python3
"""Plays Ortambra by keyboard alone with the Orca screen reader, and checks what Orca says.

    screen_reader.py PROGRAM [--screen WxH ...] [--speech-log FILE]

For each screen size (800x600 and 1024x768 unless told) it starts a private X server, a D-Bus
session with the accessibility bus, a private speech-dispatcher (espeak-ng on ALSA's "null"
device), Orca with its speech written to its debug file, and the program. The pupil only presses
keys; after each step the test waits, with a bound, for the phrases a blind pupil must hear.
The probe reads the series through AT-SPI only to know the right answer.

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; a failure when CI=true).
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import play  # noqa: E402  (the shared helpers of the end-to-end tests)
from play import Failure, check, log, stop, wait_for, TIMEOUT  # noqa: E402

SPEECH_MODULES = "/usr/lib/speech-dispatcher-modules"


class Speech:
    """What Orca has said, read from its debug file. The file is written through a buffer, so
    only complete lines count; an utterance may span lines (a caption with line breaks)."""

    def __init__(self, path):
        self.path = path
        self.mark = 0  # utterances before the mark belong to earlier steps

    def utterances(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                text = f.read()
        except FileNotFoundError:
            return []
        text = text[:text.rfind("\n") + 1]
        spoken = []
        # "01:47:41.066134 - SPEECH OUTPUT: 'Screen reader on.'{'established': False}": the
        # voice settings end the utterance, which goes on over lines of its own when the
        # caption has line breaks. Orca 48 nests the voice's family in them.
        utterance = r"^[\d:.]+ - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?\[?\{[^\n]*\}\]?$"
        for found in re.finditer(utterance, text, re.M | re.S):
            spoken.append(found.group(1))
        return spoken

    def since_mark(self):
        return self.utterances()[self.mark:]

    def quiet(self, still=0.4):
        """Waits, with a bound, until Orca has written nothing for `still` seconds."""
        last = (None, time.monotonic())

        def settled():
            nonlocal last
            size = os.path.getsize(self.path) if os.path.exists(self.path) else 0
            now = time.monotonic()
            if size != last[0]:
                last = (size, now)
            return now - last[1] >= still
        wait_for("Orca to be quiet", settled)

    def step(self):
        """Starts a new step: what was said so far is left behind."""
        self.mark = len(self.utterances())

    def wait(self, *phrases, timeout=TIMEOUT):
        """Waits until every phrase has been said (each inside one utterance) since the mark;
        returns those utterances."""
        def heard():
            said = self.since_mark()
            return said if all(any(spoken(p, u) for u in said) for p in phrases) else None
        try:
            return wait_for(f"Orca to say {phrases}", heard, timeout=timeout)
        except Failure:
            raise Failure(f"Orca did not say {list(phrases)}; since the last step it said "
                          f"{self.since_mark()}")


def spoken(phrase, utterance):
    """Whether the utterance holds the phrase, or one of a tuple of phrases."""
    return any(p in utterance for p in (phrase if isinstance(phrase, tuple) else (phrase,)))


def button(name):
    """What Orca says of a focused button: "push button" up to Orca 43 (Debian 12), "button"
    from Orca 48 (Debian 13) on."""
    return (f"{name} push button", f"{name} button")


def start_speech_dispatcher(folder):
    """A speech-dispatcher of this test only: its own socket and configuration, espeak-ng on
    the ALSA "null" device, so it answers every utterance on a machine without audio."""
    config = os.path.join(folder, "config")
    os.makedirs(os.path.join(config, "modules"))
    socket = os.path.join(folder, "speechd.sock")
    with open(os.path.join(config, "speechd.conf"), "w") as f:
        f.write(f'CommunicationMethod "unix_socket"\nSocketPath "{socket}"\nTimeout 0\n'
                'LogLevel 1\nAudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
                'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                'DefaultModule espeak-ng\nDefaultLanguage "it"\n')
    open(os.path.join(config, "modules", "espeak-ng.conf"), "w").close()
    os.mkdir(os.path.join(folder, "speechd-log"))
    process = subprocess.Popen(
        ["speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir", config,
         "--socket-path", socket, "--log-dir", os.path.join(folder, "speechd-log"),
         "--pid-file", os.path.join(folder, "speechd.pid")],
        process_group=0, preexec_fn=play.end_with_parent, stdin=subprocess.DEVNULL,
        stdout=sys.stderr, stderr=sys.stderr)
    try:
        wait_for("speech-dispatcher's socket", lambda: os.path.exists(socket))
        return process, "unix_socket:" + socket
    except BaseException:
        kill(process)
        raise


def kill(process):
    """Ends a helper and its group; a hung speech-dispatcher ignores SIGTERM, so SIGKILL soon."""
    stop(process, grace=2.0)


def start_orca(folder, speechd_address, debug_file, extra_env=None):
    home = os.path.join(folder, "home")
    os.mkdir(home)
    env = dict(os.environ, HOME=home, SPEECHD_ADDRESS=speechd_address, LANG="C.UTF-8",
               LANGUAGE="C", XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_DATA_HOME=os.path.join(home, ".local/share"),
               XDG_CACHE_HOME=os.path.join(home, ".cache"), **(extra_env or {}))
    for name in [n for n in env if n.startswith("LC_")]:
        del env[name]
    # Orca's own --debug-file opens the file with a block buffer: the last utterances would stay
    # in it while Orca waits, idle, for the next key, and the test for them. The file is opened
    # here instead, line-buffered, at the level that logs what Orca says and little else (at its
    # full level Orca writes so much that it answers keys late).
    return subprocess.Popen(
        ["/usr/bin/python3", "-c", ORCA_SPEECH_LOG, debug_file, shutil.which("orca"), "--replace"],
        env=env, process_group=0, preexec_fn=play.end_with_parent, stdin=subprocess.DEVNULL,
        stdout=sys.stderr, stderr=sys.stderr)


ORCA_SPEECH_LOG = """
import runpy, sys
from orca import debug
debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")
debug.debugLevel = debug.LEVEL_INFO
import faulthandler, signal
faulthandler.register(signal.SIGUSR1, file=debug.debugFile, all_threads=True)
sys.argv = sys.argv[2:]
runpy.run_path(sys.argv[0], run_name="__main__")
"""


class Keyboard:
    """The pupil's keys, through XTest as a real keyboard's. Qt hands every key to the screen
    reader first and gives it up after 100 ms; a busy Orca answers later, and the key may be
    lost. So each key waits until Orca has been quiet for a moment."""

    def __init__(self, speech):
        self.speech = speech

    def press(self, *keys):
        """Presses keys one after the other: "Return", "F10", "alt+v"."""
        for key in keys:
            self.speech.quiet()
            subprocess.run(["xdotool", "key", key], check=True, timeout=TIMEOUT)

    def type(self, text):
        for character in text:
            self.press(character)


def said(speech, *phrases):
    """Waits for the phrases, logs what Orca said for this step and starts the next."""
    heard = speech.wait(*phrases)
    log(f"Orca: {heard}")
    speech.step()
    return heard


def announced(utterance):
    """What the program announced, without the role Orca says first ("notification")."""
    return utterance.removeprefix("notification ")


def answer(d, main, speech, keys, number):
    """Types number and Enter; True when Orca says the answer was right, False when it says
    the wrong-answer feedback exactly as the label shows it."""
    keys.type(str(number))
    keys.press("Return")
    wrong = f" {number}  Non è esatto!"
    heard = wait_for(f"Orca's feedback on {number}", lambda: [
        u for u in map(announced, speech.since_mark()) if u.startswith(("Indovinato!", wrong))])
    right = heard[0].startswith("Indovinato!")
    if right:
        d.wait_control(main, "label", "Indovinato!")
    else:
        d.wait_control(main, "label", wrong)
    said(speech)
    return right


def play_series(d, main, speech, keys, number, facilitated=False):
    """Starts exercise `number` with Alt+V; Orca reads the series with its gap. With help
    asked first, answers wrong once and then right; returns the count of wrong answers."""
    keys.press("alt+v")
    box = d.wait_control(main, "text", "Scrivi il numero mancante")
    shown = play.read_series(d, main, box)
    spoken = ", ".join("manca" if n is None else str(n) for n in shown)
    said(speech, f"Esercizio n° {number}: {spoken}")
    candidates = play.missing_candidates(shown)
    check(candidates, f"no rhythm makes the series {shown}")
    wrong_answers = 0
    if facilitated:
        keys.press("alt+p")
        heard = said(speech, "Parziale: ")
        check(any(re.search(r"Parziale: .*numero \d: [+x] \d+", u) for u in heard),
              f"the partial help reads {heard}")
        keys.press("alt+s")
        heard = said(speech, "Soluzione: si parte da ")
        check(any(len(re.findall(r"numero \d: [+x] \d+", u)) == 6 for u in heard),
              f"the solution reads {heard}")
    else:
        check(not answer(d, main, speech, keys, max(candidates) + 1), "a wrong answer was taken")
        wrong_answers += 1
    for candidate in candidates:
        if answer(d, main, speech, keys, candidate):
            return wrong_answers
        wrong_answers += 1
    raise Failure(f"none of {candidates} was taken for {shown}")


def game(d, speech, keys, width, height):
    """One whole game by keyboard, with what Orca says checked at each step."""
    said(speech, "alert  Schermo attuale", f"La definizione dello schermo attuale e' {width} X "
         f"{height}")
    keys.press("Return")
    # Orca reads the dialog's heading; the name box's name it says not always at once.
    said(speech, "Form_Dati dialog Benvenuto nel gioco dei numeri")
    registration = d.wait_window("Form_Dati")
    keys.type("Anna")
    name_box = d.control(registration, "text", "Scrivi il tuo nome")
    wait_for("Anna in the name box", lambda: d.text(name_box) == "Anna")
    keys.press("Return")
    class_box = d.control(registration, "text", "Scrivi la tua classe")
    wait_for("the focus in the class box", lambda: d.focused(class_box))
    said(speech, "Scrivi la tua classe text")
    keys.type("3B")
    keys.press("Return")
    said(speech, button("Conferma"))
    keys.press("Return")
    said(speech, "Zorvano frame")
    main = d.wait_window("Zorvano")

    # The menus, by F10 and the arrows.
    keys.press("F10")
    said(speech, "Solo Somme")
    keys.press("Down", "Down")
    said(speech, "Somme e Prodotti")
    keys.press("Return")
    d.wait_control(main, "label", "Difficoltà Alta\n(somme e/o prodotti)")
    keys.press("F10")
    said(speech, "Solo Somme")
    keys.press("Right")
    said(speech, "fino a Due")
    keys.press("Down", "Down", "Down")
    said(speech, "Fino a Cinque")
    keys.press("Return")
    d.wait_control(main, "label", "Complessità: fino a 5")
    speech.step()

    wrong_answers = play_series(d, main, speech, keys, 1)
    # The focus is on "Via"; the facilitated switch is the control before it.
    keys.press("shift+Tab")
    said(speech, button("Clicca per Facile"))
    keys.press("space")
    said(speech, "Clicca per Non Facile")
    wrong_answers += play_series(d, main, speech, keys, 2, facilitated=True)

    keys.press("alt+r")
    said(speech, "Esercizi proposti:  2", "Anna 3B", f"Tentativi errati:  {wrong_answers}",
         "Chiesto aiuto:  2 volte", "Segue l'elenco degli esercizi.")

    keys.press("alt+c")
    said(speech, "Calcolatrice dialog", "Primo numero text")
    keys.type("7")
    keys.press("shift+Tab", "shift+Tab")
    said(speech, "Operazione")
    keys.press("Down", "Down", "Down")
    said(speech, "Diviso")
    keys.press("shift+Tab", "shift+Tab")
    said(speech, "Secondo numero text")
    keys.type("2")
    keys.press("Return")
    said(speech, "Risultato 3,5. Clicca sulla casella vuota per trasferire il risultato")
    keys.press("alt+r")
    said(speech, "Primo numero text")
    keys.type("1")
    keys.press("Return")
    keys.type("0")
    keys.press("Return")
    said(speech, "Operazione impossibile")
    keys.press("alt+e")
    d.wait_closed("Calcolatrice")


def inner(args):
    width, height = args.screen[0]

    def inside():
        launcher = speechd = orca = program = d = None
        folder = tempfile.mkdtemp(prefix="ortambra-orca-")
        debug_file = os.path.join(folder, "orca-debug.log")
        try:
            launcher = play.start_accessibility_bus()
            import pyatspi
            speechd, address = start_speech_dispatcher(folder)
            orca = start_orca(folder, address, debug_file)
            speech = Speech(debug_file)
            speech.wait("Screen reader on")
            program = play.start_program(args.program)
            d = play.Desktop(pyatspi, program)
            wait_for("the program on the accessibility bus", d.app)
            game(d, speech, Keyboard(speech), width, height)
            return True
        except Failure as error:
            print(f"orca: {width}x{height}: FAILED: {error}", file=sys.stderr)
            for helper in (program,):
                if helper is not None and helper.poll() is None:
                    for task in os.listdir(f"/proc/{helper.pid}/task"):
                        with open(f"/proc/{helper.pid}/task/{task}/wchan") as w, \
                                open(f"/proc/{helper.pid}/task/{task}/comm") as c:
                            print(f"orca: program task {task} {c.read().strip()} {w.read()}",
                                  file=sys.stderr)
            if orca is not None and orca.poll() is None:
                with open(f"/proc/{orca.pid}/stat") as stat:
                    print(f"orca: Orca's state: {stat.read().rsplit(')', 1)[1].split()[0]}",
                          file=sys.stderr)
                for task in os.listdir(f"/proc/{orca.pid}/task"):
                    try:
                        with open(f"/proc/{orca.pid}/task/{task}/wchan") as w, \
                                open(f"/proc/{orca.pid}/task/{task}/syscall") as sc, \
                                open(f"/proc/{orca.pid}/task/{task}/comm") as c:
                            print(f"orca: task {task} {c.read().strip()} {w.read()} "
                                  f"{sc.read().split()[:2]}", file=sys.stderr)
                    except OSError as e:
                        print(f"orca: task {task}: {e}", file=sys.stderr)
                os.kill(orca.pid, signal.SIGUSR1)  # Orca's threads into its log
                time.sleep(0.5)
            for name, helper in (("Orca", orca), ("speech-dispatcher", speechd)):
                if helper is not None and helper.poll() is not None:
                    print(f"orca: {name} ended with status {helper.returncode}", file=sys.stderr)
            play.dump_tree(d, program)
            return False
        finally:
            stop(program)
            kill(orca)
            kill(speechd)
            stop(launcher)
            kept = os.environ.get("ORTAMBRA_SPEECH_LOG")
            if kept and os.path.exists(debug_file):
                shutil.copyfile(debug_file, f"{kept}.{width}x{height}")
            shutil.rmtree(folder, ignore_errors=True)

    return play.in_session(inside)


def missing_tools():
    missing = play.missing_tools()
    for tool in ("orca", "speech-dispatcher", "xdotool"):
        if not shutil.which(tool):
            missing.append(tool)
    if not os.access(os.path.join(SPEECH_MODULES, "sd_espeak-ng"), os.X_OK):
        missing.append("sd_espeak-ng (speech-dispatcher-espeak-ng)")
    return missing


def another_orca(name):
    """The exit status when another Orca of this user runs, else None: `orca --replace` ends
    every Orca of this user, and never the screen reader of someone at work."""
    others = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                            capture_output=True, text=True).stdout.split()
    if others:
        return play.not_run_status(
            name, f"another Orca of this user is running (process {', '.join(others)})")
    return None


def outer(args):
    program = os.path.abspath(args.program)
    status = play.cannot_run("orca", program, missing_tools())
    if status is not None:
        return status
    status = another_orca("orca")
    if status is not None:
        return status
    if args.speech_log:
        os.environ["ORTAMBRA_SPEECH_LOG"] = os.path.abspath(args.speech_log)
    results = []
    for width, height in args.screen or [(800, 600), (1024, 768)]:
        results.append(play.run_screen(program, width, height, script=__file__,
                                       timeout=TIMEOUT * 12))
    return 0 if all(results) else 1


def command_line(doc, outer, inner, kept_as):
    """Runs a script of PROGRAM [--screen WxH ...] [--speech-log FILE], as play.command_line
    does; Orca's log of each screen is kept as FILE.kept_as."""
    signal.signal(signal.SIGTERM, play.exit_on_sigterm)
    parser = argparse.ArgumentParser(description=doc.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("--screen", action="append", type=play.screen_size,
                        help="WIDTHxHEIGHT; repeat for more screens")
    parser.add_argument("--speech-log", metavar="FILE",
                        help=f"keeps Orca's debug file of each screen as FILE.{kept_as}")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    return inner(args) if args.inner else outer(args)


def main():
    return command_line(__doc__, outer, inner, "WxH")


if __name__ == "__main__":
    sys.exit(main())
