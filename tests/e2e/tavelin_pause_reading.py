"""How the end-to-end scenarios read the pause window off the screen: its title, its time-left line
after the idea of the pause, and its faint button, at the scale of tesseract's that reads them whole.
A mixin of tavelin_case.TavelinTestCase, which gives it self.probe, self.screen and self.shot."""

import re

from string_tables import EN, pattern
from tavelin_driver import PAUSE_CAPTION, reads_whole, wait_for

# The dialog font's small colon after "left" is at times not read; the digits always are.
COUNTDOWN = re.compile(pattern(EN["IDS_TIME_LEFT"], r"(\d\d):(\d\d):(\d\d)").replace(":", ":?", 1) + "$")


class PauseWindowReading:
    """The pause window's lines as read from a screenshot, for a unittest.TestCase."""

    def read_countdown(self, step):
        """The pause window's time-left line as read, its title and button checked."""
        def read():
            # Under openbox a window just shown can be reported for a moment where the window
            # manager first placed it: the picture counts only if the window stood still around it.
            client = self.probe.window(PAUSE_CAPTION)["client"]
            shot = self.shot(step)
            if self.probe.window(PAUSE_CAPTION)["client"] != client:
                return None
            found = None
            # The idea's line or two under the heading are read apart (see time_left_index). Tesseract
            # reads the small colons as dashes, or half the faint button, at one scale and not at
            # another, as the idea moves the lines by a pixel: the first scale read whole counts.
            for scale in (4, 3, 5):
                lines = [text for text, _ in self.screen.read_lines(shot, client, scale=scale)]
                index = self.time_left_index(lines) if len(lines) >= 2 else None
                if index is not None:
                    found = found or lines
                    time_left = lines[index]
                    read_whole = COUNTDOWN.match(time_left) or reads_whole(time_left, EN["IDS_TIME_LEFT_ENOUGH"])
                    if read_whole and not self.countdown_problems([lines[0], *lines[index:]]):
                        return lines
            return found
        # A window just shown may not be painted yet on a busy machine.
        lines = wait_for(read, 3, "the pause window painted")
        index = self.time_left_index(lines)
        lines = [lines[0], *lines[index:]]
        problems = self.countdown_problems(lines)
        self.assertFalse(problems, f"{problems}: {lines}")
        return lines[1]

    @staticmethod
    def countdown_problems(lines):
        """What is wrong with the pause window's lines as read (title, time left, perhaps the
        button) but the time left, which the callers check: nothing for a window read whole."""
        # The disabled button's grey caption is too faint to read reliably; the probe checks its text.
        if len(lines) not in (2, 3):
            return "not the title, the time left and perhaps the button"
        if not reads_whole(lines[0], EN["IDS_PAUSE_TITLE"]):
            return "not the title first"
        if len(lines) == 3:
            # The button's frame may be read as a bar on either side.
            # Its small type may also run two words together.
            button = EN["IDS_PAUSE_BUTTON"]
            if not (reads_whole(lines[2].strip("|[] "), button) or
                    reads_whole("".join(lines[2].split()).strip("|[]"), "".join(button.split()))):
                return "not the button last"
        return ""

    @staticmethod
    def time_left_index(lines):
        """Where the time-left line is among the pause window's OCR lines: after the heading and the
        idea of the pause, the first line that begins as the time-left line does."""
        start = EN["IDS_TIME_LEFT"].split("{")[0].split()
        for index in range(1, len(lines)):
            if reads_whole(" ".join(lines[index].split()[:len(start)]), " ".join(start)):
                return index
        return None

    def time_left(self, step):
        """The time-left line as the program shows it: a duration "HH:MM:SS", or "enough"."""
        line = self.read_countdown(step)
        if reads_whole(line, EN["IDS_TIME_LEFT_ENOUGH"]):
            return "enough"
        match = COUNTDOWN.match(line)
        self.assertIsNotNone(match, f"time left line: {line!r}")
        return line[-8:]
