"""One pause cycle of Tavelin.exe, driven as a person would for `scripts/run.sh --demo`: waits for
the pause, presses Esc once (the window comes straight back), waits for "enough", clicks "Back to
work" and ends the program from its tray menu. It saves a screenshot at each step and makes a
moving picture of the pause window from a picture of the screen taken once a second.

It uses the end-to-end tests' driver and their user actions, so that the demo reaches the icon,
the menu and the windows exactly as the tests do. It expects the environment run.sh gives it
(DISPLAY, WINEPREFIX, TAVELIN_EXE, TAVELIN_PROBE) and the settings file already written there.

    python3 scripts/demo.py <folder for the screenshots and the moving picture>
"""

import os
import pathlib
import shutil
import subprocess
import sys
import threading
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "e2e"))

from string_tables import EN  # noqa: E402
from tavelin_case import TavelinTestCase  # noqa: E402
from tavelin_driver import PAUSE_CAPTION, reads_whole, run, seconds, wait_for  # noqa: E402
from tavelin_screen import Screen  # noqa: E402

GIF_NAME = "pause-cycle.gif"
# Seconds of the moving picture before the pause comes and after it has gone.
LEAD_IN = 2
LEAD_OUT = 2
# Room around the pause window in the moving picture, for its shadowless frame to stand out.
MARGIN = 16


class Recorder:
    """A picture of the whole screen once a second, taken beside the steps, with its time."""

    def __init__(self, folder):
        self.folder = folder
        self.frames = []
        self.stopping = threading.Event()
        self.thread = threading.Thread(target=self.record, daemon=True)
        self.first = 0.0

    def record(self):
        due = self.first
        self.stopping.wait(max(due - time.monotonic(), 0))
        while not self.stopping.is_set():
            taken = time.monotonic()
            path = self.folder / f"frame-{len(self.frames):03}.png"
            if subprocess.run(["import", "-window", "root", str(path)], capture_output=True,
                              timeout=30).returncode == 0:
                self.frames.append((taken, path))
            # A late picture does not shift the later ones: the frames stay a second apart.
            due += 1
            while due < time.monotonic():
                due += 1
            self.stopping.wait(due - time.monotonic())

    def start(self, first):
        """Begins at the given time: a picture costs a Wine program starting beside it a fifth of a
        second's work."""
        self.first = first
        self.thread.start()

    def stop(self):
        self.stopping.set()
        if self.thread.is_alive():
            self.thread.join(timeout=30)

    def between(self, first, last):
        return [path for taken, path in self.frames if first <= taken <= last]


def crop_rect(window, screen_size):
    left, top, right, bottom = window["rect"]
    width, height = screen_size
    left, top = max(left - MARGIN, 0), max(top - MARGIN, 0)
    right, bottom = min(right + MARGIN, width), min(bottom + MARGIN, height)
    return left, top, right, bottom


def make_gif(frames, rect, path):
    """A frame a second, cropped to the pause window as each is read, in few colours (the window is
    flat grey and black) and twice its size, pixels kept sharp, so that its small type can be read."""
    left, top, right, bottom = rect
    crop = f"[{right - left}x{bottom - top}+{left}+{top}]"
    run(["convert", "-delay", "100", "-loop", "0", *(f"{frame}{crop}" for frame in frames), "+repage",
         "+dither", "-colors", "32", "-scale", "200%", "-layers", "Optimize", str(path)], timeout=120)


class Demo(TavelinTestCase):
    """The tests' user, without a test around it: its checks stop the demo with the reason."""

    def __init__(self, output):
        super().__init__()
        self.attach()
        self.output = output
        self.steps = Screen(output)
        interval, length = self.environment.settings_file.read_text().split()
        self.interval, self.length = seconds(interval), seconds(length)

    def run_cycle(self, recorder):
        """The steps, each with its screenshot; returns the pause window and when it came and went."""
        shots = []
        self.start()
        recorder.start(self.program.started + self.interval - LEAD_IN - 1)
        window = self.wait_shown(PAUSE_CAPTION, timeout=self.interval + 10)
        came = time.monotonic()
        self.read_countdown("pause")
        shots.append(self.steps.shot("1-pause"))

        self.keys_to(PAUSE_CAPTION, "Escape")
        # The demo shows that the window comes back; how soon (within a second) is the end-to-end
        # tests' to check, on a machine the demo may share with other work.
        wait_for(lambda: (lambda w: w["visible"] and w["foreground"])(self.probe.window(PAUSE_CAPTION)), 5,
                 "Esc to bring the running pause back in front")
        self.read_countdown("after-esc")
        shots.append(self.steps.shot("2-after-esc"))

        wait_for(self.button_enabled, self.length + 5, "the end of the pause")
        # The button is enabled a moment before the line is drawn anew.
        wait_for(lambda: reads_whole(self.read_countdown("enough"), EN["IDS_TIME_LEFT_ENOUGH"]), 3,
                 "the line to say the pause is over")
        shots.append(self.steps.shot("3-enough"))

        self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
        self.wait_hidden(PAUSE_CAPTION)
        went = time.monotonic()
        # The empty place where the window was belongs to the picture too.
        time.sleep(LEAD_OUT + 0.5)
        return shots, window, came, went

    def run(self):
        for old in [*self.output.glob("*.png"), self.output / GIF_NAME]:
            old.unlink(missing_ok=True)
        frames = pathlib.Path(self.environment.screenshots)
        recorder = Recorder(frames)
        try:
            shots, window, came, went = self.run_cycle(recorder)
            recorder.stop()
            self.assertEqual(self.close_program(), 0, "Close ends the program")
        finally:
            recorder.stop()
            self.let_go()
        screen_size = [int(v) for v in run(["identify", "-format", "%w %h", str(shots[0])]).split()]
        gif = self.output / GIF_NAME
        make_gif(recorder.between(came - LEAD_IN - 1, went + LEAD_OUT), crop_rect(window, screen_size), gif)
        return shots, gif


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    output = pathlib.Path(sys.argv[1])
    output.mkdir(parents=True, exist_ok=True)
    # The tests' helpers leave pictures of their own; they and the frames go to a folder of their
    # own, kept only when the demo fails.
    scratch = output / "frames"
    shutil.rmtree(scratch, ignore_errors=True)
    scratch.mkdir()
    os.environ["TAVELIN_SCREENSHOTS"] = str(scratch)
    try:
        shots, gif = Demo(output).run()
    except AssertionError as failure:
        sys.exit(f"The demo stopped: {failure}\nIts pictures so far are in {scratch}")
    shutil.rmtree(scratch)
    print("Screenshots of the steps:")
    for shot in shots:
        print(f"  {shot}")
    print(f"Moving picture ({gif.stat().st_size // 1024} KB): {gif}")


if __name__ == "__main__":
    main()
