"""End-to-end scenarios of daily use: one instance per session, /quit, the tooltip that says when,
and a save that fails."""

import time
import unittest

from string_tables import EN, pattern
from tavelin_case import TavelinTestCase
from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, settings_bytes, wait_for

# The failed save's message box, whose caption is the program's name and whose button is the system's.
BOX_CAPTION = EN["IDS_PROGRAM_NAME"]
BOX_BUTTON = "OK"


class SecondStartTest(TavelinTestCase):
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
        self.assertEqual(self.probe.time_pickers(CONFIG_CAPTION)[1], [True, False], "as a double click opens it")
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


class QuitTest(TavelinTestCase):
    def test_quit_without_an_instance_does_nothing(self):
        code, seconds = self.run_exe("/quit")
        self.assertEqual(code, 0)
        self.assertLess(seconds, 10, "no instance is waited for")
        self.assertIsNone(self.screen.tray(), "no icon was added")
        self.assertFalse(self.environment.data_folder.exists())

    def test_quit_ends_the_running_instance_and_waits_for_it(self):
        # Interval one second: the second run is ended during a pause.
        for number, (argument, settings) in enumerate([("-quit", None), ("/QUIT", settings_bytes(1, 5 * 60))]):
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
                self.forget_program()


class TooltipTest(TavelinTestCase):
    def test_the_second_line_says_when_the_next_pause_comes(self):
        self.start(settings_bytes(30 * 60, 5 * 60))
        self.assertEqual(self.tooltip_lines("tooltip-waiting"),
                         [EN["IDS_PROGRAM_NAME"], EN.format("IDS_TIP_NEXT_PAUSE", 30)])
        self.assertEqual(self.close_program(), 0)

    def test_the_second_line_counts_a_pause_down_and_says_when_it_is_over(self):
        self.start(settings_bytes(1, 12))
        self.wait_shown(PAUSE_CAPTION, timeout=10)
        lines = self.tooltip_lines("tooltip-pause")
        self.assertEqual(lines[0], EN["IDS_PROGRAM_NAME"])
        self.assertRegex(lines[1], "^" + pattern(EN["IDS_TIP_PAUSE_LEFT"], r"00:00:(0\d|1[0-2])") + "$")
        wait_for(self.button_enabled, 20, "the pause end")
        self.assertEqual(self.tooltip_lines("tooltip-over"), [EN["IDS_PROGRAM_NAME"], EN["IDS_TIP_PAUSE_OVER"]])
        self.assertEqual(self.close_program(), 0)


class FailedSaveTest(TavelinTestCase):
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
            self.click_button(CONFIG_CAPTION, EN["IDS_OK_BUTTON"])

            box = self.wait_shown(BOX_CAPTION)
            self.shot("failed-save")
            self.assertEqual(box["pid"], config["pid"])
            self.assertTrue(box["foreground"])
            text = " ".join(c["text"] for c in box["children"] if c["class"].lower() == "static")
            windows_file = "C:\\users\\" + self.environment.data_folder.parent.parent.parent.name + \
                "\\AppData\\Roaming\\Tavelin\\config"
            message = EN["IDS_SAVE_FAILED"].split("\n")
            self.assertIn(message[0], text)
            self.assertIn(windows_file, text)
            self.assertRegex(text, pattern(EN["IDS_SAVE_FAILED_REASON"], ".*", r"\d+"),
                             "the system's reason and its code")
            self.assertIn(message[-1], text)
            self.assertTrue(self.probe.window(CONFIG_CAPTION)["visible"], "the box stands over the window")

            self.click_button(BOX_CAPTION, BOX_BUTTON)
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
