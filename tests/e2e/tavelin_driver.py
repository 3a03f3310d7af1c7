"""Drives the real Tavelin.exe under Wine the way a user does: the sandbox's prefix and settings
file, the program's runs, and the helpers every part of the driver uses. What the screen shows is
tavelin_screen's; what a picture cannot tell, tavelin_probe's."""

import difflib
import os
import pathlib
import pwd
import subprocess
import tempfile
import time

from string_tables import EN

PAUSE_CAPTION = EN["IDS_PAUSE_CAPTION"]
CONFIG_CAPTION = EN["IDS_CONFIGURATION_CAPTION"]


def required_env(name):
    """A variable that the sandbox of run.sh sets."""
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
    """Runs a command to its end, failing unless it exits with 0; its standard output."""
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
    """Where a click on a rectangle (left, top, right, bottom) lands."""
    left, top, right, bottom = rect
    return (left + right) // 2, (top + bottom) // 2


def inset(rect, margin):
    """The rectangle shrunk by the margin on each side."""
    left, top, right, bottom = rect
    return left + margin, top + margin, right - margin, bottom - margin


class Environment:
    """The sandbox of run.sh: its Wine prefix, the exe and the probe under test, the screenshots'
    folder and the user's settings file."""

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
        """No settings file and no data folder, as for a user who never saved."""
        if self.settings_file.exists():
            self.settings_file.unlink()
        if self.data_folder.exists():
            self.data_folder.rmdir()

    def kill_wine(self):
        """Ends every process of this prefix and its Wine server."""
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


class Program:
    """One run of Tavelin.exe, started as a user would start it, in an empty working folder."""

    def __init__(self, environment, env=None):
        self.environment = environment
        self.workdir = tempfile.TemporaryDirectory(prefix="tavelin-e2e-")
        self.started = time.monotonic()
        self.process = subprocess.Popen(["wine", str(environment.exe)], cwd=self.workdir.name, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def running(self):
        """Whether the process has not ended yet."""
        return self.process.poll() is None

    def wait_exit(self, timeout):
        """Waits for the process to end; its exit code."""
        return self.process.wait(timeout=timeout)

    def files_in_workdir(self):
        """What the program left in the folder it was started in."""
        return sorted(p.name for p in pathlib.Path(self.workdir.name).iterdir())

    def stop(self):
        """Last resort after a failure: end this process and the prefix's, so nothing stays behind."""
        if self.running():
            self.process.kill()
            self.process.wait(timeout=30)
            self.environment.kill_wine()
        self.workdir.cleanup()
