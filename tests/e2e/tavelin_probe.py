"""The Win32 view of the desktop, for what a picture cannot tell (enabled state, focus, foreground,
work area, picker values), and input through it from a user at the keyboard."""

import json
import os
import select
import subprocess
import tempfile
import threading
import time


class Probe:
    """The Win32 view of the desktop, through tavelin_probe.exe in the same prefix. One probe process
    answers every question, so that a question costs milliseconds rather than a Wine start."""

    def __init__(self, exe):
        self.exe = str(exe)
        self.process = None
        self.errors = None
        self.pending = b""
        # The presence keeper asks from a thread of its own.
        self.lock = threading.RLock()

    def start(self):
        # Its error output goes to a file: a Wine process it happens to start (the desktop) inherits
        # it and would hold a pipe open.
        self.errors = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["wine", self.exe, "serve"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=self.errors)
        self.pending = b""

    def stop(self):
        with self.lock:
            self._stop()

    def _stop(self):
        if self.process is not None:
            self.process.stdin.close()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=30)
            self.process.stdout.close()
            self.errors.close()
            self.process = None

    def read_line(self, timeout):
        deadline = time.monotonic() + timeout
        output = self.process.stdout.fileno()
        while b"\n" not in self.pending:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([output], [], [], left)[0]:
                raise AssertionError(f"tavelin_probe gave no answer in {timeout} s")
            chunk = os.read(output, 65536)
            if not chunk:
                self.errors.seek(0)
                raise AssertionError(f"tavelin_probe ended: {self.errors.read()[-2000:]!r}")
            self.pending += chunk
        line, self.pending = self.pending.split(b"\n", 1)
        return line.decode()

    def query(self, *args):
        with self.lock:
            if self.process is None or self.process.poll() is not None:
                self.stop()
                self.start()
            self.process.stdin.write(("\t".join(args) + "\n").encode())
            self.process.stdin.flush()
            return json.loads(self.read_line(timeout=30))

    def give_input(self):
        """A mouse move by nothing through SendInput: input from a user at the keyboard."""
        return self.query("input")

    def idle_seconds(self):
        """Seconds since the session's last input, as a program in it reads them."""
        return self.query("idle")["idleMs"] / 1000

    def tips(self):
        """Every visible tooltip window with the text of its current tool (a balloon's text)."""
        return self.query("tips")["tips"]

    def window(self, caption):
        """The top-level window of that caption: found, visible, foreground, pid, rect, client,
        workArea, dpi and its children (class, text, enabled, focused, rect, textExtent, time)."""
        return self.query("window", caption)

    def extent(self, dpi, text):
        """Width and height of the text in the dialog font at the DPI, as the program measures it."""
        return self.query("extent", str(dpi), text)["extent"]

    def close(self, caption):
        """What the close box does: WM_SYSCOMMAND with SC_CLOSE."""
        return self.query("close", caption)

    def menu(self):
        """Whether a menu is open ("open"), and its "rect"."""
        return self.query("menu")

    def power(self, event):
        """What the system sends every top-level window around a sleep: "suspend" or "resume"."""
        return self.query("power", event)

    def tray(self, event, x=0, y=0):
        """What the shell sends the icon for a key on it: "keyselect" (Enter, Space), "select", or
        "contextmenu" (Shift+F10, the menu key) with the icon's place."""
        return self.query("tray", event, str(x), str(y))

    def visible_windows(self):
        """Every visible top-level window: caption, class, pid and rect."""
        return self.query("windows")["windows"]

    def child(self, caption, class_name, text=None):
        """The window's first child of that class (and text); fails without one."""
        window = self.window(caption)
        for child in window.get("children", []):
            if child["class"].lower() == class_name.lower() and (text is None or child["text"] == text):
                return child
        raise AssertionError(f"no {class_name} {text!r} in {caption!r}: {window}")

    def pickers(self, caption):
        """Picker values from top to bottom, and which one has the focus."""
        children = [c for c in self.window(caption)["children"] if c["class"].lower() == "sysdatetimepick32"]
        children.sort(key=lambda c: c["rect"][1])
        return [c["time"] for c in children], [c["focused"] for c in children]

    def time_pickers(self, caption):
        """The interval's and the pause length's pickers, the window's first two: values and focus."""
        values, focus = self.pickers(caption)
        return values[:2], focus[:2]


class Presence:
    """A user at the keyboard: input through the probe every PERIOD seconds, well within the two
    minutes without input that Tavelin takes as time away, until stopped."""

    PERIOD = 20

    def __init__(self, probe):
        self.probe = probe
        self.stopped = threading.Event()
        self.thread = threading.Thread(target=self.keep, daemon=True)

    def start(self):
        self.probe.give_input()
        self.thread.start()

    def keep(self):
        while not self.stopped.wait(self.PERIOD):
            try:
                self.probe.give_input()
            except (AssertionError, OSError, ValueError):
                # The probe is being stopped or restarted; the next round asks again.
                pass

    def stop(self):
        self.stopped.set()
        if self.thread.is_alive():
            self.thread.join(timeout=40)
