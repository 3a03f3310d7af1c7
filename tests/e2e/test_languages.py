"""Each language in turn as the user's Windows display language, which Wine takes from the locale: the
pause window, the configuration window, the statistics window and the tray menu read back in that language, nothing cut
off or overlapping, at 144 and 96 DPI, the screenshots kept; and "Help" opening the help of the
user's language, or the English one without it."""

import copy
import difflib
import os
import pathlib
import re
import shutil
import tempfile
import time
import unicodedata
import unittest

from string_tables import StringTable
from tavelin_case import MENU, SUBMENU, TavelinTestCase, item_text
from tavelin_driver import centre, required_env, settings_bytes, wait_for
from tavelin_layout import assert_children_fit, label_rect, scaled, set_dpi
from tavelin_screen import Screen

# A new prefix starts at 96 DPI, so only the second needs Wine restarted.
DPIS = (96, 144)
INTERVAL = 12
LENGTH = 2


def normal(text):
    """A text as OCR can give it back: full-width signs as their ASCII forms, and no blanks beside
    Chinese or Japanese characters, which tesseract puts between them."""
    text = unicodedata.normalize("NFKC", text)
    return re.sub(r"\s+(?=[\u3000-\u9fff])|(?<=[\u3000-\u9fff])\s+", "", text)


def reads_as(line, text):
    """Whether an OCR line begins with the text, blanks and case aside (a short word in capitals is
    read small now and then): alike in three characters of four, and not shorter by more than one,
    as a text cut off would be."""
    read, expected = (re.sub(r"\s+", "", normal(value)).casefold() for value in (line, text))
    if len(read) < len(expected) - 1:
        return False
    return difflib.SequenceMatcher(None, read[:len(expected)], expected).ratio() >= 0.75


class LanguageTestCase(TavelinTestCase):
    """A test in one language: TAVELIN_LANGUAGE names its table, whose locale every Wine process of the
    test gets (as LC_ALL: Wine 8 here took LANG alone for English) and whose OCR language reads the
    screen."""

    tag = None

    def setUp(self):
        self.table = StringTable(self.tag or required_env("TAVELIN_LANGUAGE"))
        self.saved_locale = {name: os.environ.get(name) for name in ("LANG", "LC_ALL", "LC_MESSAGES")}
        os.environ.pop("LC_MESSAGES", None)
        os.environ["LANG"] = os.environ["LC_ALL"] = self.table.locale
        super().setUp()
        self.screen = Screen(self.environment.screenshots, self.table.ocr)

    def tearDown(self):
        try:
            super().tearDown()
            # The desktop and the tray started in this language go with the server.
            self.environment.kill_wine()
        finally:
            for name, value in self.saved_locale.items():
                if value is None:
                    os.environ.pop(name, None)
                else:
                    os.environ[name] = value

    def shot(self, step):
        return self.screen.shot(f"{type(self).__name__}-{self.table.tag}-{step}")

    def find_item(self, lines, name):
        text = self.table[name]
        boxes = [box for line, box in lines if reads_as(item_text(line), text)]
        self.assertTrue(boxes, f"no menu item {text!r} in {lines}")
        return boxes[0]

    def lines_read(self, lines, names):
        """Whether the lines read as the texts, one each, top to bottom."""
        read = [item_text(line) for line, _ in sorted(lines, key=lambda line: line[1][1])]
        return len(read) == len(names) and all(reads_as(line, self.table[name]) for line, name in zip(read, names))

    def assert_lines(self, lines, names, what):
        read = [item_text(line) for line, _ in sorted(lines, key=lambda line: line[1][1])]
        expected = [self.table[name] for name in names]
        self.assertEqual(len(read), len(expected), f"{what}: {read}")
        for line, text in zip(read, expected):
            self.assertTrue(reads_as(line, text), f"{what}: {line!r} for {text!r}")


