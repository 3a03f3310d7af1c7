"""End-to-end scenarios: Tavelin.exe under Wine, used through its tray icon, menu, windows and keys."""

import re
import subprocess
import time
import unittest

from tavelin_driver import (CONFIG_CAPTION, PAUSE_CAPTION, Environment, Presence, Probe, Program, Screen,
                            centre, inset, reads_whole, run, wait_for)

# The dialog font's small colon after "left" is at times not read; the digits always are.
COUNTDOWN = re.compile(r"Time left:? (\d\d):(\d\d):(\d\d)$")


def seconds(duration):
    hours, minutes, secs = (int(part) for part in duration.split(":"))
    return hours * 3600 + minutes * 60 + secs


class TavelinTestCase(unittest.TestCase):
    def setUp(self):
        self.environment = Environment()
        self.probe = Probe(self.environment.probe_exe)
        self.screen = Screen(self.environment.screenshots)
        self.program = None
        self.presence = None
        self.environment.remove_settings()
        if self.screen.tray() is not None:
            # A tray left over from an earlier run would hold icons of its own.
            self.environment.kill_wine()

    def tearDown(self):
        self.stop_presence()
        self.probe.stop()
        if self.program is not None:
            self.program.stop()
        self.environment.remove_settings()

    # --- starting and ending

    def start(self, settings=None, present=True):
        """Starts the program; with present, input comes before it and then every few seconds, as
        from a user at the keyboard (without any, Tavelin would take the user as away)."""
        if settings is not None:
            self.environment.write_settings(settings)
        if present:
            self.start_presence()
        self.program = Program(self.environment)
        wait_for(self.icon_drawn, 60, "the icon in the notification area")
        self.icon_seen = time.monotonic()
        return self.program

    def start_presence(self):
        self.stop_presence()
        self.presence = Presence(self.probe)
        self.presence.start()

    def stop_presence(self):
        if self.presence is not None:
            self.presence.stop()
            self.presence = None

    def shot(self, step):
        return self.screen.shot(f"{type(self).__name__}-{step}")

    def icon_rect(self):
        tray = self.screen.tray()
        if tray is None:
            return None
        x, y, _, height = tray
        return x, y, x + 20, y + height

    def icon_drawn(self):
        rect = self.icon_rect()
        if rect is None:
            return False
        values = [v for row in self.screen.gray_pixels(self.screen.shot("last-tray"), rect) for v in row]
        return max(values) - min(values) > 60

    def close_program(self):
        self.choose("Close")
        return self.program.wait_exit(timeout=20)

    # --- tray menu

    def open_menu(self):
        self.screen.click(*centre(self.icon_rect()), button=3)
        return wait_for(lambda: self.probe.menu().get("rect"), 10, "the tray menu")

    def menu_items(self, step):
        rect = self.open_menu()

        def drawn():
            # The menu window is shown a moment before its items are drawn.
            shot = self.shot(step)
            lines = self.screen.read_lines(shot, rect)
            return (shot, lines) if lines else None
        return wait_for(drawn, 3, "the tray menu's items")

    def choose(self, item):
        _, lines = self.menu_items("menu")
        boxes = [box for text, box in lines if text == item]
        self.assertTrue(boxes, f"no menu item {item!r} in {lines}")
        self.screen.click(*centre(boxes[0]))
        wait_for(lambda: not self.probe.menu()["open"], 10, "the menu to close")

    # --- windows

    def type_times(self, interval, length):
        """Types both values: a field is chosen with the arrow keys, Tab moves to the next picker."""
        def fields(value):
            keys = []
            for part in value.split(":"):
                keys += ["Right", *part]
            return keys
        self.keys_to(CONFIG_CAPTION, *fields(interval), "Tab", *fields(length))
        self.assertEqual(self.probe.pickers(CONFIG_CAPTION)[0], [interval, length], "typed values")

    def read_countdown(self, step):
        def read():
            # Under openbox a window just shown can be reported for a moment where the window
            # manager first placed it: the picture counts only if the window stood still around it.
            client = self.probe.window(PAUSE_CAPTION)["client"]
            shot = self.shot(step)
            if self.probe.window(PAUSE_CAPTION)["client"] != client:
                return None
            lines = [text for text, _ in self.screen.read_lines(shot, client, scale=4)]
            return lines if len(lines) >= 2 else None
        # A window just shown may not be painted yet on a busy machine.
        lines = wait_for(read, 3, "the pause window painted")
        # The disabled button's grey caption is too faint to read reliably; the probe checks its text.
        self.assertIn(len(lines), (2, 3), f"title, time left and perhaps the button: {lines}")
        self.assertTrue(reads_whole(lines[0], "Make a pause :)"), lines[0])
        if len(lines) == 3:
            # The button's frame may be read as a bar on either side.
            # Its small type may also run two words together.
            self.assertTrue(reads_whole(lines[2].strip("|[] "), "Back to work") or
                            reads_whole("".join(lines[2].split()).strip("|[]"), "Backtowork"), lines[2])
        return lines[1]

    def time_left(self, step):
        """The time-left line as the program shows it: a duration "HH:MM:SS", or "enough"."""
        line = self.read_countdown(step)
        if reads_whole(line, "Time left: enough"):
            return "enough"
        match = COUNTDOWN.match(line)
        self.assertIsNotNone(match, f"time left line: {line!r}")
        return line[-8:]

    def wait_shown(self, caption, timeout=3):
        return wait_for(lambda: (lambda w: w if w.get("visible") else None)(self.probe.window(caption)),
                        timeout, f"window {caption!r} to show")

    def wait_hidden(self, caption, timeout=2):
        wait_for(lambda: not self.probe.window(caption)["visible"], timeout, f"window {caption!r} to hide")

    def click_button(self, caption, text):
        self.screen.click(*centre(self.probe.child(caption, "Button", text)["rect"]))

    def keys_to(self, caption, *names):
        """Types as a user does, into the window in front; the program must have put it there and the
        window manager must have given it the keyboard focus, else the keys would go elsewhere."""
        wait_for(lambda: self.probe.window(caption)["foreground"] and self.screen.focused_name() == caption, 2,
                 f"window {caption!r} in front with the keyboard focus")
        self.screen.keys(*names)

    def program_windows(self, pid):
        return [w for w in self.probe.visible_windows() if w["pid"] == pid]


