#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Where the sign-in window appears: tied to the practice window, above it, whole on the
screen and, where the program places its windows itself, centred over it, with the keyboard
focus in the Period field.

Three desktops, each private and started here:
  x11       Xvfb, no window manager: the program places its windows itself
  x11-640   the same on a 640 x 480 screen, which the practice window does not fit
  wayland   weston (headless) with Qt's Wayland plugin: the compositor places them
  xwayland  the same weston running Xwayland, the program on X through it
  mutter-xwayland      GNOME's compositor, mutter (headless, a virtual monitor), the program
  mutter-xwayland-640  on X through its Xwayland; the second on a 640 x 480 monitor (run by
                       hand: see tests/wayland/CMakeLists.txt)

weston's desktop shell puts every new top-level window at a random spot, tied to another or not,
so under weston the sign-in window is not asked to be centred: what is checked there is what a
compositor needs to keep it over the practice window (the tie, and on X the dialog type) and
what weston does honour (the stacking, the screen's edges). Headless weston has no keyboard, so
the focus is read only on X (Xvfb and Xwayland). mutter frames the practice window and keeps
the places the program asks for: there the sign-in window is centred over the practice window
within the frame's title bar, since the frame is not yet known when the sign-in window is placed.

Positions come from the window system itself: xwininfo on X, weston's scene graph (its debug
protocol, weston-debug) on Wayland. The tie is read on X from the sign-in window's properties
(xprop), on Wayland from the requests the program sends (WAYLAND_DEBUG). The focus is read
through AT-SPI, as a screen reader sees it. Every wait is bounded; all it starts, it stops. A
missing tool fails, naming its package.

usage: signin_place.py LEG PATH_TO_TOVIMEL
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

    def session_bus(self):
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self.start(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], "the session bus")

    def mutter(self):
        """A headless mutter on a virtual monitor, on its own session bus, with its Xwayland."""
        if not os.path.isdir("/tmp/.X11-unix"):
            os.mkdir("/tmp/.X11-unix")
            os.chmod("/tmp/.X11-unix", 0o1777)  # as the X servers make it, for everyone
        self.session_bus()
        log = os.path.join(self.runtime, "mutter.log")
        self.start(["mutter", "--headless", "--wayland", "--virtual-monitor",
                    f"{SCREEN[0]}x{SCREEN[1]}"], log=log)
        display = wait_for("mutter's X server", lambda: re.search(
            r"Using public X11 display (:\d+)", open(log, errors="replace").read()))
        self.env["DISPLAY"] = display.group(1)
        # Its Xwayland admits only the holders of the cookie it writes here.
        self.env["XAUTHORITY"] = wait_for("mutter's X cookie", lambda: next(
            (os.path.join(self.runtime, f) for f in os.listdir(self.runtime)
             if f.startswith(".mutter-Xwaylandauth")), None))
        wait_for("mutter's X server", lambda: subprocess.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env, capture_output=True,
            text=True, timeout=WAIT).stdout.startswith("_NET_SUPPORTING_WM_CHECK(WINDOW)"))

    def buses(self):
        """A session bus and an accessibility bus, to read the focus as a screen reader does."""
        if "DBUS_SESSION_BUS_ADDRESS" not in self.env:
            self.session_bus()
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
        for name in ("DISPLAY", "XAUTHORITY"):
            if name in self.env:
                os.environ[name] = self.env[name]
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


def x_windows(desktop, ids=None):
    """Title -> (x, y, w, h) of the program's X windows, and the titles bottom to top; with
    `ids`, fills it with title -> X window id."""
    tree = desktop.run(["xwininfo", "-root", "-tree"])
    found, order = {}, []
    for m in re.finditer(r'^\s*(0x[0-9a-f]+) "([^"]*)": \([^)]*\)\s+(\d+)x(\d+)[+-]-?\d+'
                         r'[+-]-?\d+\s+\+(-?\d+)\+(-?\d+)', tree, re.M):
        title = m.group(2)
        if title == SIGN_IN or title.startswith(PRACTICE):
            w, h, x, y = (int(g) for g in m.groups()[2:])
            found[title] = (x, y, w, h)
            order.insert(0, title)  # xwininfo lists the topmost window first
            if ids is not None:
                ids[title] = int(m.group(1), 16)
    return found, order