class LanguageTest(LanguageTestCase):
    def assert_reads(self, window, dpi, shot, names, room, read, area=None):
        """Everything inside the window, the painted texts within the room the layout leaves them
        (measured as the program measures them), read whole in the screenshot, and the labels of the
        buttons and boxes named in `read` the language's own. The texts are read in the area given,
        the client area by default."""
        assert_children_fit(self, window, dpi)
        for name in names:
            width, _ = self.probe.extent(dpi, self.table[name])
            self.assertLessEqual(width, room, f"{self.table[name]!r} at {dpi} DPI")
        missing = [self.table[name] for name in names]
        # Tesseract reads some scripts at one scale and not at another.
        for scale in (4, 3, 5):
            lines = [line for line, _ in self.screen.read_lines(shot, area or window["client"], scale=scale)]
            missing = [text for text in missing if not any(reads_as(line, text) for line in lines)]
            if not missing:
                break
        self.assertFalse(missing, f"{missing} not in {lines} at {dpi} DPI")
        for child in window["children"]:
            if child["class"].lower() == "button" and child["text"] in read:
                # Tesseract reads a short label at one scale and not at another (Chinese 关 as 天 once).
                for scale in (3, 4, 5, 1.5, 2.5):
                    found = self.screen.read_lines(shot, label_rect(child, dpi), scale=scale)
                    label = "\n".join(text for text, _ in found).strip("|[]() ")
                    if reads_as(label, child["text"]):
                        break
                self.assertTrue(reads_as(label, child["text"]), f"{label!r} for {child['text']!r} at {dpi} DPI")

    def check_configuration(self, dpi):
        caption = self.table["IDS_CONFIGURATION_CAPTION"]
        self.assertEqual(self.run_exe()[0], 0)
        self.wait_shown(caption, timeout=10)
        # Under Wine a new size can reach the screen a moment after the window is shown.
        time.sleep(0.5)
        window = self.probe.window(caption)
        # The push buttons and the option boxes by the table, and the seven days after the boxes,
        # named by the locale, in one row.
        pushed = [self.table[n] for n in ("IDS_OK_BUTTON", "IDS_CANCEL_BUTTON", "IDS_HELP_BUTTON")]
        buttons = [child for child in window["children"] if child["class"].lower() == "button"]
        self.assertEqual(sorted(child["text"] for child in buttons if not child["checkbox"]), sorted(pushed))
        boxes = [child for child in buttons if child["checkbox"]]
        options = [self.table[n] for n in ("IDS_DIM_SCREENS_LABEL", "IDS_END_SOUND_LABEL", "IDS_EYE_PAUSES_LABEL",
                                           "IDS_WORKING_HOURS_LABEL")]
        self.assertEqual([child["text"] for child in boxes[:4]], options)
        days = boxes[4:]
        self.assertEqual(len({child["text"] for child in days}), 7, days)
        self.assertEqual(len({child["rect"][1] for child in days}), 1, "the days in one row")
        # The labels stand left of the pickers, a gap from the edge and from them, and are read there
        # alone, above the button row: tesseract reads Chinese beside the pickers' digits poorly.
        pickers = [child["rect"][0] for child in window["children"] if child["class"].lower() == "sysdatetimepick32"]
        buttons = [child["rect"][1] for child in buttons if child["text"] in pushed]
        left, top, _, _ = window["client"]
        room = min(pickers) - left - 2 * scaled(5, dpi)
        # Read after the fact, so that the window is seen before the pause can cover it.
        shot = self.shot(f"{dpi}dpi-configuration")
        seen = time.monotonic()
        self.probe.close(caption)
        self.wait_hidden(caption)
        self.assert_reads(window, dpi, shot, ["IDS_INTERVAL_LABEL", "IDS_PAUSE_LENGTH_LABEL", "IDS_EYE_INTERVAL_LABEL",
                                              "IDS_EYE_LENGTH_LABEL", "IDS_WORKING_FROM_LABEL", "IDS_WORKING_TO_LABEL"],
                          room, pushed + options, (left, top, min(pickers), min(buttons)))
        return seen

    def check_pause(self, dpi):
        caption, button = self.table["IDS_PAUSE_CAPTION"], self.table["IDS_PAUSE_BUTTON"]
        self.wait_shown(caption, timeout=INTERVAL + 20)
        # The longest line, the one of the pause over, comes with the enabled button.
        wait_for(lambda: self.probe.child(caption, "Button", button).get("enabled"), LENGTH + 10, "the end of the pause")
        time.sleep(0.5)
        window = self.probe.window(caption)
        room = window["client"][2] - window["client"][0] - 2 * scaled(5, dpi)
        self.assert_reads(window, dpi, self.shot(f"{dpi}dpi-pause"), ["IDS_PAUSE_TITLE", "IDS_TIME_LEFT_ENOUGH"], room,
                          [button])
        self.click_button(caption, button)
        self.wait_hidden(caption)

    def check_menu(self, dpi):
        """The menu and its submenu, and "For 1 hour" chosen in it."""
        shot, lines = self.menu_items(f"{dpi}dpi-menu")
        main = self.probe.menu()["rect"]
        # Tesseract reads some scripts at one scale and not at another (終 as 給 in a menu of five):
        # each item must be read whole at one of them.
        readings = [lines] + [self.screen.read_lines(shot, main, scale=scale) for scale in (4, 5)]
        for index, name in enumerate(MENU):
            read = [item_text(sorted(r, key=lambda line: line[1][1])[index][0]) for r in readings if len(r) == len(MENU)]
            self.assertTrue(any(reads_as(line, self.table[name]) for line in read), f"the menu: {read} for {name}")
        self.screen.click(*centre(self.find_item(lines, "IDS_MENU_PAUSE_REMINDERS")))
        submenu = wait_for(lambda: [r for r in self.menu_windows() if r != main], 5, "the submenu")[0]
        sublines = wait_for(lambda: self.screen.read_lines(self.shot(f"{dpi}dpi-submenu"), submenu), 3,
                            "the submenu's items drawn")
        self.assert_lines(sublines, SUBMENU, "the submenu")
        self.screen.click(*centre(self.find_item(sublines, "IDS_MENU_FOR_1_HOUR")))
        wait_for(lambda: not self.menu_windows(), 10, "the menu to close")

    def check_statistics(self, dpi):
        """The Statistics window, opened from the menu."""
        caption = self.table["IDS_STATISTICS_CAPTION"]
        _, lines = self.menu_items(f"{dpi}dpi-menu-statistics")
        self.screen.click(*centre(self.find_item(lines, "IDS_MENU_STATISTICS")))
        self.wait_shown(caption, timeout=10)
        time.sleep(0.5)
        window = self.probe.window(caption)
        buttons = [child["text"] for child in window["children"] if child["class"].lower() == "button"]
        self.assertEqual(sorted(buttons), sorted(self.table[n] for n in (
            "IDS_STATISTICS_OPEN_FILE", "IDS_STATISTICS_FORGET", "IDS_STATISTICS_CLOSE")))
        shot = self.shot(f"{dpi}dpi-statistics")
        self.probe.close(caption)
        self.wait_hidden(caption)
        room = window["client"][2] - window["client"][0] - 2 * scaled(5, dpi)
        # The buttons' labels were compared above; no label is read again on the screen.
        self.assert_reads(window, dpi, shot, ["IDS_STATISTICS_TODAY", "IDS_STATISTICS_LAST_DAYS",
                                              "IDS_STATISTICS_LEGEND_BREAKS"], room, [])

    def test_the_windows_and_the_menu_speak_the_language_and_fit(self):
        for dpi in DPIS:
            with self.subTest(dpi=dpi):
                if dpi != DPIS[0]:
                    set_dpi(self.environment, self.probe, dpi)
                try:
                    # The menu first, under a long interval: no heads-up can cover it while it is read.
                    self.start(settings_bytes(60 * 60, 2))
                    self.check_menu(dpi)
                    self.check_statistics(dpi)
                    self.quit_program()
                    started = self.start(settings_bytes(INTERVAL, LENGTH))
                    self.assertLess(self.check_configuration(dpi) - started.started, INTERVAL, "seen before the pause")
                    self.check_pause(dpi)
                    self.quit_program()
                finally:
                    # The next DPI restarts Wine: nothing of this start may ask it meanwhile.
                    self.stop_presence()
                    if self.program is not None:
                        self.program.stop()
                        self.program = None


