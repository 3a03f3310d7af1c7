"""End-to-end scenarios for time itself: the wall clock set forward and back, and a sleep of the
computer, with libfaketime moving the clocks of the Wine processes while Tavelin.exe runs."""

import datetime
import json
import os
import pathlib
import tempfile
import time
import unittest

from tavelin_driver import PAUSE_CAPTION, Program, run, wait_for
from test_tavelin import TavelinTestCase, seconds

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"

class FakedClockTestCase(TavelinTestCase):
    """Runs the program under a wineserver of its own that carries libfaketime, whose offset the
    test then changes. With steady_clock_too false only the wall clock moves, as when the user sets
    the clock or daylight saving changes; otherwise both move, as across a real sleep."""

    def setUp(self):
        super().setUp()
        self.offset_folder = tempfile.TemporaryDirectory(prefix="tavelin-faketime-")
        self.offset_file = pathlib.Path(self.offset_folder.name) / "offset"
        self.move_clock(0)

    def tearDown(self):
        if self.program is not None and self.program.running():
            run(["wine", str(self.environment.exe), "/quit"], timeout=60)
            self.program.wait_exit(timeout=20)
        super().tearDown()
        # The next scenario must find no faked wineserver.
        self.environment.kill_wine()
        self.offset_folder.cleanup()

    def move_clock(self, offset):
        """Sets the clocks to the real time plus offset seconds."""
        self.offset = offset
        self.offset_file.write_text(f"{offset:+d}\n")

    def move_clock_present(self, offset):
        """move_clock in steps under the two minutes without input that count as time away, each after
        input, as the clocks would move for a user at the keyboard."""
        while self.offset != offset:
            self.probe.give_input()
            step = max(-100, min(100, offset - self.offset))
            self.move_clock(self.offset + step)
            time.sleep(0.3)

    def clocks(self):
        """(wall-clock seconds, steady seconds, real seconds) as a Wine program sees them now."""
        output = run(["wine", str(self.environment.probe_exe), "clock"], env=self.env)
        reading = json.loads(output.strip().splitlines()[-1])
        wall = datetime.datetime.strptime(reading["local"], "%Y.%m.%d %H:%M:%S").timestamp()
        return wall, reading["ticks"] / 1000, time.monotonic()

    def move_clock_checked(self, offset, wall_jump, steady_jump):
        """move_clock, then checks that Wine's clocks jumped as meant: a test on clocks that did not
        move would prove nothing."""
        before = self.clocks()
        self.move_clock(offset)
        after = self.clocks()
        real = after[2] - before[2]
        self.assertAlmostEqual(after[0] - before[0] - real, wall_jump, delta=3, msg="Wine's wall clock")
        self.assertAlmostEqual(after[1] - before[1] - real, steady_jump, delta=3, msg="Wine's tick count")

    def start_faked(self, settings, steady_clock_too, present=True):
        """Starts the program under the faked clocks after input; with present, input keeps coming."""
        self.probe.stop()
        self.environment.kill_wine()
        self.env = dict(os.environ, LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME_TIMESTAMP_FILE=str(self.offset_file),
                        FAKETIME_NO_CACHE="1")
        if not steady_clock_too:
            self.env["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
        self.environment.write_settings(settings)
        # Brings up the faked server with input in it, so that the program starts with a user present.
        run(["wine", str(self.environment.probe_exe), "input"], env=self.env)
        self.program = Program(self.environment, env=self.env)
        wait_for(self.icon_drawn, 60, "the icon in the notification area")
        self.icon_seen = time.monotonic()
        if present:
            self.start_presence()

    def pause_shown(self):
        return self.probe.window(PAUSE_CAPTION).get("visible", False)

    def button_enabled(self):
        return self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["enabled"]

    def assert_no_pause_for(self, duration, why):
        deadline = time.monotonic() + duration
        while time.monotonic() < deadline:
            self.assertFalse(self.pause_shown(), why)
            time.sleep(0.3)


class ClockJumpTest(FakedClockTestCase):
    def test_setting_the_clock_moves_neither_the_next_pause_nor_a_running_one(self):
        interval, length = 25, 30
        self.start_faked(f"00:00:{interval:02}\r\n00:00:{length:02}\r\n".encode(), steady_clock_too=False)

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
        self.start_faked(b"00:08:00\r\n00:05:00\r\n", steady_clock_too=True)
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
        self.start_faked(b"00:00:03\r\n00:05:00\r\n", steady_clock_too=True)
        wait_for(self.pause_shown, 15, "the first pause")
        self.assertFalse(self.button_enabled())
        self.assertTrue(self.probe.power("suspend")["sent"])
        self.move_clock(+600)
        self.assertTrue(self.probe.power("resume")["sent"])
        wait_for(self.button_enabled, 2, "the pause over at the wake")
        self.assertEqual(self.time_left("sleep-pause-over"), "enough")
        self.click_button(PAUSE_CAPTION, "Back to work")
        self.wait_hidden(PAUSE_CAPTION, timeout=5)
        self.assert_no_pause_for(2, "the dismissal ends the pause that the sleep made over")


if __name__ == "__main__":
    unittest.main()
