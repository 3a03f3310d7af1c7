"""End-to-end scenarios of daily use: one instance per session, /quit, the tooltip that says when,
and a save that fails."""

import re
import subprocess
import sys
import time
import unittest

from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, inset, wait_for
from test_tavelin import TavelinTestCase

BOX_CAPTION = "Tavelin"


class DailyTestCase(TavelinTestCase):
    def run_exe(self, *arguments, timeout=30):
        """A further start of Tavelin.exe, as from the Run box or a script; its exit code."""
        started = time.monotonic()
        done = subprocess.run(["wine", str(self.environment.exe), *arguments], cwd=self.program_workdir(),
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=timeout)
        if done.returncode != 0:
            # The program itself always ends with 0: what Wine said is the only trace of why not.
            print(f"exit code {done.returncode}: {done.stderr.decode(errors='replace')}", file=sys.stderr)
        return done.returncode, time.monotonic() - started

    def program_workdir(self):
        return self.program.workdir.name if self.program is not None else None

    def icon_slot_drawn(self, slot):
        """Whether the tray shows an icon in the given place of its row (0 for the first)."""
        rect = self.icon_rect()
        if rect is None:
            return False
        left, top, right, bottom = rect
        width = right - left
        slot_rect = (left + slot * width, top, right + slot * width, bottom)
        values = [v for row in self.screen.gray_pixels(self.screen.shot("last-tray"), slot_rect) for v in row]
        return max(values) - min(values) > 60

    def tooltip_lines(self, step):
        """Hovers over the icon as a user does and reads the tooltip's lines."""
        x, y = centre(self.icon_rect())
        self.screen.move(x - 3, y - 3)
        time.sleep(0.3)
        self.screen.move(x, y)
        tips = wait_for(lambda: [w for w in self.probe.visible_windows() if w["class"] == "tooltips_class32"],
                        10, "the icon's tooltip")
        lines = self.screen.read_lines(self.shot(step), inset(tips[0]["rect"], 2))
        # The pointer leaves again, so that the next hover shows the tooltip afresh.
        self.screen.move(640, 700)
        wait_for(lambda: not [w for w in self.probe.visible_windows() if w["class"] == "tooltips_class32"], 10,
                 "the tooltip to go")
        return [text for text, _ in sorted(lines, key=lambda line: line[1][1])]


class SecondStartTest(DailyTestCase):
    def test_a_second_start_opens_the_running_ones_configuration_and_exits(self):
        program = self.start()
        pid = self.probe.window(PAUSE_CAPTION)["pid"]
        self.assertFalse(self.icon_slot_drawn(1), "one icon before")

        code, _ = self.run_exe()
        self.assertEqual(code, 0, "the second start exits with 0")
        config = self.wait_shown(CONFIG_CAPTION)
        self.shot("second-start")
        self.assertEqual(config["pid"], pid, "the running instance opened its window")
        self.assertTrue(config["foreground"], "in front")
        self.assertEqual(self.probe.pickers(CONFIG_CAPTION)[1], [True, False], "as a double click opens it")
        self.assertEqual({w["pid"] for w in self.probe.visible_windows() if w["class"] == "TWindow"}, {pid})
        self.assertTrue(program.running())

        # Hidden again (under Wine it covers the tray), and a further start brings it back.
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)
        self.assertTrue(self.icon_slot_drawn(0))
        self.assertFalse(self.icon_slot_drawn(1), "still one icon")
        self.assertEqual(self.run_exe("anything", "else")[0], 0, "other arguments start as before")
        self.assertTrue(self.wait_shown(CONFIG_CAPTION)["foreground"])
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        self.assertEqual(self.close_program(), 0, "one Close ends it")
        wait_for(lambda: not self.icon_drawn(), 10, "the icon to leave the notification area")