def x_tie(desktop, window):
    """The window the X window `window` is a transient of (WM_TRANSIENT_FOR), or None, and the
    window type it asks for (_NET_WM_WINDOW_TYPE)."""
    said = desktop.run(["xprop", "-id", hex(window), "WM_TRANSIENT_FOR", "_NET_WM_WINDOW_TYPE"])
    owner = re.search(r"WM_TRANSIENT_FOR\(WINDOW\): window id # (0x[0-9a-f]+)", said)
    kind = re.search(r"_NET_WM_WINDOW_TYPE\(ATOM\) = (\w+)", said)
    return (int(owner.group(1), 16) if owner else None), (kind.group(1) if kind else None)


def x_frame(desktop, window, rect):
    """The X window's rectangle with the frame its window manager drew around it."""
    said = desktop.run(["xprop", "-id", hex(window), "_NET_FRAME_EXTENTS"])
    m = re.search(r"= (\d+), (\d+), (\d+), (\d+)", said)
    left, right, top, bottom = (int(g) for g in m.groups()) if m else (0, 0, 0, 0)
    x, y, w, h = rect
    return x - left, y - top, w + left + right, h + top + bottom


def wayland_tie(log):
    """Title -> the title of the top-level it was made a child of (xdg_toplevel.set_parent), from
    the requests the program logged with WAYLAND_DEBUG=1 (libwayland writes an object as
    interface@id, from 1.23 on as interface#id). Object ids are reused once destroyed, so the
    log is followed in order."""
    top = r"xdg_toplevel[@#](\d+)"
    titles, parents = {}, {}
    for line in open(log, errors="replace"):
        m = re.search(r"-> xdg_surface[@#]\d+\.get_toplevel\(new id " + top + r"\)", line)
        if m:
            titles[m.group(1)] = parents[m.group(1)] = None
        m = re.search("-> " + top + r"\.set_parent\((?:" + top + r"|nil)\)", line)
        if m:
            parents[m.group(1)] = m.group(2)
        m = re.search("-> " + top + r'\.set_title\("(.*)"\)', line)
        if m:
            titles[m.group(1)] = m.group(2)
        m = re.search("-> " + top + r"\.destroy\(\)", line)
        if m:
            titles.pop(m.group(1), None)
            parents.pop(m.group(1), None)
    return {title: titles.get(parents[toplevel]) if parents[toplevel] else None
            for toplevel, title in titles.items() if title}


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
    legs = ("x11", "x11-640", "wayland", "xwayland", "mutter-xwayland", "mutter-xwayland-640")
    if len(sys.argv) != 3 or sys.argv[1] not in legs:
        fail(f"usage: signin_place.py {'|'.join(legs)} PATH_TO_TOVIMEL")
    leg, program = sys.argv[1:]
    if leg.endswith("-640"):
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
    elif leg.startswith("mutter"):
        need("mutter", "mutter")
    else:
        need("weston", "weston")
        need("weston-debug", "weston")
    if "xwayland" in leg:
        need("Xwayland", "xwayland")
    if leg != "wayland":
        need("xwininfo", "x11-utils")
        need("xprop", "x11-utils")

    desktop = Desktop()
    try:
        if leg.startswith("x11"):
            desktop.xvfb()
        elif leg.startswith("mutter"):
            desktop.mutter()
        else:
            desktop.weston(xwayland=leg == "xwayland")
        desktop.buses()
        desktop.env["QT_QPA_PLATFORM"] = "wayland" if leg == "wayland" else "xcb"
        if leg == "wayland":
            desktop.env["WAYLAND_DEBUG"] = "1"  # the requests it sends, to read the tie from
        log = os.path.join(desktop.runtime, "tovimel.log")
        app = desktop.start([program], log=log)
        ids = {}

        def both():
            if app.poll() is not None:
                said = open(log, errors="replace").read()
                if 'platform plugin "wayland"' in said:
                    fail("Qt's Wayland plugin is missing: install the Debian package qt6-wayland")
                fail(f"the program ended ({app.returncode}): " + said[-400:])
            seen = (scene_windows(desktop, app.pid) if leg == "wayland" else
                    x_windows(desktop, ids))
            return seen if len(seen[0]) == 2 else None

        # Positions settle once the program runs its event loop; read twice, a moment apart,
        # so a window still being placed is not measured.
        wait_for("both windows", both)
        time.sleep(1.5)
        found, order = wait_for("both windows", both)
        practice_title = next(title for title in found if title != SIGN_IN)
        if leg == "wayland":
            tie, kind = wayland_tie(log).get(SIGN_IN), None
        else:
            owner, kind = x_tie(desktop, ids[SIGN_IN])
            tie = practice_title if owner == ids[practice_title] else owner
        practice_frame = (x_frame(desktop, ids[practice_title], found[practice_title])
                          if leg != "wayland" else found[practice_title])
        field = None if leg == "wayland" else focused_field()
    finally:
        desktop.down()

    sx, sy, sw, sh = found[SIGN_IN]
    px, py, pw, ph = found[practice_title]
    print(f"{leg}: practice window {pw}x{ph} at ({px}, {py}), sign-in {sw}x{sh} at ({sx}, {sy}); "
          f"tied to: {tie}; type: {kind}; focus: {field}; practice window's frame: "
          f"{practice_frame}")
    problems, held = [], ["tied to the practice window"]
    if tie != practice_title:
        problems.append(f"the sign-in window is not tied to the practice window but to {tie}")
    if leg != "wayland":
        # The type by which X window managers keep a transient over its owner and centre it.
        held.append("a dialog")
        if kind != "_NET_WM_WINDOW_TYPE_DIALOG":
            problems.append(f"the sign-in window is not a dialog but {kind}")
    # weston's desktop shell places every new top-level at a random spot, tied or not, so under
    # weston the sign-in window cannot be asked to be centred. With no window manager (Xvfb) the
    # program places it and the centres agree to the pixel; mutter keeps the places asked for but
    # frames the practice window after the sign-in window was placed over it, so there the
    # centres may differ by up to half the frame's added width and height.
    if leg not in ("wayland", "xwayland"):
        fx, fy, fw, fh = practice_frame
        dx = (sx + sw / 2) - (fx + fw / 2)
        dy = (sy + sh / 2) - (fy + fh / 2)
        slack_x, slack_y = 1 + (fw - pw) / 2, 1 + (fh - ph) / 2
        held.append(f"centred over it ({dx:+.1f}, {dy:+.1f} px from its frame's centre)")
        if abs(dx) > slack_x or abs(dy) > slack_y:
            problems.append(f"the sign-in window is not centred over the practice window: its "
                            f"centre is {dx:+.1f}, {dy:+.1f} px from the practice window's "
                            f"frame's (at most {slack_x:.1f}, {slack_y:.1f})")
    held.append("whole on the screen")
    if sx < 0 or sy < 0 or sx + sw > SCREEN[0] or sy + sh > SCREEN[1]:
        problems.append(f"the sign-in window is not whole on the {SCREEN[0]}x{SCREEN[1]} screen")
    held.append("above it")
    if order.index(SIGN_IN) < order.index(practice_title):
        problems.append("the sign-in window is below the practice window")
    # Headless weston has no keyboard: no window of its own clients has the focus.
    if leg != "wayland":
        held.append("focus in Period")
        if not field or field[0] != "Period" or field[1] != "text":
            problems.append(f"the keyboard focus is not in the Period field but in {field}")
    if problems:
        fail(leg + ": " + "; ".join(problems))
    print(f"{leg}: the sign-in window is " + ", ".join(held))

if __name__ == "__main__":
    main()
