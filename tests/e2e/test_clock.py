"""End-to-end scenarios for time itself: the wall clock set forward and back, and a sleep of the
computer, with libfaketime moving the clocks of the Wine processes while Tavelin.exe runs."""

import time
import unittest

from string_tables import EN
from tavelin_clock import FakedClockTestCase
from tavelin_driver import PAUSE_CAPTION, seconds, settings_bytes, wait_for


class ClockJumpTest(FakedClockTestCase):
    def test_setting_the_clock_moves_neither_the_next_pause_nor_a_running_one(self):
        interval, length = 25, 30
        self.start_faked(settings_bytes(interval, length), steady_clock_too=False)

        # Waiting: an hour forward must not bring the pause at once, nor an hour back delay it.
        self.move_clock_checked(+3600, 3600, 0)
        self.assert_no_pause_for(4, "the clock set an hour forward while waiting brings no pause")
        self.move_clock(-3600)
        window = wait_for(lambda: self.pause_shown() and self.probe.window(PAUSE_CAPTION),
                          interval + 10, "the pause after the interval")
        shown_at = time.monotonic()
        self.assertGreaterEqual(shown_at - self.program.started, interval, "pause too early")
        self.assertLessEqual(shown_at - self.icon_seen, interval + 4, "pause too late")
        self.assertTrue(window["visible"])

        # Pausing: the countdown goes on as before when the clock is set an hour back and forward.
        first = self.time_left("clock-countdown")
        self.assertLessEqual(seconds(first), length)
        self.move_clock_checked(-7200, -3600, 0)
        time.sleep(1.5)
        back = self.time_left("clock-countdown-back")
        self.assertNotEqual(back, "enough")
        self.assertLess(seconds(back), seconds(first), "still counting down, not an hour more")
        self.move_clock(-3600)
        time.sleep(1.5)
        forward = self.time_left("clock-countdown-forward")
        self.assertNotEqual(forward, "enough", "setting the clock forward does not end the pause")
        self.assertLess(seconds(forward), seconds(back))
        self.assertFalse(self.button_enabled())
        wait_for(self.button_enabled, length + 3, "the end of the pause")
        self.assertGreaterEqual(time.monotonic() - shown_at, length - 1.5, "the pause kept its length")
        self.assertEqual(self.time_left("clock-pause-over"), "enough")


class SleepTest(FakedClockTestCase):
    def test_a_sleep_as_long_as_a_pause_counts_as_one(self):
        # Interval 8 minutes, pause 5: a sleep of ten minutes passes the next pause and is long enough.
        self.start_faked(settings_bytes(8 * 60, 5 * 60), steady_clock_too=True)
        self.assertTrue(self.probe.power("suspend")["sent"])
        self.move_clock_checked(+600, 600, 600)
        # Ticks still arrive here, unlike in a real sleep; no pause may begin before the wake.
        self.assert_no_pause_for(3, "no pause while the computer sleeps")
        self.assertTrue(self.probe.power("resume")["sent"])
        self.probe.give_input()
        returned = time.monotonic()
        self.assert_no_pause_for(4, "no pause at once after a sleep as long as a pause")

        # The next pause comes one interval after the wake, counted on the clocks moved further while
        # the user works.
        elapsed = time.monotonic() - returned
        self.move_clock_present(600 + 480 - int(elapsed) - 8)
        self.assert_no_pause_for(3, "no pause before an interval from the wake")
        self.move_clock_present(600 + 480 + 5)
        wait_for(self.pause_shown, 5, "the pause an interval after the wake")

    def test_a_sleep_during_a_pause_ends_it(self):
        self.start_faked(settings_bytes(3, 5 * 60), steady_clock_too=True)
        wait_for(self.pause_shown, 15, "the first pause")
        self.assertFalse(self.button_enabled())
        self.assertTrue(self.probe.power("suspend")["sent"])
        self.move_clock(+600)
        self.assertTrue(self.probe.power("resume")["sent"])
        wait_for(self.button_enabled, 2, "the pause over at the wake")
        self.assertEqual(self.time_left("sleep-pause-over"), "enough")
        self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
        self.wait_hidden(PAUSE_CAPTION, timeout=5)
        self.assert_no_pause_for(2, "the dismissal ends the pause that the sleep made over")


if __name__ == "__main__":
    unittest.main()
