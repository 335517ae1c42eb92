#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plays whole runs of Tovimel with Debian's screen reader, Orca, and checks what it SPOKE.

On a private desktop (Xvfb, session bus, dconf, accessibility bus and registry) the screen reader
is switched on as a desktop does it (the GNOME setting), speech-dispatcher writes every utterance
to a file, and Orca runs with its default settings. Keys go in through xdotool, as from a
keyboard: digits, "-", Tab, Shift+Tab, arrows and Enter (and once per run where-am-I and F2).
One run at level 1 and one at level 5, from sign-in to the results screen, which it then reads
by flat review (KP_Home, KP_Prior). Keys come at a student's pace: no pause lets Orca catch up.
Each problem, form and score Orca speaks must be the one the screen shows then, read from the
accessibility tree; each answer is worked out from the screen, one per run is wrong on purpose.
Some words must never be heard: the unnamed frames around the boxes before a problem, a verdict
on the box a retry form adds.
Every wait is bounded; all it starts, it stops.

usage: orca_run.py PATH_TO_TOVIMEL [TRANSCRIPT_DIR]
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from screen_reader import Desktop, connect, call, fail, has_owner, wait_for  # noqa: E402
from gi.repository import GLib  # noqa: E402

SPEECH_WAIT = 10.0  # seconds for Orca to say a thing after its cause
PROBLEMS = 20

# Each Orca's own words where they differ, by its major version: a word from another version is
# a wrong control, not a synonym. Where-am-I in an answer box: Orca 43 reads the box's
# description, which carries the problem; with Qt 6.8 the problem is announced and the box's
# description keeps only its mark, so Orca 48 says the box alone.
ORCA_WORDS = {
    43: {"button": "push button", "where am I": r"Problem 1 of 20: {problem}\."},
    48: {"button": "button", "where am I": r"{box} text\."},
}


def setting_up(desktop):
    """A home of its own, speech into a file, the screen reader switched on; returns the file."""
    root = desktop.runtime
    home = os.path.join(root, "home")
    for d in ("home", "config", "data", "cache", "speechd/modules", "orca"):
        os.makedirs(os.path.join(root, d), exist_ok=True)
    desktop.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(root, "config"),
                       XDG_DATA_HOME=os.path.join(root, "data"),
                       XDG_CACHE_HOME=os.path.join(root, "cache"))
    with open(os.path.join(home, ".libao"), "w") as f:
        f.write("default_driver=null\n")
    spoken = os.path.join(root, "spoken.txt")
    open(spoken, "w").close()
    conf = os.path.join(root, "speechd")
    with open(os.path.join(conf, "modules", "file.conf"), "w") as f:
        # One line per utterance, appended as it is spoken.
        f.write('GenericExecuteSynth "printf \'%%s\\\\n\' \\\'$DATA\\\' >> %s"\n' % spoken)
        f.write('AddVoice "en" "MALE1" "en"\nGenericLanguage "en" "en" "utf-8"\n')
    socket = os.path.join(root, "speechd.sock")
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write('AudioOutputMethod "libao"\nAddModule "file" "sd_generic" "file.conf"\n'
                'DefaultModule file\nLanguageDefaultModule "en" "file"\n'
                'DefaultLanguage "en"\n')
    desktop.env["SPEECHD_ADDRESS"] = "unix_socket:" + socket
    desktop.start(["speech-dispatcher", "-s", "-t", "0", "-c", "unix_socket", "-S", socket,
                   "-C", conf, "-m", "/usr/lib/speech-dispatcher-modules"])
    wait_for("speech-dispatcher's socket", lambda: os.path.exists(socket))
    return spoken


