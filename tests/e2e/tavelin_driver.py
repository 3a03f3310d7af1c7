"""Drives the real Tavelin.exe under Wine the way a user does: mouse and keys through xdotool,
screenshots with ImageMagick, text read back with tesseract, plus the Win32 probe for what a
picture cannot tell (enabled state, focus, foreground, work area, picker values)."""

import difflib
import json
import os
import pathlib
import pwd
import re
import select
import subprocess
import tempfile
import threading
import time

TRAY_NAME = "Wine System Tray"
PAUSE_CAPTION = "Pause"
CONFIG_CAPTION = "Configure rest pause"
# Reading a screenshot after the fact yields the processor to the programs under test, which run
# side by side on other displays and must keep their one-second timing.
AFTER_THE_FACT = ["nice", "-n", "10"]


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
        user = pwd.getpwuid(os.getuid()).pw_name
        self.data_folder = self.prefix / "drive_c" / "users" / user / "AppData" / "Roaming" / "Tavelin"
        self.settings_file = self.data_folder / "config"
        self.history_file = self.data_folder / "history.csv"

    def write_settings(self, content):
        self.data_folder.mkdir(parents=True, exist_ok=True)
        self.settings_file.write_bytes(content)

    def remove_settings(self):
        """Removes the settings and the history the program keeps beside them."""
        for file in (self.settings_file, self.history_file):
            if file.exists():
                file.unlink()
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


class Screen:
    """The X display: pictures, text read from them, and the user's mouse and keyboard."""

    def __init__(self, folder, language="eng"):
        self.folder = folder
        # Tesseract's name of the language the texts are read in.
        self.language = language

    def shot(self, name):
        path = self.folder / f"{name}.png"
        run(["import", "-window", "root", str(path)])
        return path

    @staticmethod
    def crop_args(rect, scale):
        left, top, right, bottom = rect
        return ["-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage", "-colorspace", "Gray",
                "-resize", f"{scale * 100}%"]

    def read_lines(self, shot, rect, scale=3):
        """OCR of a screen rectangle: [(text, (left, top, right, bottom) on screen)] per line."""
        with tempfile.TemporaryDirectory() as folder:
            crop = pathlib.Path(folder) / "crop.png"
            run([*AFTER_THE_FACT, "convert", str(shot), *self.crop_args(rect, scale), str(crop)])
            tsv = run([*AFTER_THE_FACT, "tesseract", str(crop), "-", "-l", self.language, "--psm", "6", "tsv"], timeout=60)
        lines = {}
        for row in tsv.splitlines()[1:]:
            fields = row.split("\t")
            if len(fields) < 12 or fields[0] != "5" or not fields[11].strip():
                continue
            key = tuple(fields[2:5])
            x, y, w, h = (int(v) // scale for v in fields[6:10])
            box = (rect[0] + x, rect[1] + y, rect[0] + x + w, rect[1] + y + h)
            words, old = lines.get(key, ([], box))
            words.append(fields[11])
            lines[key] = (words, (min(old[0], box[0]), min(old[1], box[1]), max(old[2], box[2]),
                                  max(old[3], box[3])))
        return [(" ".join(words), box) for words, box in lines.values()]

    def read_text(self, shot, rect):
        return "\n".join(text for text, _ in self.read_lines(shot, rect))

    @staticmethod
    def gray_pixels(shot, rect):
        """Rows of 8-bit gray values of a screen rectangle."""
        left, top, right, bottom = rect
        data = subprocess.run([*AFTER_THE_FACT, "convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                               "+repage", "-colorspace", "Gray", "-depth", "8", "pgm:-"],
                              capture_output=True, timeout=30, check=True).stdout
        header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        width, height = int(header.group(1)), int(header.group(2))
        pixels = data[header.end():]
        return [pixels[row * width:(row + 1) * width] for row in range(height)]

    @classmethod
    def stroke_width(cls, shot, rect):
        """Mean length of the horizontal runs of inked pixels, smoothed edges included: about 1.5
        for normal menu text, 2 for bold."""
        runs = []
        for row in cls.gray_pixels(shot, rect):
            length = 0
            for value in bytes(row) + b"\xff":
                if value < 200:
                    length += 1
                elif length:
                    runs.append(length)
                    length = 0
        return sum(runs) / len(runs) if runs else 0.0

    @staticmethod
    def move(x, y):
        run(["xdotool", "mousemove", str(x), str(y)])

    @staticmethod
    def click(x, y, button=1, count=1):
        # Wine's menus and controls react to the motion first, so the click follows after a pause.
        run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.3",
             "click", "--repeat", str(count), "--delay", "120", str(button)])

    @staticmethod
    def keys(*names):
        """Key presses, to whichever window the window manager has given the keyboard focus."""
        run(["xdotool", "key", "--delay", "60", *names])

    @staticmethod
    def focused_name():
        """Name of the X window that has the keyboard focus, or None."""
        found = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True,
                               timeout=30)
        return found.stdout.strip() if found.returncode == 0 else None

    @staticmethod
    def x_window(name):
        """The first visible X window whose name matches the pattern, or None."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True, timeout=30).stdout.split()
        return found[0] if found else None

    @staticmethod
    def x_geometry(window):
        """Geometry (x, y, width, height) of an X window on the screen. The window manager frames
        windows; only xwininfo's absolute position is where their content is on the screen."""
        info = run(["xwininfo", "-id", window])
        values = dict(re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s+(-?\d+)$",
                                 info, re.MULTILINE))
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]), int(values["Width"]),
                int(values["Height"]))

    @classmethod
    def tray(cls):
        """Geometry (x, y, width, height) of the visible tray window, or None."""
        window = cls.x_window(f"^{TRAY_NAME}$")
        return cls.x_geometry(window) if window else None


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
