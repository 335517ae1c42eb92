#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Where the sign-in window appears: over the practice window, centred on it, whole on the
screen, above it, with the keyboard focus in the Period field.

Three desktops, each private and started here:
  x11       Xvfb, no window manager: the program places its windows itself
  x11-640   the same on a 640 x 480 screen, which the practice window does not fit
  wayland   weston (headless) with Qt's Wayland plugin: the compositor places them
  xwayland  the same weston running Xwayland, the program on X through it

Positions come from the window system itself: xwininfo on X, weston's scene graph (its debug
protocol, weston-debug) on Wayland. The focus is read through AT-SPI, as a screen reader sees it.
Every wait is bounded; all it starts, it stops. A missing tool fails, naming its package.

usage: signin_place.py x11|x11-640|wayland|xwayland PATH_TO_TOVIMEL
"""
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time

WAIT = 20.0  # seconds for any one thing to happen
SCREEN = (1280, 800)
SIGN_IN = "Please Sign In"
PRACTICE = "Tovimel (Version"


def fail(what):
    raise SystemExit("signin_place: " + what)


def need(tool, package):
    if not shutil.which(tool):
        fail(f"{tool} is missing: install the Debian package {package}")


def wait_for(what, probe):
    end = time.monotonic() + WAIT
    while True:
        got = probe()
        if got:
            return got
        if time.monotonic() > end:
            fail("timed out waiting for " + what)
        time.sleep(0.1)


class Desktop:
    def __init__(self):
        self.procs = []
        self.runtime = tempfile.mkdtemp(prefix="tovimel-place-")
        os.chmod(self.runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "AT_SPI_BUS",
                                 "DBUS_SESSION_BUS_ADDRESS")}
        self.env["XDG_RUNTIME_DIR"] = self.runtime

    def start(self, argv, ready_line=None, log=None):
        """Starts a program; with ready_line, returns the line it writes to {fd} once ready."""
        r, w = os.pipe() if ready_line else (None, None)
        out = open(log, "w") if log else subprocess.DEVNULL
        proc = subprocess.Popen([a.replace("{fd}", str(w)) for a in argv], env=self.env,
                                pass_fds=(w,) if w else (), stdout=out, stderr=out)
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

    def run(self, argv):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True,
                              timeout=WAIT).stdout

    def xvfb(self):
        self.env["DISPLAY"] = ":" + self.start(
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
             "-nolisten", "tcp"], "Xvfb")

    def weston(self, xwayland):
        """A headless weston that draws (pixman), with its debug protocol for the scene graph."""
        log = os.path.join(self.runtime, "weston.log")
        version = int(re.search(r"(\d+)\.", self.run(["weston", "--version"])).group(1))
        argv = ["weston", "--socket=tovimel-place", "--idle-time=0", "--debug",
                f"--width={SCREEN[0]}", f"--height={SCREEN[1]}", "--log=" + log]
        # weston 10 (Debian 12) names its back end by file and draws with --use-pixman; later
        # releases take names and --renderer.
        argv += (["--backend=headless-backend.so", "--use-pixman"] if version < 11 else
                 ["--backend=headless", "--renderer=pixman"])
        if xwayland:
            # Xwayland's sockets live here; weston does not make the directory itself.
            if not os.path.isdir("/tmp/.X11-unix"):
                os.mkdir("/tmp/.X11-unix")
                os.chmod("/tmp/.X11-unix", 0o1777)  # as the X servers make it, for everyone
            argv.append("--xwayland")
        self.start(argv)
        self.env["WAYLAND_DISPLAY"] = "tovimel-place"
        wait_for("weston", lambda: os.path.exists(os.path.join(self.runtime, "tovimel-place")))
        if xwayland:
            display = wait_for("weston's X server", lambda: re.search(
                r"xserver listening on display (:\d+)", open(log).read()))
            self.env["DISPLAY"] = display.group(1)

    def buses(self):
        """A session bus and an accessibility bus, to read the focus as a screen reader does."""
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "the session bus")
        from gi.repository import Gio, GLib

        def owned(bus, name):
            return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                 "org.freedesktop.DBus", "NameHasOwner",
                                 GLib.Variant("(s)", (name,)), GLib.VariantType("(b)"),
                                 Gio.DBusCallFlags.NONE, 2000, None).unpack()[0]

        def connect(address):
            return Gio.DBusConnection.new_for_address_sync(
                address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        session = connect(self.env["DBUS_SESSION_BUS_ADDRESS"])
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately", "--a11y=1"])
        wait_for("the accessibility bus", lambda: owned(session, "org.a11y.Bus"))
        a11y = connect(session.call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
            GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 2000, None).unpack()[0])
        self.start(["/usr/libexec/at-spi2-registryd"])
        wait_for("the registry", lambda: owned(a11y, "org.a11y.atspi.Registry"))
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"]
        if "DISPLAY" in self.env:
            os.environ["DISPLAY"] = self.env["DISPLAY"]
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def down(self):
        for proc in reversed(self.procs):
            proc.terminate()
            try:
                proc.wait(timeout=5)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)


def x_windows(desktop):
    """Title -> (x, y, w, h) of the program's X windows, and the titles bottom to top."""
    tree = desktop.run(["xwininfo", "-root", "-tree"])
    found, order = {}, []
    for m in re.finditer(r'^\s*0x[0-9a-f]+ "([^"]*)": \([^)]*\)\s+(\d+)x(\d+)[+-]-?\d+[+-]-?\d+'
                         r'\s+\+(-?\d+)\+(-?\d+)', tree, re.M):
        title = m.group(1)
        if title == SIGN_IN or title.startswith(PRACTICE):
            w, h, x, y = (int(g) for g in m.groups()[1:])
            found[title] = (x, y, w, h)
            order.insert(0, title)  # xwininfo lists the topmost window first
    return found, order


