"""`scripts/run.sh --demo` as a newcomer starts it on a machine without a display: it must show one
whole pause cycle in its pictures, end by itself, and leave the normal run's settings alone."""

import difflib
import os
import pathlib
import re
import signal
import subprocess
import sys
import tempfile
import time
import unittest

root = pathlib.Path(__file__).resolve().parent.parent.parent
sys.path.insert(0, str(root / "tests" / "e2e"))

from string_tables import EN  # noqa: E402
from tavelin_driver import reads_whole, run, settings_bytes, settings_file  # noqa: E402
from tavelin_screen import Screen  # noqa: E402

NORMAL_SETTINGS = settings_bytes(90 * 60, 4 * 60)
DEMO_SETTINGS = settings_bytes(20, 10)
# The pause window is centred on the work area, which is the whole virtual screen.
CENTRE = (320, 200, 960, 600)
# (screenshot, what the pause window reads there): the countdown, the window back after Esc, the end.
STEPS = [
    ("1-pause.png", "Make a pause"),
    ("2-after-esc.png", "Make a pause"),
    ("3-enough.png", "Time left: enough"),
]
# The line under the heading suggests one of these.
IDEAS = [EN[f"IDS_IDEA_{number}"] for number in range(1, 13)]


def tree(folder):
    """Every file under a folder with its content and time of change."""
    return {path.relative_to(folder): (path.read_bytes(), path.stat().st_mtime_ns)
            for path in sorted(folder.rglob("*")) if path.is_file()}


def run_demo(env, prefix):
    """Runs the demo; one that hangs is ended with all it started, as Ctrl-C would end it."""
    demo = subprocess.Popen(["bash", str(root / "scripts" / "run.sh"), "--demo"], env=env, text=True,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE, start_new_session=True)
    try:
        stdout, stderr = demo.communicate(timeout=150)
    except subprocess.TimeoutExpired:
        os.killpg(demo.pid, signal.SIGTERM)
        try:
            stdout, stderr = demo.communicate(timeout=60)
        except subprocess.TimeoutExpired:
            os.killpg(demo.pid, signal.SIGKILL)
            stdout, stderr = demo.communicate()
            subprocess.run(["wineserver", "-k"], env=dict(env, WINEPREFIX=str(prefix)), capture_output=True,
                           timeout=60)
        stderr += "\nthe demo did not end within 150 s"
    return stdout, stderr, demo.returncode


class DemoTest(unittest.TestCase):
    def test_demo_shows_a_pause_cycle_and_leaves_the_normal_run_alone(self):
        with tempfile.TemporaryDirectory(prefix="tavelin-demo-test-") as name:
            folder = pathlib.Path(name)
            normal = folder / "wine-run"
            settings_file(normal).parent.mkdir(parents=True)
            settings_file(normal).write_bytes(NORMAL_SETTINGS)
            before = tree(normal)

            # No display: the demo must make its own, and its own Wine prefix.
            env = {key: value for key, value in os.environ.items() if key not in ("DISPLAY", "WINEPREFIX")}
            env["TAVELIN_RUN_DIR"] = name
            started = time.monotonic()
            stdout, stderr, status = run_demo(env, folder / "wine-demo")
            elapsed = time.monotonic() - started
            output = stdout + stderr
            self.assertEqual(status, 0, output)

            pictures = folder / "demo"
            printed = re.findall(r"^\s*(\S+\.png)$", stdout, re.MULTILINE)
            self.assertEqual(printed, [str(pictures / shot) for shot, _ in STEPS], output)
            screen = Screen(pictures)
            for shot, text in STEPS:
                with self.subTest(shot=shot):
                    lines = screen.read_text(pictures / shot, CENTRE).splitlines()
                    self.assertTrue(any(reads_whole(line, text) for line in lines), f"{text!r} not in {lines}")
                    # A whole sentence in small type: read as nearly the same, a letter or two apart.
                    self.assertTrue(any(difflib.SequenceMatcher(None, line, idea).ratio() > 0.85
                                        for line in lines for idea in IDEAS), f"no idea for the pause in {lines}")

            gif = pictures / "pause-cycle.gif"
            self.assertIn(str(gif), stdout)
            self.assertLessEqual(gif.stat().st_size, 400 * 1024)
            frames = run(["identify", "-format", "%T %W %H\n", str(gif)]).split("\n")[:-1]
            # The ten seconds of the pause and a little before and after, a frame a second.
            self.assertGreaterEqual(len(frames), 12, frames)
            for frame in frames:
                delay, width, height = (int(v) for v in frame.split())
                self.assertEqual(delay, 100, "a frame a second")
                self.assertLess(width * height, 1280 * 800 // 4, "the picture is cropped to the window")

            self.assertEqual(tree(normal), before, "the normal run's prefix is untouched")
            self.assertEqual(settings_file(folder / "wine-demo").read_bytes(), DEMO_SETTINGS)
            self.assertLessEqual(elapsed, 90, f"the demo took {elapsed:.0f} s")


if __name__ == "__main__":
    unittest.main()
