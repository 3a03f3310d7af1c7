"""End-to-end scenarios for the user's presence: time without input taken as a pause, a call that
holds a due pause, and the heads-up before a pause."""

import json
import subprocess
import tempfile
import time
import unittest

from string_tables import EN, pattern
from tavelin_case import TavelinTestCase
from tavelin_clock import FakedClockTestCase
from tavelin_driver import PAUSE_CAPTION, Environment, run, settings_bytes, wait_for

CONSENT_STORE = r"HKCU\Software\Microsoft\Windows\CurrentVersion\CapabilityAccessManager\ConsentStore"
# A FILETIME of December 2025: when the use began.
STARTED = "134090000000000000"
# Wine's standalone tray shows no balloons; the tray of Wine's virtual desktop does.
DESKTOP = "/desktop=tavelin-heads-up,1200x760"
# The heads-up of a 5-second pause with one to five seconds left.
FIVE_SECOND_PAUSE = pattern(EN.forms("IDS_HEADS_UP_PAUSE_SECONDS")[0], "5")
IN_UP_TO_FIVE_SECONDS = "(?:" + "|".join(pattern(form, "[1-5]") for form in EN.forms("IDS_HEADS_UP_IN_SECONDS")) + ")"
HEADS_UP = "^" + pattern(EN["IDS_HEADS_UP"], FIVE_SECOND_PAUSE, IN_UP_TO_FIVE_SECONDS) + "$"


class NaturalBreakTest(FakedClockTestCase):
    def idle_seconds(self):
        output = run(["wine", str(self.environment.probe_exe), "idle"], env=self.env)
        return json.loads(output.strip().splitlines()[-1])["idleMs"] / 1000

    def test_no_input_as_long_as_the_threshold_takes_the_pause_and_input_times_the_next(self):
        # A pause of 5 s: two minutes without input count as time away.
        interval = 30
        # The pointer rests where no window of Wine will be: a window mapped under it would bring it
        # crossing events, which Wine counts as input.
        self.screen.move(1279, 400)
        self.start_faked(settings_bytes(interval, 5), steady_clock_too=True, present=False)
        # Both clocks 150 s on with no input: the interval runs out while the user is away.
        self.move_clock_checked(+150, 150, 150)
        self.assertGreaterEqual(self.idle_seconds(), 120, "Wine's last input lies before the jump")
        self.assert_no_pause_for(5, "no pause while the user is away")

        # Input returns the user, and keeps coming: the next pause is an interval after the return.
        self.start_presence()
        returned = time.monotonic()
        self.assert_no_pause_for(interval - 3, "no pause before an interval from the return")
        wait_for(self.pause_shown, 3 + 4, "the pause an interval after the return")
        self.assertGreaterEqual(time.monotonic() - returned, interval, "pause too early")


class CallTest(TavelinTestCase):
    def set_use(self, entry, stop):
        key = CONSENT_STORE + "\\" + entry
        for name, value in (("LastUsedTimeStart", STARTED), ("LastUsedTimeStop", stop)):
            run(["wine", "reg", "add", key, "/v", name, "/t", "REG_QWORD", "/d", value, "/f"], timeout=120)

    def tearDown(self):
        subprocess.run(["wine", "reg", "delete", CONSENT_STORE, "/f"], capture_output=True, timeout=120)
        super().tearDown()

    def check_call_holds_the_pause(self, entry, step):
        """In use from the start: the due pause waits, and the tooltip says why; once the use has
        stopped, the pause begins within two ticks."""
        interval = 5
        self.set_use(entry, "0")
        self.start(settings_bytes(interval, 5))
        self.assert_no_pause_for(self.icon_seen + interval + 6 - time.monotonic(), "no pause during the call")
        self.assertEqual(self.tooltip_lines(f"tooltip-{step}"), [EN["IDS_PROGRAM_NAME"], EN["IDS_TIP_WAITS_CALL"]])
        self.assertFalse(self.probe.window(PAUSE_CAPTION).get("visible"), "no pause during the call")
        self.set_use(entry, str(int(STARTED) + 600_000_000))
        ended = time.monotonic()
        # Two ticks, and a second for a loaded machine.
        self.wait_shown(PAUSE_CAPTION, timeout=3)
        self.assertLessEqual(time.monotonic() - ended, 3)
        wait_for(self.button_enabled, 10, "the pause end")
        self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
        self.wait_hidden(PAUSE_CAPTION, timeout=3)
        self.assertEqual(self.close_program(), 0)

    def test_a_desktop_programs_microphone(self):
        self.check_call_holds_the_pause(r"microphone\NonPackaged\C:#Program Files#Talk#Talk.exe", "call-microphone")

    def test_a_packaged_apps_camera(self):
        self.check_call_holds_the_pause(r"webcam\Microsoft.WindowsCamera_8wekyb3d8bbwe", "call-camera")