def scene_windows(desktop, pid):
    """Title -> (x, y, w, h) of the program's surfaces in weston's scene graph, bottom to top."""
    graph = desktop.run(["weston-debug", "scene-graph"])
    found, order = {}, []
    for m in re.finditer(r"View \d+ \(role xdg_toplevel, PID (\d+), surface ID \d+, "
                         r"top-level window '([^']*)'.*\n\s*position: \((-?\d+), (-?\d+)\) -> "
                         r"\((-?\d+), (-?\d+)\)", graph):
        if int(m.group(1)) != pid:
            continue
        x1, y1, x2, y2 = (int(g) for g in m.groups()[2:])
        found[m.group(2)] = (x1, y1, x2 - x1, y2 - y1)
        order.insert(0, m.group(2))  # the graph lists the topmost view first
    return found, order


def focused_field():
    """The accessible name and role of what has the keyboard focus in the sign-in window."""
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi

    def walk(obj):
        if obj is None:
            return None
        if obj.get_state_set().contains(Atspi.StateType.FOCUSED):
            return obj
        for i in range(obj.get_child_count()):
            hit = walk(obj.get_child_at_index(i))
            if hit:
                return hit
        return None

    def probe():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            for j in range(app.get_child_count() if app else 0):
                window = app.get_child_at_index(j)
                if window and window.get_name() == SIGN_IN:
                    hit = walk(window)
                    if hit:
                        return hit.get_name(), hit.get_role_name()
        return None

    end = time.monotonic() + WAIT / 2
    while time.monotonic() < end:
        try:
            got = probe()
        except Exception:  # an object went away while being read: look again
            got = None
        if got:
            return got
        time.sleep(0.2)
    return None


def main():
    global SCREEN
    if len(sys.argv) != 3 or sys.argv[1] not in ("x11", "x11-640", "wayland", "xwayland"):
        fail("usage: signin_place.py x11|x11-640|wayland|xwayland PATH_TO_TOVIMEL")
    leg, program = sys.argv[1:]
    if leg == "x11-640":
        SCREEN = (640, 480)
    need("dbus-daemon", "dbus")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        fail("the accessibility bus is missing: install the Debian package at-spi2-core")
    try:
        import gi
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError):
        fail("AT-SPI for Python is missing: install the Debian packages python3-gi "
             "gir1.2-atspi-2.0")
    if leg.startswith("x11"):
        need("Xvfb", "xvfb")
    else:
        need("weston", "weston")
        need("weston-debug", "weston")
    if leg == "xwayland":
        need("Xwayland", "xwayland")
    if leg != "wayland":
        need("xwininfo", "x11-utils")

    desktop = Desktop()
    try:
        if leg.startswith("x11"):
            desktop.xvfb()
        else:
            desktop.weston(xwayland=leg == "xwayland")
        desktop.buses()
        desktop.env["QT_QPA_PLATFORM"] = "wayland" if leg == "wayland" else "xcb"
        log = os.path.join(desktop.runtime, "tovimel.log")
        app = desktop.start([program], log=log)

        def both():
            if app.poll() is not None:
                said = open(log).read()
                if 'platform plugin "wayland"' in said:
                    fail("Qt's Wayland plugin is missing: install the Debian package qt6-wayland")
                fail(f"the program ended ({app.returncode}): " + said[-400:])
            seen = (scene_windows(desktop, app.pid) if leg == "wayland" else
                    x_windows(desktop))
            return seen if len(seen[0]) == 2 else None

        # Positions settle once the program runs its event loop; read twice, a moment apart,
        # so a window still being placed is not measured.
        wait_for("both windows", both)
        time.sleep(1.5)
        found, order = wait_for("both windows", both)
        field = focused_field()
    finally:
        desktop.down()

    sign_in = found[SIGN_IN]
    practice = next(rect for title, rect in found.items() if title != SIGN_IN)
    sx, sy, sw, sh = sign_in
    px, py, pw, ph = practice
    print(f"{leg}: practice window {pw}x{ph} at ({px}, {py}), sign-in {sw}x{sh} at ({sx}, {sy}); "
          f"focus: {field}")
    problems = []
    # A window manager's frame around the practice window moves its centre from that of the
    # client area by up to half a title bar; with no frame (Xvfb) the centres agree to the pixel.
    slack_x, slack_y = (1, 1) if leg.startswith("x11") else (8, 20)
    dx = (sx + sw / 2) - (px + pw / 2)
    dy = (sy + sh / 2) - (py + ph / 2)
    if abs(dx) > slack_x or abs(dy) > slack_y:
        problems.append(f"the sign-in window is not centred over the practice window: its centre "
                        f"is {dx:+.1f}, {dy:+.1f} px from the practice window's")
    if sx < 0 or sy < 0 or sx + sw > SCREEN[0] or sy + sh > SCREEN[1]:
        problems.append(f"the sign-in window is not whole on the {SCREEN[0]}x{SCREEN[1]} screen")
    if order.index(SIGN_IN) < max(order.index(t) for t in found if t != SIGN_IN):
        problems.append("the sign-in window is below the practice window")
    if not field or field[0] != "Period" or field[1] != "text":
        problems.append(f"the keyboard focus is not in the Period field but in {field}")
    if problems:
        fail(leg + ": " + "; ".join(problems))
    print(f"{leg}: the sign-in window stands centred over the practice window "
          f"({dx:+.1f}, {dy:+.1f} px), whole on the screen, above it, focus in Period")


if __name__ == "__main__":
    main()