def switch_on(desktop):
    subprocess.run(["gsettings", "set", "org.gnome.desktop.a11y.applications",
                    "screen-reader-enabled", "true"], env=desktop.env, check=True, timeout=20)
    session = connect(desktop.env["DBUS_SESSION_BUS_ADDRESS"])
    wait_for("the screen reader switched on", lambda: call(
        session, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get",
        GLib.Variant("(ss)", ("org.a11y.Status", "ScreenReaderEnabled")), "(v)"))
    # dconf's service was started by the bus: it is ours to stop too.
    if has_owner(session, "ca.desrt.dconf"):
        pid = call(session, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                   "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                   GLib.Variant("(s)", ("ca.desrt.dconf",)), "(u)")
        desktop.pids.append(pid)


class Ears:
    """What Orca has said, line by line, read from speech-dispatcher's file."""

    def __init__(self, path):
        self.path = path
        self.heard = []
        self.at = 0  # lines already looked at by expect()

    def read(self):
        with open(self.path, encoding="utf-8", errors="replace") as f:
            self.heard = [line.rstrip("\n") for line in f]

    def expect(self, pattern, what):
        """Waits for pattern in what was said since the last match; speech-dispatcher gives each
        sentence a line of its own, so a pattern may span lines. Returns the match."""
        end = time.monotonic() + SPEECH_WAIT
        regex = re.compile(pattern)
        while True:
            self.read()
            text = "\n".join(self.heard[self.at:])
            found = regex.search(text)
            if found:
                self.at += text.count("\n", 0, found.end()) + 1
                return found
            if time.monotonic() > end:
                fail("Orca did not say %s (/%s/); its last words:\n  %s"
                     % (what, pattern, "\n  ".join(self.heard[-12:])))
            time.sleep(0.05)

    def after(self, press, seconds=1.5):
        """Presses, then waits a moment for a line: the next key would cut it short, and speech
        cut short never reaches the file. Past the edge of the screen nothing is said."""
        self.read()
        count = len(self.heard)
        press()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            self.read()
            if len(self.heard) > count:
                return
            time.sleep(0.05)

    def quiet(self, seconds=0.4):
        """Waits until Orca has said nothing new for a moment."""
        end = time.monotonic() + SPEECH_WAIT
        count = -1
        while time.monotonic() < end:
            self.read()
            if len(self.heard) == count:
                return
            count = len(self.heard)
            time.sleep(seconds)


def orca_words(desktop):
    """The words of the Orca installed here, by its version."""
    said = subprocess.run(["orca", "--version"], env=desktop.env, capture_output=True, text=True,
                          timeout=20).stdout
    found = re.search(r"\b(\d+)\.\d+", said)  # "43.1"; "Orca version 48.1, AT-SPI2 ..."
    if not found:
        fail("orca --version said no version: %r" % said)
    major = int(found.group(1))
    if major not in ORCA_WORDS:
        fail("Orca %s: its words for a button and where-am-I are not known to this test yet "
             "(ORCA_WORDS knows %s)" % (found.group(0), sorted(ORCA_WORDS)))
    return major, ORCA_WORDS[major]


class Screen:
    """The practice window as the accessibility tree shows it: what the student would see."""

    def __init__(self, program):
        from gi.repository import Atspi  # once the buses are up: it connects on import
        self.Atspi = Atspi
        self.program = program
        self.found = {}

    def app(self):
        if self.program.poll() is not None:
            fail("the program ended with status %d" % self.program.returncode)
        desktop = self.Atspi.get_desktop(0)
        apps = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
        return next((a for a in apps if a and a.get_name() == "Tovimel"), None)

    def _walk(self, obj, out):
        for i in range(obj.get_child_count()):
            child = obj.get_child_at_index(i)
            if child:
                out.append(child)
                self._walk(child, out)

    def _all(self, role):
        """The objects of `role`, found once a problem shows: they stay while their names
        change."""
        if not self.found:
            app = wait_for("the program on the accessibility bus", self.app)
            every = []
            self._walk(app, every)
            for o in every:
                self.found.setdefault(o.get_role(), []).append(o)
        for o in self.found.get(role, []):
            o.clear_cache()  # read the program, not a copy
        return self.found.get(role, [])

    def _name(self, role, prefix):
        got = [n for n in (o.get_name() for o in self._all(role)) if n.startswith(prefix)]
        if len(got) != 1:
            fail("the screen shows %d of %r: %r" % (len(got), prefix, got))
        return got[0][len(prefix):]

    def problem(self):
        """(number, problem, answer form) as the window shows them."""
        Role = self.Atspi.Role
        forms = [o for o in self._all(Role.RADIO_BUTTON)
                 if o.get_state_set().contains(self.Atspi.StateType.CHECKED)]
        if len(forms) != 1:
            fail("%d answer forms are selected on the screen" % len(forms))
        return (int(self._name(Role.LABEL, "Problem ")), self._name(Role.PANEL, "Simplify "),
                forms[0].get_name())

    def score(self):
        Role = self.Atspi.Role
        return int(self._name(Role.LABEL, "Right ")), int(self._name(Role.LABEL, "Total "))


def keys(desktop, *names):
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(names), env=desktop.env,
                   check=True, timeout=20)


def type_text(desktop, text):
    subprocess.run(["xdotool", "type", "--delay", "30", "--", text], env=desktop.env, check=True,
                   timeout=20)