class QuitTest(DailyTestCase):
    def test_quit_without_an_instance_does_nothing(self):
        code, seconds = self.run_exe("/quit")
        self.assertEqual(code, 0)
        self.assertLess(seconds, 10, "no instance is waited for")
        self.assertIsNone(self.screen.tray(), "no icon was added")
        self.assertFalse(self.environment.data_folder.exists())

    def test_quit_ends_the_running_instance_and_waits_for_it(self):
        # Interval one second: the second run is ended during a pause.
        for number, (argument, settings) in enumerate([("-quit", None), ("/QUIT", b"00:00:01\r\n00:05:00\r\n")]):
            with self.subTest(argument=argument):
                program = self.start(settings)
                if settings is not None:
                    self.wait_shown(PAUSE_CAPTION, timeout=10)
                code, _ = self.run_exe(argument)
                self.assertEqual(code, 0)
                # The instance has ended by the time /quit returns; Wine's own process follows at once.
                self.assertEqual(program.wait_exit(timeout=5), 0, "it ended as Close ends it")
                wait_for(lambda: not self.icon_drawn(), 10, "the icon to leave the notification area")
                self.shot(f"after-quit-{number}")
                self.program.workdir.cleanup()
                self.program = None


class TooltipTest(DailyTestCase):
    def test_the_second_line_says_when_the_next_pause_comes(self):
        self.start(b"00:30:00\r\n00:05:00\r\n")
        self.assertEqual(self.tooltip_lines("tooltip-waiting"), ["Tavelin", "Next pause in 30 min"])
        self.assertEqual(self.close_program(), 0)

    def test_the_second_line_counts_a_pause_down_and_says_when_it_is_over(self):
        self.start(b"00:00:01\r\n00:00:12\r\n")
        self.wait_shown(PAUSE_CAPTION, timeout=10)
        lines = self.tooltip_lines("tooltip-pause")
        self.assertEqual(lines[0], "Tavelin")
        self.assertRegex(lines[1], r"^Pause: 00:00:(0\d|1[0-2]) left$")
        wait_for(lambda: self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["enabled"], 20, "the pause end")
        self.assertEqual(self.tooltip_lines("tooltip-over"), ["Tavelin", "Pause over"])
        self.assertEqual(self.close_program(), 0)


class FailedSaveTest(DailyTestCase):
    def test_ok_reports_a_failed_save_and_the_new_values_still_apply(self):
        # The data folder is a file: neither the folder nor the settings file can be made.
        self.environment.data_folder.parent.mkdir(parents=True, exist_ok=True)
        self.environment.data_folder.write_bytes(b"in the way")
        roaming = sorted(p.name for p in self.environment.data_folder.parent.iterdir())
        try:
            self.start()
            self.screen.click(*centre(self.icon_rect()), count=2)
            config = self.wait_shown(CONFIG_CAPTION)
            self.type_times("00:00:20", "00:00:02")
            self.click_button(CONFIG_CAPTION, "OK")

            box = self.wait_shown(BOX_CAPTION)
            self.shot("failed-save")
            self.assertEqual(box["pid"], config["pid"])
            self.assertTrue(box["foreground"])
            text = " ".join(c["text"] for c in box["children"] if c["class"].lower() == "static")
            windows_file = "C:\\users\\" + self.environment.data_folder.parent.parent.parent.name + \
                "\\AppData\\Roaming\\Tavelin\\config"
            self.assertIn("The settings could not be saved to the file", text)
            self.assertIn(windows_file, text)
            self.assertRegex(text, r"\(error \d+\)", "the system's reason and its code")
            self.assertIn("The new values apply until Tavelin ends.", text)
            self.assertTrue(self.probe.window(CONFIG_CAPTION)["visible"], "the box stands over the window")

            self.click_button(BOX_CAPTION, "OK")
            self.wait_hidden(CONFIG_CAPTION)
            self.assertFalse(self.probe.window(BOX_CAPTION)["found"])

            # The new interval runs, timed from the start, not the hour of the defaults.
            self.wait_shown(PAUSE_CAPTION, timeout=30)
            self.assertGreaterEqual(time.monotonic() - self.program.started, 20)
            self.assertRegex(self.time_left("pause-after-failed-save"), r"^00:00:0[0-2]$|^enough$",
                             "the new pause length")
            self.assertEqual(self.close_program(), 0)
            self.assertEqual(self.environment.data_folder.read_bytes(), b"in the way")
            self.assertEqual(sorted(p.name for p in self.environment.data_folder.parent.iterdir()), roaming,
                             "no temporary file left")
        finally:
            self.environment.data_folder.unlink()


if __name__ == "__main__":
    unittest.main()
