"""End-to-end scenarios for eye pauses and working hours, with intervals of seconds: the eye pause
window comes, comes back on Esc and ends by itself; outside working hours no pause comes and the
tooltip says so, and hours set to include the present bring the next pause one interval later."""

import datetime
import time
import unittest

from string_tables import EN
from tavelin_case import TavelinTestCase
from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, settings_bytes, wait_for

EYE_CAPTION = EN["IDS_EYE_PAUSE_CAPTION"]
EVERY_DAY = "WorkingDays=Mon,Tue,Wed,Thu,Fri,Sat,Sun"


class EyePauseTest(TavelinTestCase):
    # Long enough for the window to take the focus and Esc to be typed before it ends.
    EYE_INTERVAL = 10
    EYE_LENGTH = 6

    def test_eye_pauses_come_every_eye_interval_and_end_by_themselves(self):
        self.start(settings_bytes(3600, 300, ["EyePauses=1", f"EyePauseInterval=00:00:{self.EYE_INTERVAL:02d}",
                                              f"EyePauseLength=00:00:{self.EYE_LENGTH:02d}"]))
        earliest, latest = self.program.started, self.icon_seen
        window = self.wait_shown(EYE_CAPTION, timeout=self.EYE_INTERVAL + 10)
        shown_at = time.monotonic()
        self.assertGreaterEqual(shown_at - earliest, self.EYE_INTERVAL, "the first eye pause too early")
        self.assertLessEqual(shown_at - latest, self.EYE_INTERVAL + 3, "the first eye pause too late")
        self.assertFalse([c for c in window.get("children", []) if c["class"].lower() == "button"], "no button")
        self.assertFalse(self.pause_shown())

        self.keys_to(EYE_CAPTION, "Escape")
        wait_for(lambda: (lambda w: w["visible"] and w["foreground"])(self.probe.window(EYE_CAPTION)), 1,
                 "Esc to bring the eye pause back in front")

        self.wait_hidden(EYE_CAPTION, timeout=self.EYE_LENGTH + 2)
        hidden_at = time.monotonic()
        # Its end a second after it showed at the latest; one more for a loaded machine.
        self.assertGreaterEqual(hidden_at - shown_at, self.EYE_LENGTH - 1)
        self.assertLessEqual(hidden_at - shown_at, self.EYE_LENGTH + 2, "hidden within a second of its end")

        self.wait_shown(EYE_CAPTION, timeout=self.EYE_INTERVAL + 4)
        again_at = time.monotonic()
        self.assertGreaterEqual(again_at - hidden_at, self.EYE_INTERVAL - 1, "the next eye pause too early")
        self.assertLessEqual(again_at - hidden_at, self.EYE_INTERVAL + 3, "the next eye pause too late")
        self.assertFalse(self.pause_shown())


def clock_text(moment):
    return moment.strftime("%H:%M")


class WorkingHoursTest(TavelinTestCase):
    INTERVAL = 5

    def test_no_pause_outside_the_hours_and_one_an_interval_after_they_include_the_present(self):
        now = datetime.datetime.now()
        later = [clock_text(now + datetime.timedelta(hours=hours)) for hours in (3, 4)]
        self.start(settings_bytes(self.INTERVAL, 3, ["WorkingHours=1", f"WorkingHoursFrom={later[0]}:00",
                                                     f"WorkingHoursTo={later[1]}:00", EVERY_DAY]))
        self.assert_no_pause_for(3 * self.INTERVAL, "no pause outside working hours")
        lines = self.tooltip_lines("tooltip-outside")
        self.assertEqual(lines[0], EN["IDS_PROGRAM_NAME"])
        self.assertTrue(lines[1].startswith(EN["IDS_TIP_OUTSIDE_HOURS_NOW"]), lines)

        # From an hour ago: Tab goes from the interval picker past the pause length, the two options,
        # the eye pauses' box (its pickers are off) and the hours' box to "From".
        self.screen.click(*centre(self.icon_rect()), count=2)
        self.wait_shown(CONFIG_CAPTION)
        earlier = clock_text(datetime.datetime.now() - datetime.timedelta(hours=1))
        keys = []
        for part in earlier.split(":"):
            keys += ["Right", *part]
        self.keys_to(CONFIG_CAPTION, *["Tab"] * 6, *keys)
        self.assertEqual(self.probe.pickers(CONFIG_CAPTION)[0][4][:5], earlier, "typed From")
        self.screen.keys("Return")
        self.wait_hidden(CONFIG_CAPTION)
        accepted_at = time.monotonic()
        self.wait_shown(PAUSE_CAPTION, timeout=self.INTERVAL + 5)
        shown_at = time.monotonic()
        self.assertGreaterEqual(shown_at - accepted_at, self.INTERVAL - 1, "the pause an interval after the hours began")
        self.assertLessEqual(shown_at - accepted_at, self.INTERVAL + 3)


if __name__ == "__main__":
    unittest.main()