def solve(level, problem):
    """The answer's boxes in order, from the problem as spoken."""
    if level == 1:
        n = int(re.fullmatch(r"root (\d+)", problem).group(1))
        root = max(r for r in range(1, n + 1) if n % (r * r) == 0)
        return {"coefficient": root, "radicand": n // root ** 2}
    # 1 / (a + b root c), times the conjugate; the program cancels the primes its numbers are
    # made of, 2, 3 and 5.
    a, b, c = map(int, re.fullmatch(
        r"1 over the quantity (\d+) plus (\d+) root (\d+)", problem).groups())
    k1, k2, k5 = a, -b, a * a - b * b * c
    if k5 < 0:
        k1, k2, k5 = -k1, -k2, -k5
    for p in (2, 3, 5):
        while k1 % p == 0 and k2 % p == 0 and k5 % p == 0:
            k1, k2, k5 = k1 // p, k2 // p, k5 // p
    return {"whole part": k1, "coefficient": k2, "radicand": c, "denominator": k5}


def fill(desktop, ears, boxes, form_sign):
    """Types the parts into the form's shown boxes, choosing the sign's form first."""
    if form_sign is not None and boxes["coefficient"] < 0 and form_sign == "plus":
        # From the last box: Tab past Submit to the selected form, an arrow to its minus twin.
        keys(desktop, "Tab", "Tab", "Tab", "Tab", "Tab")
        ears.expect(r"radio button", "the selected answer form")
        keys(desktop, "Down")
        ears.expect(r"Answer form the quantity a minus b root c, over d", "the minus form")
    order = ["whole part", "coefficient", "radicand", "denominator"]
    shown = [k for k in order if k in boxes]
    for i, part in enumerate(shown):
        value = abs(boxes[part]) if part == "coefficient" and form_sign else boxes[part]
        type_text(desktop, str(value))
        if i + 1 < len(shown):
            keys(desktop, "Tab")
            ears.expect(part_name(shown[i + 1]), "the box " + shown[i + 1])


def part_name(part):
    return r"\b%s\b" % part


def never_said(ears, since, pattern, where):
    """Fails if Orca said pattern in a line heard since that line."""
    ears.read()
    for line in ears.heard[since:ears.at]:
        if re.search(pattern, line):
            fail("Orca said %r %s" % (line, where))


def heard_as_shown(told, screen, number):
    """The problem Orca told must be the one on the screen: a stale one fails."""
    shown = screen.problem()
    heard = (int(told.group(1)), told.group(2), told.group(3))
    if heard != shown or shown[0] != number:
        fail("problem %d: Orca said %r, the screen shows %r" % (number, told.group(0), shown))
    return shown


def play(desktop, ears, level, transcript, words, program):
    screen = Screen(program)
    button = words["button"]
    start_line = len(ears.heard)
    # A program starting on a busy machine may take longer than Orca takes to speak.
    wait_for("the program on the accessibility bus", screen.app)
    ears.expect(r"Period", "the Period field")
    for text, field in (("3", "#ID or Student ID"), ("10234", r"Name \(Last, First\)"),
                        ("Rivera, Ana", "Teacher")):
        type_text(desktop, text)
        keys(desktop, "Tab")
        ears.expect(field, "the field " + field)
    type_text(desktop, "Okafor")
    keys(desktop, "Return")
    ears.expect(r"No problem yet", "that no problem exists yet")
    ears.quiet()
    keys(desktop, "shift+Tab")
    ears.expect(r"Start %s\." % button, "Start")
    if level != 1:
        keys(desktop, "shift+Tab")
        ears.expect(r"Level 1", "the level")
        for n in range(2, level + 1):
            keys(desktop, "Down")
            ears.expect(r"Level %d" % n, "level %d" % n)
        keys(desktop, "Tab")
        ears.expect(r"Start %s\." % button, "Start")
    keys(desktop, "Return")
    wrong_at = 2
    for number in range(1, PROBLEMS + 1):
        before = ears.at
        told = ears.expect(r"Problem (\d+) of 20: (.*?)\.\s+Answer form (.*?)\.",
                           "problem %d" % number)
        # The frames around the boxes only gather them: nothing to say before a problem.
        never_said(ears, before, r"\bAnswer (boxes )?panel\b", "before problem %d" % number)
        _, problem, _ = heard_as_shown(told, screen, number)
        boxes = solve(level, problem)
        if number == 1:
            # On demand: where-am-I in the box, then the program's own key.
            ears.quiet()
            keys(desktop, "KP_Enter")
            box = "coefficient" if level == 1 else "whole part"  # where the caret is
            ears.expect(words["where am I"].format(problem=re.escape(problem), box=box),
                        "where-am-I")
            keys(desktop, "F2")
            ears.expect(r"Simplify %s\.\s+Answer form %s\." % (
                re.escape(problem), re.escape(screen.problem()[2])), "F2")
        sign = "plus" if level == 5 else None
        if number == wrong_at:
            bad = dict(boxes, radicand=boxes["radicand"] * 4)
            if level == 1:
                bad = {k: bad[k] for k in ("coefficient", "radicand")}
            fill(desktop, ears, bad, sign)
            keys(desktop, "Return")
            # The form changes back to the level's own: a root b over c at level 1, and the plus
            # form at level 5 when the minus one was chosen.
            new_form = level == 1 or boxes["coefficient"] < 0
            verdict = ears.expect(r"Wrong: radicand\." + (
                r"\s+Now the answer form (.*?)\." if new_form else ""), "the wrong verdict")
            if new_form and verdict.group(1) != screen.problem()[2]:
                fail("Orca said %r, the screen shows the form %r"
                     % (verdict.group(0), screen.problem()[2]))
            if level == 1:
                boxes = dict(boxes, denominator=1)
            retry_from = ears.at
        fill(desktop, ears, boxes, sign)
        if number == wrong_at and level == 1:
            # The box the retry form added was not graded: it says no verdict.
            ears.quiet()
            said = ears.heard[retry_from:]
            at = max(i for i, line in enumerate(said) if re.search(r"\bdenominator\b", line))
            if any(re.search(r"\b(right|wrong)\b", line) for line in said[at:at + 2]):
                fail("the new denominator box was heard graded: %s" % " | ".join(said[at:]))
        keys(desktop, "Return")
        if number < PROBLEMS:
            verdict = ears.expect(r"Right\.\s+(\d+) right of (\d+),", "the verdict right")
            heard = (int(verdict.group(1)), int(verdict.group(2)))
            if heard[0] != number or heard != screen.score():
                fail("Orca said %r, the screen shows Right %d, Total %d"
                     % ((verdict.group(0),) + screen.score()))
            keys(desktop, "Return")
    ears.expect(r"Print Results %s\." % button, "Print Results")
    end = ears.expect(r"Right\.\s+Run over: 20 right of 21, grade (\d+)%, time ([0-9:]+)\.",
                      "the end of the run")
    if end.group(1) != "95":
        fail("the grade heard is " + end.group(1))
    ears.quiet()
    # Flat review: up to the top of the results screen, then down every line of it. Each value is
    # read with its name, once.
    for _ in range(8):
        ears.after(lambda: keys(desktop, "KP_Home"))
    ears.quiet()
    top = len(ears.heard)
    for _ in range(10):
        ears.after(lambda: keys(desktop, "KP_Prior"))
    ears.quiet()
    screen = " | ".join(ears.heard[top - 1:])  # the top line, then the ones below
    for value in ("Problem 20", "Right 20", "Total 21", "Grade 95%", "Time ", "Level %d" % level,
                  "Name Rivera, Ana", "Teacher Okafor", "Print Results"):
        if screen.count(value) != 1:
            fail("flat review read %r %d times: %s" % (value, screen.count(value), screen))
    ears.at = len(ears.heard)
    if transcript:
        with open(transcript, "w", encoding="utf-8") as f:
            f.write("\n".join(ears.heard[start_line:]) + "\n")


def main():
    if len(sys.argv) not in (2, 3):
        fail("usage: orca_run.py PATH_TO_TOVIMEL [TRANSCRIPT_DIR]")
    out_dir = sys.argv[2] if len(sys.argv) == 3 else None
    signal.signal(signal.SIGTERM, lambda *_: fail("stopped from outside"))
    signal.signal(signal.SIGALRM, lambda *_: fail("took over six minutes"))
    signal.alarm(360)
    desktop = Desktop()
    desktop.pids = []
    try:
        spoken = setting_up(desktop)
        desktop.up()
        switch_on(desktop)
        ears = Ears(spoken)
        version, words = orca_words(desktop)
        desktop.start(["orca", "--replace", "-u", os.path.join(desktop.runtime, "orca"),
                       "--debug-file", os.path.join(desktop.runtime, "orca.debug")])
        ears.expect(r"Screen reader on", "that it is on")
        ears.quiet()
        desktop.env.update(QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
        for level in (1, 5):
            program = desktop.start([sys.argv[1]])
            transcript = out_dir and os.path.join(out_dir, "orca-level%d.txt" % level)
            play(desktop, ears, level, transcript, words, program)
            program.terminate()
            program.wait(timeout=10)
            print("orca_run: Orca %d, level %d, %d utterances" % (version, level, len(ears.heard)))
        hidden = re.compile(r"\bKey\b|Answer key")
        told = [line for line in ears.heard if hidden.search(line)]
        if told:
            fail("the hidden key was spoken: %r" % told[:3])
    finally:
        debug = os.path.join(desktop.runtime, "orca.debug")
        if out_dir and os.path.exists(debug):  # Orca's own log, for whoever looks into a failure
            shutil.copy(debug, out_dir)
        for pid in desktop.pids:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        desktop.down()
    print("orca_run: both runs heard whole")


if __name__ == "__main__":
    main()
