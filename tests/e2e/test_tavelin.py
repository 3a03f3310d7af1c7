"""End-to-end scenarios: Tavelin.exe under Wine, used through its tray icon, menu, windows and keys."""

import subprocess
import time
import unittest

from string_tables import EN
from tavelin_case import COUNTDOWN, MENU, TavelinTestCase, item_text
from tavelin_driver import (CONFIG_CAPTION, PAUSE_CAPTION, centre, inset, reads_whole, run, seconds, settings_bytes,
                            wait_for)

BACK_TO_WORK = EN["IDS_PAUSE_BUTTON"]


class StartupTest(TavelinTestCase):
    def test_starts_as_an_icon_only_and_closes_from_its_menu(self):
        outputs = sorted(p.name for p in self.environment.exe.parent.iterdir())
        program = self.start()

        self.screen.move(*centre(self.icon_rect()))
        tips = wait_for(self.tooltip_windows, 10, "the icon's tooltip")
        self.assertIn(EN["IDS_PROGRAM_NAME"], self.screen.read_text(self.shot("tooltip"), inset(tips[0]["rect"], 2)))

        pause, config = self.probe.window(PAUSE_CAPTION), self.probe.window(CONFIG_CAPTION)
        self.assertTrue(pause["found"] and config["found"], "both windows exist from the start")
        self.assertFalse(pause["visible"] or config["visible"])
        self.assertEqual(self.program_windows(pause["pid"]), [], "no window is shown")

        shot, lines = self.menu_items("menu")
        self.assertEqual([item_text(text) for text, _ in lines], [EN[name] for name in MENU])
        widths = [self.screen.stroke_width(shot, box) for _, box in lines]
        self.assertGreater(widths[0], 1.25 * max(widths[1:]), f"only Configure is bold: strokes {widths}")

        # Under a window manager Wine's menu takes no keys: a user closes it by clicking elsewhere.
        _, _, menu_right, menu_bottom = self.probe.menu()["rect"]
        self.screen.click(menu_right + 200, menu_bottom + 200)
        wait_for(lambda: not self.probe.menu()["open"], 3, "a click beside the menu to close it")
        time.sleep(1)
        self.assertEqual(self.program_windows(pause["pid"]), [], "a menu closed without a choice does nothing")
        self.assertTrue(program.running())

        self.assertFalse(self.environment.data_folder.exists(), "no data folder at start-up")
        self.assertEqual(self.close_program(), 0)
        wait_for(lambda: not self.icon_drawn(), 10, "the icon to leave the notification area")
        self.assertFalse(self.environment.data_folder.exists(), "nothing is written at exit")
        self.assertEqual(program.files_in_workdir(), [])
        self.assertEqual(sorted(p.name for p in self.environment.exe.parent.iterdir()), outputs)