class StartupTest(TavelinTestCase):
    def test_starts_as_an_icon_only_and_closes_from_its_menu(self):
        outputs = sorted(p.name for p in self.environment.exe.parent.iterdir())
        program = self.start()

        self.screen.move(*centre(self.icon_rect()))
        tips = wait_for(lambda: [w for w in self.probe.visible_windows() if w["class"] == "tooltips_class32"],
                        10, "the icon's tooltip")
        self.assertIn("Tavelin", self.screen.read_text(self.shot("tooltip"), inset(tips[0]["rect"], 2)))

        pause, config = self.probe.window(PAUSE_CAPTION), self.probe.window(CONFIG_CAPTION)
        self.assertTrue(pause["found"] and config["found"], "both windows exist from the start")
        self.assertFalse(pause["visible"] or config["visible"])
        self.assertEqual(self.program_windows(pause["pid"]), [], "no window is shown")

        shot, lines = self.menu_items("menu")
        # The submenu's arrow is read as ">" or the like.
        self.assertEqual([text.rstrip(" >»›") for text, _ in lines],
                         ["Configure", "Help", "Pause reminders", "Take a pause now", "Close"])
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
        self.assertEqual(self.probe.pickers(CONFIG_CAPTION)[1], [True, False], "focus on the interval picker")
        self.click_button(CONFIG_CAPTION, "Cancel")
        self.wait_hidden(CONFIG_CAPTION)

        self.choose("Configure")
        self.assertTrue(self.wait_shown(CONFIG_CAPTION)["foreground"])
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        self.choose("Help")
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

    def button_enabled(self):
        return self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["enabled"]

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
        settings = f"00:00:{self.INTERVAL:02}\r\n00:00:{self.LENGTH:02}\r\n".encode()
        self.start(settings)
        dismissals = [
            ("Back to work", lambda: self.click_button(PAUSE_CAPTION, "Back to work")),
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
            wait_for(lambda: reads_whole(self.read_countdown(f"pause-over-{number}"), "Time left: enough"), 2,
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
    SAVED = b"00:10:00\r\n00:00:03\r\n"

    def open_configuration(self, by_menu):
        if by_menu:
            self.choose("Configure")
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
        self.assertIn("Interval between pauses", text)
        self.assertIn("Pause length", text)

        shown = ["00:10:00", "00:00:03"]
        leaves = [
            ("Cancel", ["00:20:00", "00:01:00"], lambda: self.click_button(CONFIG_CAPTION, "Cancel")),
            ("Esc", ["00:30:00", "00:02:00"], lambda: self.keys_to(CONFIG_CAPTION, "Escape")),
            ("close box", ["01:40:00", "00:03:30"], lambda: self.probe.close(CONFIG_CAPTION)),
        ]
        for number, (route, edited, leave) in enumerate(leaves):
            if number > 0:
                self.open_configuration(by_menu=number % 2 == 1)
            self.assertEqual(self.probe.pickers(CONFIG_CAPTION), (shown, [True, False]),
                             f"before {route}: the values last edited, focus on the interval")
            self.type_times(*edited)
            leave()
            self.wait_hidden(CONFIG_CAPTION)
            self.assert_saved_unchanged(stamp)
            shown = edited

        self.open_configuration(by_menu=False)
        self.assertEqual(self.probe.pickers(CONFIG_CAPTION)[0], shown)
        self.type_times("00:00:01", "00:00:02")
        self.click_button(CONFIG_CAPTION, "OK")
        accepted_at = time.monotonic()
        self.wait_hidden(CONFIG_CAPTION)
        self.assertEqual(self.environment.settings_file.read_bytes(), b"00:00:01\r\n00:00:02\r\n")

        # The running schedule follows at once: the first pause, ten minutes away before, has passed.
        self.wait_shown(PAUSE_CAPTION, timeout=3)
        self.assertLessEqual(time.monotonic() - accepted_at, 3)
        self.assertRegex(self.time_left("pause-after-ok"), r"^00:00:0[0-2]$|^enough$", "the new pause length")
        wait_for(lambda: self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["enabled"], 5,
                 "the end of the two-second pause")
        self.assertEqual(self.close_program(), 0)
        self.assertEqual(self.environment.settings_file.read_bytes(), b"00:00:01\r\n00:00:02\r\n")


if __name__ == "__main__":
    unittest.main()
