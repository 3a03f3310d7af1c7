"""End-to-end scenarios for pausing the reminders from the tray menu: chosen with the mouse, no
pause while paused, the paused tooltip and icon, resuming by hand and by itself."""

import datetime
import re
import subprocess
import time
import unittest

from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, reads_whole, wait_for
from test_clock import FakedClockTestCase
from test_daily import DailyTestCase

PAUSED_LINE = r"^Reminders paused until \d\d:\d\d$"


def paused_lines(lines):
    """The tooltip's lines as read, with the small colon between hour and minute, which OCR reads
    now and then as a degree sign, a dot or a dash, put back."""
    return [re.sub(r"(?<=\d)[°.;,'-](?=\d)", ":", line) for line in lines]


def colour_pixels(shot, rect):
    """(red, green, blue) of every pixel of a screen rectangle."""
    left, top, right, bottom = rect
    data = subprocess.run(["convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage",
                           "-depth", "8", "rgb:-"], capture_output=True, timeout=30, check=True).stdout
    return [tuple(data[i:i + 3]) for i in range(0, len(data) - 2, 3)]


def item_text(text):
    """An OCR line of a menu without the submenu arrow, which is read as ">" or the like."""
    return text.rstrip(" >»›")


class RemindersTestCase(DailyTestCase):
    def menu_windows(self):
        return [w["rect"] for w in self.probe.visible_windows() if w["class"] == "#32768"]

    def item_box(self, lines, item):
        texts = [(item_text(text), box) for text, box in lines]
        boxes = [box for text, box in texts if text == item] or \
            [box for text, box in texts if reads_whole(text, item) and len(text.split()) == len(item.split())]
        self.assertTrue(boxes, f"no menu item {item!r} in {lines}")
        return boxes[0]

    def open_submenu(self, step):
        """Opens the tray menu and clicks "Pause reminders": the menu's and the submenu's lines."""
        _, lines = self.menu_items(step)
        main = self.probe.menu()["rect"]
        self.screen.click(*centre(self.item_box(lines, "Pause reminders")))
        submenu = wait_for(lambda: [r for r in self.menu_windows() if r != main], 5, "the submenu")[0]
        return lines, wait_for(lambda: self.screen.read_lines(self.shot(f"{step}-submenu"), submenu), 3,
                               "the submenu's items drawn")

    def choose_in_submenu(self, item, step):
        """Chooses the item of the submenu; the menu's and the submenu's texts as they were."""
        lines, sublines = self.open_submenu(step)
        self.screen.click(*centre(self.item_box(sublines, item)))
        wait_for(lambda: not self.menu_windows(), 10, "the menu to close")
        return [item_text(text) for text, _ in lines], [text for text, _ in sublines]

    def icon_looks_paused(self, step):
        """The paused look has an orange badge and no green: the share of orange pixels."""
        pixels = colour_pixels(self.shot(step), self.icon_rect())
        orange = sum(1 for r, g, b in pixels if r > 180 and 90 < g < 190 and b < 100)
        green = sum(1 for r, g, b in pixels if g > r + 30 and g > b)
        return orange > 8 and green == 0 if orange or green else None

    def stay_present_for(self, seconds, condition=lambda: False):
        """Moves the mouse over the tray, as a user at work does, until the time is up or the
        condition holds; whether it held."""
        x, y, _, height = self.screen.tray()
        deadline = time.monotonic() + seconds
        step = 0
        while time.monotonic() < deadline:
            if condition():
                return True
            step += 1
            self.screen.move(x + 4 + step % 12, y + height // 2)
            time.sleep(0.4)
        return condition()

    def pause_shown(self):
        return self.probe.window(PAUSE_CAPTION).get("visible", False)


class RemindersPauseTest(RemindersTestCase):
    def test_paused_reminders_bring_no_pause_until_resumed_and_are_not_kept(self):
        # Long enough for the menu and its OCR to be done before the first pause on a loaded machine.
        interval = 35
        settings = f"00:00:{interval:02}\r\n00:00:03\r\n".encode()
        self.start(settings)
        self.assertFalse(self.icon_looks_paused("icon-before"))

        before = datetime.datetime.now()
        items, lengths = self.choose_in_submenu("For 30 minutes", "reminders-choose")
        after = datetime.datetime.now()
        self.assertEqual(items, ["Configure", "Help", "Pause reminders", "Take a pause now", "Close"])
        self.assertEqual(lengths, ["For 30 minutes", "For 1 hour", "For 2 hours", "Until tomorrow"])
        self.assertFalse(self.pause_shown(), "chosen before the first pause")
        self.assertTrue(wait_for(lambda: self.icon_looks_paused("icon-paused"), 3, "the paused look"))
        lines = paused_lines(self.tooltip_lines("tooltip-paused"))
        ends = {(moment + datetime.timedelta(minutes=30)).strftime("%H:%M") for moment in (before, after)}
        self.assertEqual(lines[0], "Tavelin")
        self.assertIn(lines[1], {f"Reminders paused until {end}" for end in ends})

        self.assertFalse(self.stay_present_for(2 * interval, self.pause_shown),
                         "no pause for two intervals while the user is present")
        # A second start while paused opens the configuration window as before.
        self.assertEqual(self.run_exe()[0], 0)
        self.wait_shown(CONFIG_CAPTION)
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        _, resume = self.choose_in_submenu("Resume reminders", "reminders-resume")
        resumed = time.monotonic()
        self.assertEqual(resume, ["Resume reminders"])
        self.assertTrue(wait_for(lambda: self.icon_looks_paused("icon-resumed") is False, 3, "the cup again"))
        self.assertEqual(self.tooltip_lines("tooltip-resumed"), ["Tavelin", "Next pause in 1 min"])
        self.assertTrue(self.stay_present_for(interval + 4, self.pause_shown), "the pause an interval after")
        self.assertGreaterEqual(time.monotonic() - resumed, interval - 1, "not before an interval from the resume")

        # During the pause the item is there but disabled: no submenu opens.
        _, lines = self.menu_items("reminders-during-pause")
        self.screen.click(*centre(self.item_box(lines, "Pause reminders")))
        time.sleep(1)
        self.assertEqual(len(self.menu_windows()), 1, "no submenu during a pause")
        self.screen.click(640, 700)
        wait_for(lambda: not self.menu_windows(), 3, "a click beside the menu to close it")
        wait_for(lambda: self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["enabled"], 10, "the pause end")
        self.click_button(PAUSE_CAPTION, "Back to work")
        self.wait_hidden(PAUSE_CAPTION)

        # Until tomorrow, then a new start: nothing was kept, the reminders are on.
        self.choose_in_submenu("Until tomorrow", "reminders-tomorrow")
        self.assertEqual(paused_lines(self.tooltip_lines("tooltip-tomorrow")), ["Tavelin", "Reminders paused until 06:00"])
        self.assertEqual(self.close_program(), 0)
        wait_for(lambda: not self.icon_drawn(), 10, "the icon to leave the notification area")
        self.assertEqual(self.environment.settings_file.read_bytes(), settings, "nothing is written")
        self.start()
        self.assertFalse(self.icon_looks_paused("icon-restarted"))
        self.assertEqual(self.tooltip_lines("tooltip-restarted"), ["Tavelin", "Next pause in 1 min"])
        self.assertEqual(self.close_program(), 0)


class RemindersResumeByThemselvesTest(FakedClockTestCase, RemindersTestCase):
    def test_thirty_minutes_end_by_themselves_and_the_next_pause_is_an_interval_later(self):
        interval = 20
        self.start_faked(f"00:00:{interval:02}\r\n00:00:03\r\n".encode(), steady_clock_too=True)
        self.choose_in_submenu("For 30 minutes", "faked-choose")
        chosen = time.monotonic()
        self.assertRegex(paused_lines(self.tooltip_lines("faked-tooltip-paused"))[1], PAUSED_LINE)

        # Both clocks to ten seconds before the end: still paused, and no pause although the
        # interval has long passed.
        offset = 1800 - 10 - int(time.monotonic() - chosen)
        self.move_clock_checked(offset, offset, offset)
        self.assertFalse(self.stay_present_for(4, self.pause_shown), "no pause just before the end")
        self.assertTrue(self.icon_looks_paused("faked-icon-paused"))

        self.move_clock(1800 + 2)
        moved = time.monotonic()
        self.assertTrue(wait_for(lambda: self.icon_looks_paused("faked-icon-resumed") is False, 5,
                                 "the cup again at the end"))
        self.assertEqual(self.tooltip_lines("faked-tooltip-resumed"), ["Tavelin", "Next pause in 1 min"])
        self.assertTrue(self.stay_present_for(interval + 6, self.pause_shown), "the pause an interval after")
        self.assertGreaterEqual(time.monotonic() - moved, interval - 3, "not before an interval from the end")


if __name__ == "__main__":
    unittest.main()
