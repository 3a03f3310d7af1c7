"""The history Tavelin keeps of its pauses in history.csv, and the "Statistics" window that shows it:
the lines written as pauses and a natural break end, the counts and today's column on the screen, a
long history pruned at start and still opened at once, a history that cannot be written, and the
window in High Contrast Black."""

import collections
import datetime
import re
import time

from string_tables import EN, pattern
from tavelin_colors import SCHEMES, set_scheme
from tavelin_case import TavelinTestCase
from tavelin_driver import PAUSE_CAPTION, centre, inset, reads_whole, run, settings_bytes, wait_for

CAPTION = EN["IDS_STATISTICS_CAPTION"]
HEADER = "start,end,kind,seconds,how"
MOMENT = "%Y-%m-%d %H:%M:%S"
LINE = re.compile(r"^(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d),(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d),([a-z ]+),(\d+),([a-z]+)$")


class StatisticsTestCase(TavelinTestCase):
    def take_pause(self, step):
        """Waits for a pause, its end, and clicks "Back to work"."""
        self.wait_shown(PAUSE_CAPTION, timeout=20)
        wait_for(self.button_enabled, 10, f"the end of the {step}")
        self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
        self.wait_hidden(PAUSE_CAPTION)

    def open_statistics(self):
        """Chooses "Statistics" in the menu; the window and the seconds from the click until it showed."""
        _, lines = self.menu_items("menu")
        box = self.item_box(lines, EN["IDS_MENU_STATISTICS"])
        clicked = time.monotonic()
        self.screen.click(*centre(box))
        window = self.wait_shown(CAPTION, timeout=5)
        return window, time.monotonic() - clicked

    def read_window(self, step):
        # Under Wine a new size can reach the screen a moment after the window is shown.
        time.sleep(0.5)
        window = self.probe.window(CAPTION)
        shot = self.shot(step)
        return window, shot, [text for text, _ in self.screen.read_lines(shot, window["client"], scale=4)]

    def assert_reads(self, lines, *texts):
        for text in texts:
            self.assertTrue(any(reads_whole(line, text) for line in lines), f"{text!r} in {lines}")

    def assert_todays_column(self, shot, window):
        """Above the buttons, the two colours filled most after the face are the segments: both in the
        rightmost column, the natural break on the pauses."""
        left, top, right, _ = window["client"]
        buttons = min(child["rect"][1] for child in window["children"])
        rows = self.screen.color_pixels(shot, (left, top, right, buttons))
        counts = collections.Counter(pixel for row in rows for pixel in row)
        # The face, and the text's black or white in any scheme.
        plain = (counts.most_common(1)[0][0], (0, 0, 0), (255, 255, 255))
        colors = [color for color, _ in counts.most_common(6) if color not in plain][:2]
        self.assertEqual(len(colors), 2, counts.most_common(6))
        places = {color: [(x, y) for y, row in enumerate(rows) for x, pixel in enumerate(row) if pixel == color]
                  for color in colors}
        rightmost = {color: max(x for x, _ in places[color]) for color in colors}
        self.assertEqual(rightmost[colors[0]], rightmost[colors[1]], "both segments in one column")
        self.assertGreater(rightmost[colors[0]], (right - left) * 3 // 4, "today's column at the right")
        column = rightmost[colors[0]]
        # The pauses' segment is the larger one (two events to one) and lies below the other.
        pauses, breaks = sorted(colors, key=lambda color: -sum(1 for x, _ in places[color] if x == column))
        self.assertGreater(min(y for x, y in places[pauses] if x == column),
                           max(y for x, y in places[breaks] if x == column))

    def write_today(self, pauses, breaks):
        """A history of today's pauses and natural breaks, written before the start."""
        day = datetime.date.today().isoformat()
        lines = [HEADER] + [f"{day} 08:{n:02}:00,{day} 08:{n:02}:05,pause,5,taken" for n in range(pauses)] + \
            [f"{day} 09:{n:02}:00,{day} 09:{n:02}:09,natural break,9,idle" for n in range(breaks)]
        self.environment.history_file.parent.mkdir(parents=True, exist_ok=True)
        self.environment.history_file.write_bytes("".join(f"{line}\r\n" for line in lines).encode())


class HistoryTest(StatisticsTestCase):
    def test_pauses_and_a_natural_break_are_written_and_counted(self):
        begun = datetime.datetime.now().replace(microsecond=0)
        self.start(settings_bytes(5, 2))
        self.take_pause("first pause")
        self.take_pause("second pause")
        # A sleep as long as a pause is a natural break; a second sleep then holds the next pause off
        # while the window is read.
        self.assertTrue(self.probe.power("suspend")["sent"])
        time.sleep(3)
        self.assertTrue(self.probe.power("resume")["sent"])
        wait_for(lambda: self.environment.history_file.exists() and
                 self.environment.history_file.read_bytes().count(b"\r\n") == 4, 3, "the natural break's line")
        self.assertTrue(self.probe.power("suspend")["sent"])
        ended = datetime.datetime.now()

        content = self.environment.history_file.read_bytes()
        self.assertFalse(content.startswith(b"\xef\xbb\xbf"), "no byte order mark")
        lines = content.decode("utf-8").split("\r\n")
        self.assertEqual(lines[0], HEADER)
        self.assertEqual(lines[-1], "", "every line ended by CR LF")
        rows = [LINE.match(line) for line in lines[1:-1]]
        self.assertTrue(all(rows), lines)
        self.assertEqual([(row[3], row[5]) for row in rows], [("pause", "taken"), ("pause", "taken"),
                                                             ("natural break", "asleep")])
        for row, (shortest, longest) in zip(rows, [(2, 5), (2, 5), (3, 6)]):
            start, end = (datetime.datetime.strptime(row[i], MOMENT) for i in (1, 2))
            self.assertTrue(begun <= start <= end <= ended, row[0])
            self.assertTrue(shortest <= int(row[4]) <= longest, row[0])
            self.assertLessEqual(abs((end - start).total_seconds() - int(row[4])), 1, row[0])

        window, _ = self.open_statistics()
        _, shot, read = self.read_window("today")
        self.assert_reads(read, EN["IDS_STATISTICS_TODAY"], EN.format("IDS_STATISTICS_PAUSES", 2),
                          EN.format("IDS_STATISTICS_NATURAL_BREAKS", 1), EN["IDS_STATISTICS_LAST_DAYS"])
        self.assertTrue(any(re.match(pattern(EN["IDS_STATISTICS_PAUSE_TIME"], r"00.00.0\d"), line) for line in read),
                        read)
        self.assert_todays_column(shot, window)
        self.click_button(CAPTION, EN["IDS_STATISTICS_CLOSE"])
        self.wait_hidden(CAPTION)
        self.assertTrue(self.probe.power("resume")["sent"])

class LongHistoryTest(StatisticsTestCase):
    def test_a_long_history_is_pruned_at_start_and_opens_at_once(self):
        today = datetime.date.today()
        lines = [HEADER]
        for days in range(420, -1, -1):
            day = (today - datetime.timedelta(days=days)).isoformat()
            lines += [f"{day} {hour:02}:00:00,{day} {hour:02}:05:00,pause,300,taken" for hour in range(8, 20)]
            lines += [f"{day} 12:30:00,{day} 13:15:00,natural break,2700,locked", f"{day} garbage {days}"]
        self.environment.write_settings(settings_bytes(3600, 2))
        self.environment.history_file.write_bytes("".join(f"{line}\r\n" for line in lines).encode())
        self.start()

        kept = self.environment.history_file.read_bytes().decode().split("\r\n")
        first_day = (today - datetime.timedelta(days=400)).isoformat()
        readable = [line for line in kept[1:] if LINE.match(line)]
        self.assertEqual(kept[0], HEADER)
        self.assertEqual(min(line[:10] for line in readable), first_day, "400 days kept, older ones dropped")
        self.assertEqual(len(readable), 401 * 13)
        self.assertEqual(sum(1 for line in kept if "garbage" in line), 421, "unreadable lines kept")

        _, seconds = self.open_statistics()
        self.assertLess(seconds, 1.0, "the window opened within a second")
        _, _, read = self.read_window("long")
        self.assert_reads(read, EN.format("IDS_STATISTICS_PAUSES", 12), EN.format("IDS_STATISTICS_NATURAL_BREAKS", 1))
        self.assertEqual(self.close_program(), 0)


class UnwritableHistoryTest(StatisticsTestCase):
    def test_pauses_go_on_and_the_window_says_why_nothing_is_written(self):
        # A folder in the file's place: the history cannot be written, the settings can be read.
        self.environment.write_settings(settings_bytes(6, 2))
        self.environment.history_file.mkdir()
        try:
            self.start()
            self.take_pause("first pause")
            self.open_statistics()
            _, _, read = self.read_window("failed")
            said = EN["IDS_STATISTICS_WRITE_FAILED"].split("{0}")[0].strip()
            self.assertTrue(any(reads_whole(line, said) for line in read), f"{said!r} in {read}")
            self.assert_reads(read, EN.format("IDS_STATISTICS_PAUSES", 0))
            self.click_button(CAPTION, EN["IDS_STATISTICS_CLOSE"])
            self.wait_hidden(CAPTION)
            self.take_pause("second pause")
            self.assertEqual(self.close_program(), 0)
            self.assertEqual(list(self.environment.history_file.iterdir()), [])
        finally:
            self.environment.history_file.rmdir()


class HighContrastStatisticsTest(StatisticsTestCase):
    def test_the_window_in_high_contrast_black(self):
        scheme = SCHEMES["HighContrastBlack"]
        set_scheme(self, scheme["face"], scheme["text"])
        self.environment.write_settings(settings_bytes(3600, 2))
        self.write_today(2, 1)
        self.start()
        window, _ = self.open_statistics()
        time.sleep(0.5)
        shot = self.shot("high-contrast")
        face, text = scheme["gray"]
        pixels = [v for row in self.screen.gray_pixels(shot, inset(window["client"], 1)) for v in row]
        self.assertEqual(pixels[0], face, "the face colour at the corner")
        self.assertGreater(sum(1 for v in pixels if v == text), 100, "the text colour")
        # Tesseract reads dark on light.
        negated = shot.with_name(shot.stem + "-negated.png")
        run(["convert", str(shot), "-negate", str(negated)])
        read = [line for line, _ in self.screen.read_lines(negated, window["client"], scale=4)]
        self.assert_reads(read, EN["IDS_STATISTICS_TODAY"], EN.format("IDS_STATISTICS_PAUSES", 2),
                          EN["IDS_STATISTICS_LAST_DAYS"])
        self.assert_todays_column(shot, window)
        self.assertEqual(self.close_program(), 0)
