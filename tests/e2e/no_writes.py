#!/usr/bin/env python3
"""Checks the program's promise: nothing written to disk, no network.

    no_writes.py PROGRAM

Plays the end-to-end game of play.py on a 1024x768 screen with the program under
`strace -f -e trace=%file,%network`, opening the real print dialog and cancelling it with
Escape; then again on a 1920x1080 board (--lavagna), typing on the program's on-screen keys.
Fails on any file opened for writing (or created, removed or renamed) and on any
connection other than to the X server, the session bus, the accessibility bus and the system's
print service (CUPS, over its socket or loopback port 631).

Exit status: 0 passed, 1 failed, 77 skipped (a tool is missing; under CI=true that fails).
"""

import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import play  # noqa: E402

WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND")
# Calls that change the file system whatever they return.
CHANGES = ("creat", "mkdir", "mkdirat", "unlink", "unlinkat", "rmdir", "rename", "renameat",
           "renameat2", "link", "linkat", "symlink", "symlinkat", "truncate", "chmod",
           "fchmodat", "chown", "fchownat", "lchown", "utimensat", "mknod", "mknodat")
CUPS_SOCKETS = ("/run/cups/cups.sock", "/var/run/cups/cups.sock")
CALL = re.compile(r"^(\d+)\s+(\w+)\((.*)\)\s+=\s+(.*)$")


def bus_sockets(address):
    """The socket paths (abstract ones with a leading @) of a D-Bus address."""
    found = []
    for part in address.split(";"):
        for key, value in (kv.split("=", 1) for kv in part.partition(":")[2].split(",") if "=" in kv):
            if key == "path":
                found.append(value)
            elif key == "abstract":
                found.append("@" + value)
    return found


def allowed_sockets(allowed_file):
    sockets = set(CUPS_SOCKETS)
    with open(allowed_file) as allowed:
        for line in allowed:
            kind, value = line.split(None, 1)
            value = value.strip()
            if kind == "display":
                number = value.lstrip(":").split(".")[0]
                sockets |= {f"/tmp/.X11-unix/X{number}", f"@/tmp/.X11-unix/X{number}"}
            else:
                sockets |= set(bus_sockets(value))
    return sockets


def problems(log_file, sockets):
    """The calls that wrote to the file system or reached past the desktop. A local socket that
    could not be reached is no connection (the name service cache or the system bus, where none
    runs); any attempt at a network address other than the print service's loopback counts."""
    found = []
    with open(log_file) as log:
        for line in log:
            match = CALL.match(line.strip())
            if not match:
                continue
            _, call, arguments, result = match.groups()
            succeeded = not result.startswith("-1") or "EINPROGRESS" in result
            if call in ("open", "openat", "openat2") and any(f in arguments for f in WRITE_FLAGS):
                if succeeded:
                    found.append(line.strip())
            elif call in CHANGES:
                if succeeded:
                    found.append(line.strip())
            elif call in ("connect", "sendto", "sendmsg"):
                unix = re.search(r'sun_path=(@?)"([^"]*)"', arguments)
                inet = re.search(r'sa_family=AF_INET6?, sin6?_port=htons\((\d+)\)', arguments)
                if unix:
                    if succeeded and unix.group(1) + unix.group(2) not in sockets:
                        found.append(line.strip())
                elif inet:
                    loopback = "127.0.0.1" in arguments or '"::1"' in arguments
                    if not (loopback and inet.group(1) == "631"):
                        found.append(line.strip())
                elif "sa_family=AF_UNSPEC" in arguments or "sa_family" not in arguments:
                    continue  # a call on a socket already connected, or a disconnect
                elif "sa_family=AF_NETLINK" not in arguments:
                    found.append(line.strip())
    return found


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    missing = play.missing_tools() + ([] if shutil.which("strace") else ["strace"])
    status = play.cannot_run("no_writes", program, missing)
    if status is not None:
        return status
    calls = 0
    with tempfile.TemporaryDirectory(prefix="ortambra-strace-") as scratch:
        for width, height, options in ((1024, 768, []), (1920, 1080, ["--lavagna"])):
            log_file = os.path.join(scratch, f"strace-{width}.log")
            if not play.run_screen(program, width, height, ["--strace", log_file, *options]):
                return 1
            found = problems(log_file, allowed_sockets(log_file + ".allowed"))
            if found:
                print("no_writes: FAILED, the program wrote or connected:", file=sys.stderr)
                for line in found:
                    print("  " + line, file=sys.stderr)
                return 1
            with open(log_file) as log:
                calls += sum(1 for _ in log)
    print(f"no_writes: passed, {calls} file and network calls, none writes or leaves the desktop")
    return 0


if __name__ == "__main__":
    sys.exit(main())
