"""End-to-end scenarios of accessibility: both windows in high-contrast schemes and the tray icon from
the keyboard."""

import time
import unittest

from string_tables import EN
from tavelin_colors import COLORS_KEY, SCHEMES, set_scheme
from tavelin_case import TavelinTestCase
from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, inset, reads_whole, run, settings_bytes, wait_for


class AccessTestCase(TavelinTestCase):
    def set_scheme(self, face, text, window=None, window_text=None):
        set_scheme(self, face, text, window, window_text)


class HighContrastTest(AccessTestCase):
    def setUp(self):
        super().setUp()
        query = run(["wine", "reg", "query", COLORS_KEY], timeout=120)
        self.default = {line.split()[0]: " ".join(line.split()[2:]) for line in query.splitlines()
                        if line.split() and line.split()[0] in ("ButtonFace", "ButtonText", "Window", "WindowText")}

    def tearDown(self):
        super().tearDown()
        # All four as they were: the later tests in this prefix draw in the window colours too.
        self.set_scheme(self.default["ButtonFace"], self.default["ButtonText"], self.default["Window"],
                        self.default["WindowText"])

    def read_on(self, shot, rect, dark):
        """OCR of a rectangle; a dark face is read from a negated copy, as tesseract reads dark on light."""
        if dark:
            negated = shot.with_name(shot.stem + "-negated.png")
            run(["convert", str(shot), "-negate", str(negated)])
            shot = negated
        return [text for text, _ in sorted(self.screen.read_lines(shot, rect), key=lambda line: line[1][1])]

    def assert_in_scheme(self, caption, scheme, texts, step):
        """The texts are read back, and the client area holds only the face and a fair share of the text
        colour: nothing is drawn black on black (or white on white)."""
        face, text = SCHEMES[scheme]["gray"]
        window = self.probe.window(caption)
        shot = self.shot(f"{scheme}-{step}")
        client = window["client"]
        pixels = [v for row in self.screen.gray_pixels(shot, inset(client, 1)) for v in row]
        self.assertEqual(pixels[0], face, "the face colour at the corner")
        inked = sum(1 for v in pixels if v == text)
        self.assertGreater(inked, 100, f"text colour in {caption}")
        lines = self.read_on(shot, client, dark=face < 128)
        for expected in texts:
            self.assertTrue(any(reads_whole(line, expected) for line in lines), f"{expected!r} in {lines}")

    # A scheme switched while the program runs is checked by the window tests, in their own process:
    # under Wine 8, SetSysColors from another process sends WM_SYSCOLORCHANGE, but GetSysColor in the
    # receiving process keeps the colours it read first.
    def test_both_windows_in_high_contrast(self):
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                colors = SCHEMES[scheme]
                self.set_scheme(colors["face"], colors["text"])
                self.start(settings_bytes(8, 5 * 60))
                self.probe.tray("keyselect")
                self.wait_shown(CONFIG_CAPTION)
                time.sleep(0.5)
                self.assert_in_scheme(CONFIG_CAPTION, scheme, [EN["IDS_INTERVAL_LABEL"], EN["IDS_PAUSE_LENGTH_LABEL"]],
                                      "config")
                self.probe.close(CONFIG_CAPTION)
                self.wait_hidden(CONFIG_CAPTION)

                self.wait_shown(PAUSE_CAPTION, timeout=20)
                time.sleep(0.5)
                self.assert_in_scheme(PAUSE_CAPTION, scheme, [EN["IDS_PAUSE_TITLE"]], "pause")
                self.quit_program()


class KeyboardTrayTest(AccessTestCase):
    def close_menu(self):
        self.screen.click(200, 200)
        wait_for(lambda: not self.probe.menu()["open"], 10, "the menu to close")

    def test_keys_on_the_icon_open_the_configuration_and_the_menu_at_the_icon(self):
        self.start()
        # Enter or Space on the icon, as a double click.
        self.assertTrue(self.probe.tray("keyselect")["posted"])
        config = self.wait_shown(CONFIG_CAPTION)
        self.assertTrue(config["foreground"])
        self.assertEqual(self.probe.time_pickers(CONFIG_CAPTION)[1], [True, False], "focus on the interval picker")
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION)

        # A single selection opens nothing.
        self.probe.tray("select", 5, 5)
        time.sleep(1)
        self.assertFalse(self.probe.window(CONFIG_CAPTION)["visible"])
        self.assertFalse(self.probe.menu()["open"])

        # Shift+F10 or the menu key: the menu at the icon's place, not at the mouse.
        self.screen.move(900, 100)
        for anchor in ((600, 400), (300, 250)):
            self.probe.tray("contextmenu", *anchor)
            rect = wait_for(lambda: self.probe.menu().get("rect"), 10, "the menu from the keyboard")
            self.assertLessEqual(abs(rect[0] - anchor[0]) + abs(rect[1] - anchor[1]), 4, f"{rect} at {anchor}")
            self.close_menu()

        # A right click: one menu at the mouse, and none after it closes.
        icon = centre(self.icon_rect())
        rect = self.open_menu()
        self.assertLessEqual(abs(rect[0] - icon[0]) + abs(rect[1] - icon[1]), 40, f"{rect} at the mouse {icon}")
        self.close_menu()
        time.sleep(1.5)
        self.assertFalse(self.probe.menu()["open"], "a second menu after the first")

        self.assertEqual(self.close_program(), 0)


if __name__ == "__main__":
    unittest.main()
