#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays one problem of Tovimel as a screen-reader user does, through AT-SPI (what Orca reads).

On a private desktop (Xvfb, session bus, accessibility bus, registry) it finds the controls by
their accessible names only, reads the problem from the name of the "Simplify" group, types an answer worked
out from that text with real key presses (a wrong one, then the right one), submits with Enter
and reads "wrong" and "right" back; the box the retry form adds says neither. Every wait is
bounded; all it starts, it stops.

usage: screen_reader.py PATH_TO_TOVIMEL
"""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

WAIT = 20.0  # seconds for any one thing to happen


def fail(what):
    raise SystemExit("screen_reader: " + what)


def wait_for(what, probe):
    end = time.monotonic() + WAIT
    while True:
        try:
            got = probe()
        except GLib.Error:  # an object went away while being read: look again
            got = None
        if got:
            return got
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.05)


def connect(address):
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def call(bus, name, path, interface, method, args, reply):
    return bus.call_sync(name, path, interface, method, args, GLib.VariantType(reply),
                         Gio.DBusCallFlags.NONE, 2000, None).unpack()[0]


def has_owner(bus, name):
    return call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "NameHasOwner", GLib.Variant("(s)", (name,)), "(b)")


class Desktop:
    def __init__(self):
        self.procs = []
        self.runtime = tempfile.mkdtemp(prefix="tovimel-atspi-")
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS")}
        self.env["XDG_RUNTIME_DIR"] = self.runtime

    def start(self, argv, ready_line=None):
        """Starts a program; with ready_line, returns the line it writes to {fd} once ready."""
        r, w = os.pipe() if ready_line else (None, None)
        proc = subprocess.Popen([a.replace("{fd}", str(w)) for a in argv], env=self.env,
                                pass_fds=(w,) if w else (), stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        if not ready_line:
            return proc
        os.close(w)
        data, end = b"", time.monotonic() + WAIT
        while not data.endswith(b"\n"):
            if not select.select([r], [], [], max(0.0, end - time.monotonic()))[0]:
                fail("timed out waiting for " + ready_line)
            chunk = os.read(r, 256)
            if not chunk:
                fail(ready_line + " did not start")
            data += chunk
        os.close(r)
        return data.decode().strip()

    def up(self):
        self.env["DISPLAY"] = ":" + self.start(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
            "Xvfb")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "the session bus")
        session = connect(self.env["DBUS_SESSION_BUS_ADDRESS"])
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"])
        wait_for("the accessibility bus", lambda: has_owner(session, "org.a11y.Bus"))
        a11y = connect(call(session, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                            "GetAddress", None, "(s)"))
        self.start(["/usr/libexec/at-spi2-registryd"])
        wait_for("the registry", lambda: has_owner(a11y, "org.a11y.atspi.Registry"))
        for var in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):  # for the client library
            os.environ[var] = self.env[var]

    def down(self):
        for proc in reversed(self.procs):
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)


def play(program):
    from gi.repository import Atspi  # once the buses are up: it connects on import

    def find(root, name, role, prefix=False):
        for i in range(root.get_child_count()):
            child = root.get_child_at_index(i)
            if child and child.get_role() == role and (
                    child.get_name().startswith(name) if prefix else child.get_name() == name):
                return child
            found = child and find(child, name, role, prefix)
            if found:
                return found
        return None

    def focused(obj):
        return obj.get_state_set().contains(Atspi.StateType.FOCUSED)

    def type_keys(text):  # real key presses, to the window that has the keyboard
        for ch in text:
            key = {"\t": 0xFF09, "\n": 0xFF0D}.get(ch, ord(ch))
            Atspi.generate_keyboard_event(key, None, Atspi.KeySynthType.SYM)

    def running_app():
        if program.poll() is not None:
            fail("the program ended with status %d" % program.returncode)
        desktop = Atspi.get_desktop(0)
        apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
        return next((a for a in apps if a and a.get_name() == "Tovimel"), None)

    app = wait_for("the program on the accessibility bus", running_app)
    dialog = wait_for("the sign-in", lambda: find(app, "Please Sign In", Atspi.Role.DIALOG))
    period = find(dialog, "Period", Atspi.Role.TEXT)
    wait_for("the caret in Period", lambda: focused(period))
    type_keys("3\t10234\trivera, ana\tokafor\n")

    main = wait_for("the practice window",
                    lambda: find(app, "Tovimel (Version 3.1)", Atspi.Role.FRAME))
    start = find(main, "Start", Atspi.Role.PUSH_BUTTON)
    coefficient = find(main, "coefficient", Atspi.Role.TEXT)
    wait_for("the caret in the coefficient box after OK", lambda: focused(coefficient))
    start.do_action(0)  # "Press", as a screen reader's activate command does

    heard = wait_for("the problem read aloud", lambda: re.fullmatch(
        r"Simplify root ([1-9]\d*)", find(main, "Simplify", Atspi.Role.PANEL, True).get_name()))
    n = int(heard.group(1))
    root = max(r for r in range(1, n + 1) if n % (r * r) == 0)
    print("screen_reader: heard %r, answering %d root %d" % (heard.group(0), root, n // root ** 2))
    radicand = find(main, "radicand", Atspi.Role.TEXT)
    wait_for("the caret in the coefficient box", lambda: focused(coefficient))
    type_keys("%d\t%d\n" % (root + 1, n // root ** 2))
    # Qt 6.8 announces the verdict and leaves the box only its mark; 6.4 puts the verdict in
    # the description of the box the caret goes to.
    qt = tuple(int(n) for n in app.get_toolkit_version().split(".")[:2])
    print("screen_reader: Qt %d.%d" % qt)
    verdict = (lambda d: d == "wrong") if qt >= (6, 8) else (
        lambda d: d.startswith("Wrong: coefficient."))
    wait_for('"wrong", then "right"', lambda: verdict(coefficient.get_description())
             and radicand.get_description() == "right")

    # The fraction form comes back for another try: its denominator box too, the caret first.
    denominator = wait_for("the denominator box", lambda: find(main, "denominator",
                                                               Atspi.Role.TEXT))
    # It was hidden when the answer was graded: no verdict of its own yet.
    if denominator.get_description():
        fail("the new denominator box says %r" % denominator.get_description())
    wait_for("the caret back in the coefficient box", lambda: focused(coefficient))
    type_keys("%d\t%d\t1\n" % (root, n // root ** 2))
    wait_for('"right" on every box and a score of 1',
             lambda: find(main, "Right 1", Atspi.Role.LABEL)
             and all(box.get_description() == "right" for box in (coefficient, radicand, denominator)))


def main():
    if len(sys.argv) != 2:
        fail("usage: screen_reader.py PATH_TO_TOVIMEL")
    signal.signal(signal.SIGTERM, lambda *_: fail("stopped from outside"))
    signal.signal(signal.SIGALRM, lambda *_: fail("took over two minutes"))
    signal.alarm(120)
    desktop = Desktop()
    try:
        desktop.up()
        desktop.env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        play(desktop.start([sys.argv[1]]))
    finally:
        desktop.down()
    print("screen_reader: heard a wrong and a right answer")


if __name__ == "__main__":
    main()
