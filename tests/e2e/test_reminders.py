"""End-to-end scenarios for pausing the reminders from the tray menu: chosen with the mouse, no
pause while paused, the paused tooltip and icon, resuming by hand and by itself."""

import datetime
import re
import subprocess
import time
import unittest

from string_tables import EN, pattern
from tavelin_case import MENU, SUBMENU, TavelinTestCase
from tavelin_clock import FakedClockTestCase
from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, settings_bytes, wait_for

PAUSED_LINE = "^" + pattern(EN["IDS_TIP_REMINDERS_PAUSED_UNTIL"], r"\d\d:\d\d") + "$"
# The tooltip while working, the next pause less than a minute away.
NEXT_IN_A_MINUTE = [EN["IDS_PROGRAM_NAME"], EN.format("IDS_TIP_NEXT_PAUSE", 1)]


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


class RemindersTestCase(TavelinTestCase):
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


class RemindersPauseTest(RemindersTestCase):
    def test_paused_reminders_bring_no_pause_until_resumed_and_are_not_kept(self):
        # Long enough for the menu and its OCR to be done before the first pause on a loaded machine.
        interval = 35
        settings = settings_bytes(interval, 3)
        self.start(settings)
        self.assertFalse(self.icon_looks_paused("icon-before"))

        before = datetime.datetime.now()
        items, lengths = self.choose_in_submenu(EN["IDS_MENU_FOR_30_MINUTES"], "reminders-choose")
        after = datetime.datetime.now()
        self.assertEqual(items, [EN[name] for name in MENU])
        self.assertEqual(lengths, [EN[name] for name in SUBMENU])
        self.assertFalse(self.pause_shown(), "chosen before the first pause")
        self.assertTrue(wait_for(lambda: self.icon_looks_paused("icon-paused"), 3, "the paused look"))
        lines = paused_lines(self.tooltip_lines("tooltip-paused"))
        ends = {(moment + datetime.timedelta(minutes=30)).strftime("%H:%M") for moment in (before, after)}
        self.assertEqual(lines[0], EN["IDS_PROGRAM_NAME"])
        self.assertIn(lines[1], {EN.format("IDS_TIP_REMINDERS_PAUSED_UNTIL", end) for end in ends})

        self.assertFalse(self.stay_present_for(2 * interval, self.pause_shown),
                         "no pause for two intervals while the user is present")
        # A second start while paused opens the configuration window as before.
        self.assertEqual(self.run_exe()[0], 0)
        self.wait_shown(CONFIG_CAPTION)
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        _, resume = self.choose_in_submenu(EN["IDS_MENU_RESUME_REMINDERS"], "reminders-resume")
        resumed = time.monotonic()
        self.assertEqual(resume, [EN["IDS_MENU_RESUME_REMINDERS"]])
        self.assertTrue(wait_for(lambda: self.icon_looks_paused("icon-resumed") is False, 3, "the cup again"))
        self.assertEqual(self.tooltip_lines("tooltip-resumed"), NEXT_IN_A_MINUTE)
        self.assertTrue(self.stay_present_for(interval + 4, self.pause_shown), "the pause an interval after")
        self.assertGreaterEqual(time.monotonic() - resumed, interval - 1, "not before an interval from the resume")

        # During the pause the item is there but disabled: no submenu opens.
        _, lines = self.menu_items("reminders-during-pause")
        self.screen.click(*centre(self.item_box(lines, EN["IDS_MENU_PAUSE_REMINDERS"])))
        time.sleep(1)
        self.assertEqual(len(self.menu_windows()), 1, "no submenu during a pause")
        self.screen.click(640, 700)
        wait_for(lambda: not self.menu_windows(), 3, "a click beside the menu to close it")
        wait_for(self.button_enabled, 10, "the pause end")
        self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
        self.wait_hidden(PAUSE_CAPTION)

        # Until tomorrow, then a new start: nothing was kept, the reminders are on.
        self.choose_in_submenu(EN["IDS_MENU_UNTIL_TOMORROW"], "reminders-tomorrow")
        self.assertEqual(paused_lines(self.tooltip_lines("tooltip-tomorrow")),
                         [EN["IDS_PROGRAM_NAME"], EN.format("IDS_TIP_REMINDERS_PAUSED_UNTIL", "06:00")])
        self.assertEqual(self.close_program(), 0)
        wait_for(lambda: not self.icon_drawn(), 10, "the icon to leave the notification area")
        self.assertEqual(self.environment.settings_file.read_bytes(), settings, "nothing is written")
        self.start()
        self.assertFalse(self.icon_looks_paused("icon-restarted"))
        self.assertEqual(self.tooltip_lines("tooltip-restarted"), NEXT_IN_A_MINUTE)
        self.assertEqual(self.close_program(), 0)


class RemindersResumeByThemselvesTest(FakedClockTestCase, RemindersTestCase):
    def test_thirty_minutes_end_by_themselves_and_the_next_pause_is_an_interval_later(self):
        interval = 20
        self.start_faked(settings_bytes(interval, 3), steady_clock_too=True)
        self.choose_in_submenu(EN["IDS_MENU_FOR_30_MINUTES"], "faked-choose")
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
        self.assertEqual(self.tooltip_lines("faked-tooltip-resumed"), NEXT_IN_A_MINUTE)
        self.assertTrue(self.stay_present_for(interval + 6, self.pause_shown), "the pause an interval after")
        self.assertGreaterEqual(time.monotonic() - moved, interval - 3, "not before an interval from the end")


if __name__ == "__main__":
    unittest.main()