def watch_answer(output):
    """The probe's answer once its last line is whole JSON, else None."""
    output.seek(0)
    lines = output.read().strip().splitlines()
    try:
        return json.loads(lines[-1]) if lines else None
    except ValueError:
        return None


class HeadsUpTest(unittest.TestCase):
    """On Wine's virtual desktop, whose windows only a program on the same desktop sees: the probe
    runs there too, one question a start."""

    def setUp(self):
        self.environment = Environment()
        self.environment.remove_settings()
        self.environment.kill_wine()
        self.program = None
        self.probes = []

    def tearDown(self):
        if self.program is not None and self.program.poll() is None:
            subprocess.run(["wine", "explorer", DESKTOP, str(self.environment.exe), "/quit"], capture_output=True,
                           timeout=60)
            self.program.wait(timeout=30)
        self.environment.kill_wine()
        for probe in self.probes:
            probe.wait(timeout=30)
        self.environment.remove_settings()

    def on_desktop(self, output, *args):
        """Starts the probe on the desktop, answering into a file: the desktop's own process, when
        this start makes it, inherits the probe's output and holds it open as long as any program
        runs there, so the end of that output may come only with the program's."""
        self.probes.append(subprocess.Popen(["wine", "explorer", DESKTOP, str(self.environment.probe_exe), *args],
                                            stdout=output, stderr=subprocess.DEVNULL, text=True))

    def test_the_heads_up_comes_once_shortly_before_the_pause(self):
        # Interval 20 s: the heads-up comes a quarter of it, 5 s, before the pause.
        interval, lead = 20, 5
        self.environment.write_settings(settings_bytes(interval, 5))
        with tempfile.TemporaryFile(mode="w+") as watched, tempfile.TemporaryFile(mode="w+") as given:
            self.on_desktop(watched, "watch", PAUSE_CAPTION, str(interval + 35))
            self.program = subprocess.Popen(["wine", "explorer", DESKTOP, str(self.environment.exe)],
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # Input once the program runs, from a user at the keyboard: a Wine server started afresh
            # counts the time since its start as time without input.
            self.on_desktop(given, "input")
            wait_for(lambda: watch_answer(given), 60, "the input")
            events = wait_for(lambda: watch_answer(watched), interval + 120, "the watch's answer")["events"]
        shown = [event["ms"] / 1000 for event in events if event["shown"]]
        self.assertTrue(shown, f"a pause came: {events}")
        before = [event for event in events if event["ms"] / 1000 < shown[0]]
        announced = [event for event in before if any(tip for tip in event["tips"])]
        self.assertTrue(announced, f"a heads-up before the pause: {events}")
        heads_up = [tip for tip in announced[0]["tips"] if tip]
        self.assertEqual(len(heads_up), 1, events)
        self.assertRegex(heads_up[0], HEADS_UP)
        # The heads-up comes at the first tick with at most the lead left, so up to a second less;
        # Wine shows the balloon a moment after it is asked for; the pause begins a second or two
        # after its start.
        self.assertGreaterEqual(shown[0] - announced[0]["ms"] / 1000, lead - 2, f"too early: {events}")
        self.assertLessEqual(shown[0] - announced[0]["ms"] / 1000, lead + 2, f"too late: {events}")
        appearances = sum(1 for previous, event in zip([{"tips": []}] + before, before)
                          if any(event["tips"]) and not any(previous["tips"]))
        self.assertEqual(appearances, 1, f"once: {events}")


if __name__ == "__main__":
    unittest.main()