class HelpLanguageTest(LanguageTestCase):
    tag = "de"

    def open_help_files(self, folder):
        """The help files of the folder that a process holds open: the help viewer's."""
        found = set()
        for link in pathlib.Path("/proc").glob("[0-9]*/fd/*"):
            try:
                target = os.readlink(link)
            except OSError:
                continue
            if target.startswith(str(folder)) and target.endswith(".chm"):
                found.add(pathlib.Path(target).name)
        return found

    def choose_help(self):
        _, lines = self.menu_items("help-menu")
        self.screen.click(*centre(self.find_item(lines, "IDS_MENU_HELP")))
        wait_for(lambda: not self.probe.menu()["open"], 10, "the menu to close")

    def test_help_opens_the_languages_file_and_the_english_one_without_it(self):
        with tempfile.TemporaryDirectory(prefix="tavelin-help-") as folder:
            folder = pathlib.Path(folder)
            built = self.environment.exe.parent
            shutil.copy2(self.environment.exe, folder)
            shutil.copy2(built / "Help.chm", folder)
            # The German help where it is built, else the English one under its name.
            shutil.copy2(built / "Help.de.chm" if (built / "Help.de.chm").exists() else built / "Help.chm",
                         folder / "Help.de.chm")
            environment = copy.copy(self.environment)
            environment.exe = folder / "Tavelin.exe"
            self.start_presence()
            self.launch(environment)

            self.choose_help()
            self.assertEqual(wait_for(lambda: self.open_help_files(folder), 20, "the help file open"),
                             {"Help.de.chm"})
            (folder / "Help.de.chm").unlink()
            self.choose_help()
            wait_for(lambda: "Help.chm" in self.open_help_files(folder), 20, "the English help file open")
            self.shot("help")
            _, lines = self.menu_items("close-menu")
            self.screen.click(*centre(self.find_item(lines, "IDS_MENU_CLOSE")))
            self.assertEqual(self.program.wait_exit(timeout=20), 0)


if __name__ == "__main__":
    unittest.main()