class TrayTest(TavelinTestCase):
    def viewer_caption(self, chm):
        """The caption the system's help viewer gives this help file when opened on its own."""
        path = run(["winepath", "-w", str(chm)]).strip()
        viewer = subprocess.Popen(["wine", "hh.exe", path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            windows = wait_for(lambda: [w for w in self.probe.visible_windows() if w["class"] == "HH Parent"],
                               30, "hh.exe to show the help file")
            return windows[0]["caption"]
        finally:
            viewer.kill()
            viewer.wait(timeout=30)

    def test_double_click_and_menu_open_the_windows_and_the_help(self):
        chm = self.environment.exe.parent / "Help.chm"
        self.assertTrue(chm.exists(), f"{chm} is built beside the program")
        expected_caption = self.viewer_caption(chm)
        program = self.start()
        pid = self.probe.window(PAUSE_CAPTION)["pid"]

        self.screen.click(*centre(self.icon_rect()), count=2)
        config = self.wait_shown(CONFIG_CAPTION)
        self.assertTrue(config["foreground"])
        self.assertEqual(self.probe.time_pickers(CONFIG_CAPTION)[1], [True, False], "focus on the interval picker")
        self.click_button(CONFIG_CAPTION, EN["IDS_CANCEL_BUTTON"])
        self.wait_hidden(CONFIG_CAPTION)

        self.choose(EN["IDS_MENU_CONFIGURE"])
        self.assertTrue(self.wait_shown(CONFIG_CAPTION)["foreground"])
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        self.choose(EN["IDS_MENU_HELP"])
        viewers = wait_for(lambda: [w for w in self.program_windows(pid) if w["class"] == "HH Parent"], 30,
                           "the help viewer of the program")
        self.shot("help-viewer")
        self.assertEqual(viewers[0]["caption"], expected_caption, "the viewer shows Help.chm")
        self.assertFalse(self.probe.window(CONFIG_CAPTION)["visible"])

        self.assertEqual(self.close_program(), 0, "Close ends the program, the help viewer open or not")
        wait_for(lambda: not self.icon_drawn(), 10, "the icon to leave the notification area")
        self.assertEqual(self.environment.data_folder.exists(), False)


class PauseCycleTest(TavelinTestCase):
    INTERVAL = 4
    LENGTH = 15

    @staticmethod
    def centred(window):
        left, top, right, bottom = window["rect"]
        work_left, work_top, work_right, work_bottom = window["workArea"]
        return (left, top) == ((work_left + work_right) // 2 - (right - left) // 2,
                               (work_top + work_bottom) // 2 - (bottom - top) // 2)

    def assert_pause_in_front(self, window):
        # The program shows the window, then puts it in front: a look can fall between the two.
        if not window["foreground"]:
            wait_for(lambda: self.probe.window(PAUSE_CAPTION)["foreground"], 1, "the pause window in front")
        # Under Wine a hidden window's new size can reach the screen after it is shown; every tick
        # re-centres the window, so it must be centred within a tick or two.
        if not self.centred(window):
            wait_for(lambda: self.centred(self.probe.window(PAUSE_CAPTION)), 2.5,
                     f"the pause window centred on the work area {window['workArea']}")

    def check_countdown(self, shown_at):
        first = self.read_countdown("pause-countdown")
        match = COUNTDOWN.match(first)
        self.assertIsNotNone(match, f"countdown line: {first!r}")
        self.assertLessEqual(seconds(first[-8:]), self.LENGTH)
        self.assertGreaterEqual(seconds(first[-8:]), self.LENGTH - (time.monotonic() - shown_at) - 1.5)
        time.sleep(1.2)
        second = self.read_countdown("pause-countdown-later")
        self.assertIsNotNone(COUNTDOWN.match(second), f"countdown line: {second!r}")
        self.assertLess(seconds(second[-8:]), seconds(first[-8:]), "the line counts down")

    def check_no_early_end(self):
        # Opening the configuration window takes the front; the close box of the pause window must
        # then hide it and show it again in front, still counting down.
        self.screen.click(*centre(self.icon_rect()), count=2)
        self.wait_shown(CONFIG_CAPTION)
        self.assertFalse(self.probe.window(PAUSE_CAPTION)["foreground"])
        self.probe.close(PAUSE_CAPTION)
        wait_for(lambda: self.probe.window(PAUSE_CAPTION)["foreground"], 1, "the pause window back in front")
        self.assertFalse(self.button_enabled())
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        self.keys_to(PAUSE_CAPTION, "Escape")
        wait_for(lambda: (lambda w: w["visible"] and w["foreground"])(self.probe.window(PAUSE_CAPTION)), 1,
                 "Esc to bring the running pause back in front")
        self.assertFalse(self.button_enabled())

    def test_pauses_come_after_the_interval_and_end_only_when_over(self):
        self.start(settings_bytes(self.INTERVAL, self.LENGTH))
        dismissals = [
            (BACK_TO_WORK, lambda: self.click_button(PAUSE_CAPTION, BACK_TO_WORK)),
            ("Esc", lambda: self.keys_to(PAUSE_CAPTION, "Escape")),
            ("close box", lambda: self.probe.close(PAUSE_CAPTION)),
        ]
        earliest, latest = self.program.started, self.icon_seen
        for number, (route, dismiss) in enumerate(dismissals):
            window = self.wait_shown(PAUSE_CAPTION, timeout=self.INTERVAL + 10)
            shown_at = time.monotonic()
            self.assertGreaterEqual(shown_at - earliest, self.INTERVAL, f"pause {number} too early")
            # Up to two seconds of tick and strict start test, and one for a loaded machine.
            self.assertLessEqual(shown_at - latest, self.INTERVAL + 3, f"pause {number} too late")
            self.assert_pause_in_front(window)
            self.assertFalse(self.button_enabled(), "the button waits for the end of the pause")
            if number == 0:
                self.check_countdown(shown_at)
                self.check_no_early_end()

            wait_for(self.button_enabled, self.LENGTH + 3, "the end of the pause")
            over_at = time.monotonic()
            self.assertGreaterEqual(over_at - shown_at, self.LENGTH - 1.5)
            # The button is enabled a moment before the line is drawn anew.
            wait_for(lambda: reads_whole(self.read_countdown(f"pause-over-{number}"), EN["IDS_TIME_LEFT_ENOUGH"]), 2,
                     "the line to say the pause is over")
            self.assert_pause_in_front(self.probe.window(PAUSE_CAPTION))

            dismiss()
            earliest = latest = time.monotonic()
            self.wait_hidden(PAUSE_CAPTION, timeout=1)
            time.sleep(1)
            self.assertFalse(self.probe.window(PAUSE_CAPTION)["visible"], f"{route} ends a pause that is over")

        self.wait_shown(PAUSE_CAPTION, timeout=self.INTERVAL + 10)
        self.assertEqual(self.close_program(), 0, "Close during a pause")


class ConfigurationTest(TavelinTestCase):
    SAVED = settings_bytes("00:10:00", "00:00:03")
    ACCEPTED = settings_bytes("00:00:01", "00:00:02")

    def open_configuration(self, by_menu):
        if by_menu:
            self.choose(EN["IDS_MENU_CONFIGURE"])
        else:
            self.screen.click(*centre(self.icon_rect()), count=2)
        window = self.wait_shown(CONFIG_CAPTION)
        self.assertTrue(window["foreground"])
        return window

    def assert_saved_unchanged(self, stamp):
        self.assertEqual(self.environment.settings_file.read_bytes(), self.SAVED)
        self.assertEqual(self.environment.settings_file.stat().st_mtime_ns, stamp)

    def test_keyboard_edits_are_saved_by_ok_only(self):
        self.start(self.SAVED)
        stamp = self.environment.settings_file.stat().st_mtime_ns
        self.open_configuration(by_menu=False)
        shot = self.shot("configuration-window")
        text = self.screen.read_text(shot, self.probe.window(CONFIG_CAPTION)["client"])
        self.assertIn(EN["IDS_INTERVAL_LABEL"], text)
        self.assertIn(EN["IDS_PAUSE_LENGTH_LABEL"], text)

        shown = ["00:10:00", "00:00:03"]
        leaves = [
            ("Cancel", ["00:20:00", "00:01:00"], lambda: self.click_button(CONFIG_CAPTION, EN["IDS_CANCEL_BUTTON"])),
            ("Esc", ["00:30:00", "00:02:00"], lambda: self.keys_to(CONFIG_CAPTION, "Escape")),
            ("close box", ["01:40:00", "00:03:30"], lambda: self.probe.close(CONFIG_CAPTION)),
        ]
        for number, (route, edited, leave) in enumerate(leaves):
            if number > 0:
                self.open_configuration(by_menu=number % 2 == 1)
            self.assertEqual(self.probe.time_pickers(CONFIG_CAPTION), (shown, [True, False]),
                             f"before {route}: the values last edited, focus on the interval")
            self.type_times(*edited)
            leave()
            self.wait_hidden(CONFIG_CAPTION)
            self.assert_saved_unchanged(stamp)
            shown = edited

        self.open_configuration(by_menu=False)
        self.assertEqual(self.probe.time_pickers(CONFIG_CAPTION)[0], shown)
        self.type_times("00:00:01", "00:00:02")
        self.click_button(CONFIG_CAPTION, EN["IDS_OK_BUTTON"])
        accepted_at = time.monotonic()
        self.wait_hidden(CONFIG_CAPTION)
        self.assertEqual(self.environment.settings_file.read_bytes(), self.ACCEPTED)

        # The running schedule follows at once: the first pause, ten minutes away before, has passed.
        self.wait_shown(PAUSE_CAPTION, timeout=3)
        self.assertLessEqual(time.monotonic() - accepted_at, 3)
        self.assertRegex(self.time_left("pause-after-ok"), r"^00:00:0[0-2]$|^enough$", "the new pause length")
        wait_for(self.button_enabled, 5, "the end of the two-second pause")
        self.assertEqual(self.close_program(), 0)
        self.assertEqual(self.environment.settings_file.read_bytes(), self.ACCEPTED)


if __name__ == "__main__":
    unittest.main()
