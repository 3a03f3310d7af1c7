"""Drives the real Tavelin.exe under Wine the way a user does: the sandbox's prefix and settings
file, the program's runs, and the Win32 probe for what a picture cannot tell (enabled state, focus,
foreground, work area, picker values); the screen itself is tavelin_screen's."""

import difflib
import json
import os
import pathlib
import pwd
import select
import subprocess
import tempfile
import threading
import time

from string_tables import EN

PAUSE_CAPTION = EN["IDS_PAUSE_CAPTION"]
CONFIG_CAPTION = EN["IDS_CONFIGURATION_CAPTION"]


def required_env(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set; run these tests through ctest in the Wine sandbox "
                           "of scripts/test.sh (or scripts/wine-env.sh)")
    return value


def wait_for(condition, timeout, what, interval=0.1):
    """Polls until condition() returns something true and returns it; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"waited {timeout} s for {what}; last seen: {value!r}")
        time.sleep(interval)


def run(args, timeout=30, **kwargs):
    return subprocess.run(args, capture_output=True, text=True, timeout=timeout, check=True, **kwargs).stdout


def reads_whole(line, text):
    """Whether an OCR line begins with the text, every word of it whole. Small type is misread
    (a for &, k for l), so a word may differ in a character or two but not lose its end, as a
    word cut off by an edge or covered by the next control would."""
    read, expected = line.split(), text.split()
    if len(read) < len(expected):
        return False
    for got, want in zip(read, expected):
        if abs(len(got) - len(want)) > 1:
            return False
        if len(want) > 2 and difflib.SequenceMatcher(None, got, want).ratio() < 0.75:
            return False
    return True


def seconds(duration):
    """Seconds of a duration "HH:MM:SS"."""
    hours, minutes, secs = (int(part) for part in duration.split(":"))
    return hours * 3600 + minutes * 60 + secs


def duration(value):
    """A duration as the settings file and the pickers write it, "HH:MM:SS", from seconds (or as given)."""
    if isinstance(value, str):
        return value
    return f"{value // 3600:02}:{value // 60 % 60:02}:{value % 60:02}"


def settings_bytes(interval, length, extra_lines=()):
    """The settings file's bytes: interval and pause length (seconds or "HH:MM:SS"), then Name=Value
    lines, each line ended by CR LF."""
    lines = [duration(interval), duration(length), *extra_lines]
    return "".join(f"{line}\r\n" for line in lines).encode()


def settings_file(prefix):
    """The user's settings file in a Wine prefix."""
    user = pwd.getpwuid(os.getuid()).pw_name
    return pathlib.Path(prefix) / "drive_c" / "users" / user / "AppData" / "Roaming" / "Tavelin" / "config"


def centre(rect):
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def inset(rect, margin):
    left, top, right, bottom = rect
    return left + margin, top + margin, right - margin, bottom - margin


class Environment:
    def __init__(self):
        required_env("DISPLAY")
        self.prefix = pathlib.Path(required_env("WINEPREFIX"))
        self.exe = pathlib.Path(required_env("TAVELIN_EXE"))
        self.probe_exe = pathlib.Path(required_env("TAVELIN_PROBE"))
        self.screenshots = pathlib.Path(required_env("TAVELIN_SCREENSHOTS"))
        self.screenshots.mkdir(parents=True, exist_ok=True)
        self.settings_file = settings_file(self.prefix)
        self.data_folder = self.settings_file.parent

    def write_settings(self, content):
        """Writes the settings file, bytes as settings_bytes makes them."""
        self.data_folder.mkdir(parents=True, exist_ok=True)
        self.settings_file.write_bytes(content)

    def remove_settings(self):
        if self.settings_file.exists():
            self.settings_file.unlink()
        if self.data_folder.exists():
            self.data_folder.rmdir()

    def kill_wine(self):
        subprocess.run(["wineserver", "-k"], capture_output=True, timeout=60)
        subprocess.run(["wineserver", "-w"], capture_output=True, timeout=60)

    def change_registry(self, command, key, name, value):
        """Runs a Wine command that sets a value Wine reads only when its server starts, from a
        stopped server, lets the server end by itself (killed, a server busy on a loaded machine ends
        by SIGKILL and forgets the change) and reads the value back, which starts the server again.
        Under load Wine now and then fails a registry command (reg add and reg query were seen to);
        the whole change is made again then, three times at most."""
        for _ in range(3):
            self.kill_wine()
            # Bytes: reg prints in the code page of the user's language.
            written = subprocess.run(["wine", *command], capture_output=True, timeout=120)
            subprocess.run(["wineserver", "-w"], capture_output=True, timeout=120, check=True)
            read = subprocess.run(["wine", "reg", "query", key, "/v", name], capture_output=True, timeout=120)
            if written.returncode == 0 and value.encode() in read.stdout:
                return
        raise AssertionError(f"Wine did not take {name} {value}: {written.returncode} {read.returncode} "
                             f"{read.stdout + read.stderr!r}")


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
        return self.query("window", caption)

    def extent(self, dpi, text):
        """Width and height of the text in the dialog font at the DPI, as the program measures it."""
        return self.query("extent", str(dpi), text)["extent"]

    def close(self, caption):
        """What the close box does: WM_SYSCOMMAND with SC_CLOSE."""
        return self.query("close", caption)

    def menu(self):
        return self.query("menu")

    def power(self, event):
        """What the system sends every top-level window around a sleep: "suspend" or "resume"."""
        return self.query("power", event)

    def tray(self, event, x=0, y=0):
        """What the shell sends the icon for a key on it: "keyselect" (Enter, Space), "select", or
        "contextmenu" (Shift+F10, the menu key) with the icon's place."""
        return self.query("tray", event, str(x), str(y))

    def visible_windows(self):
        return self.query("windows")["windows"]

    def child(self, caption, class_name, text=None):
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


class Program:
    """One run of Tavelin.exe, started as a user would start it, in an empty working folder."""

    def __init__(self, environment, env=None):
        self.environment = environment
        self.workdir = tempfile.TemporaryDirectory(prefix="tavelin-e2e-")
        self.started = time.monotonic()
        self.process = subprocess.Popen(["wine", str(environment.exe)], cwd=self.workdir.name, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def running(self):
        return self.process.poll() is None

    def wait_exit(self, timeout):
        return self.process.wait(timeout=timeout)

    def files_in_workdir(self):
        return sorted(p.name for p in pathlib.Path(self.workdir.name).iterdir())

    def stop(self):
        """Last resort after a failure: end this process and the prefix's, so nothing stays behind."""
        if self.running():
            self.process.kill()
            self.process.wait(timeout=30)
            self.environment.kill_wine()
        self.workdir.cleanup()
