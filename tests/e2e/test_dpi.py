"""The windows of the real Tavelin.exe at 96, 144 and 192 DPI: drawn at the DPI the system reports,
nothing cut off, every text readable, and the screenshots kept beside the others."""

import re
import subprocess
import time
import unittest
import xml.etree.ElementTree as ElementTree

from string_tables import EN
from tavelin_case import TavelinTestCase
from tavelin_driver import (CONFIG_CAPTION, PAUSE_CAPTION, Environment, Program, reads_whole, run,
                            settings_bytes, wait_for)
from tavelin_layout import assert_children_fit, label_rect, set_dpi, size

DPIS = (96, 144, 192)
INTERVAL = 15
LENGTH = 3
# Where the user's pointer rests when the configuration window opens.
POINTER = (900, 500)


class DpiTest(TavelinTestCase):
    def tearDown(self):
        super().tearDown()
        self.set_dpi(96)

    def set_dpi(self, dpi):
        set_dpi(self.environment, self.probe, dpi)

    def assert_fits(self, window, dpi, texts, step):
        """Children inside the client area with the scaled margin around them and large enough for
        their text in the dialog font at the DPI; every text read whole from the screen."""
        assert_children_fit(self, window, dpi)
        shot = self.shot(f"{dpi}dpi-{step}")
        lines = [line for line, _ in self.screen.read_lines(shot, window["client"], scale=4)]
        for text in texts:
            self.assertTrue(any(reads_whole(line, text) for line in lines), f"{text!r} in {lines} at {dpi} DPI")
        # A button's frame can hide a short label from a reading of the whole window.
        for child in window["children"]:
            if child["class"].lower() == "button":
                label = self.screen.read_text(shot, label_rect(child, dpi)).strip("|[]() ")
                self.assertTrue(reads_whole(label, child["text"]), f"{label!r} at {dpi} DPI")

    def check_configuration(self, dpi):
        # A second start opens the running one's configuration window.
        self.screen.move(*POINTER)
        run(["wine", str(self.environment.exe)], timeout=60)
        window = self.wait_shown(CONFIG_CAPTION, timeout=20)
        # Under Wine a new size can reach the screen a moment after the window is shown.
        time.sleep(1)
        window = self.probe.window(CONFIG_CAPTION)
        # The pickers' digits sit against their arrows and read poorly; the probe has their sizes.
        self.assert_fits(window, dpi, [EN["IDS_INTERVAL_LABEL"], EN["IDS_PAUSE_LENGTH_LABEL"]], "configuration")
        left, top, right, bottom = window["rect"]
        work_left, work_top, work_right, work_bottom = window["workArea"]
        self.assertLessEqual(abs((left + right) // 2 - (work_left + work_right) // 2), 1, "centred across")
        self.assertLessEqual(abs((top + bottom) // 2 - (work_top + work_bottom) // 2), 1, "centred down")
        self.probe.close(CONFIG_CAPTION)
        self.wait_hidden(CONFIG_CAPTION, timeout=10)
        return size(window["client"])

    def check_pause(self, dpi):
        self.wait_shown(PAUSE_CAPTION, timeout=INTERVAL + 20)
        # The longest line, "Time left: enough", comes with the enabled button once the pause is over.
        wait_for(self.button_enabled, LENGTH + 10, "the end of the pause")
        time.sleep(1)
        window = self.probe.window(PAUSE_CAPTION)
        self.assert_fits(window, dpi, [EN["IDS_PAUSE_TITLE"], EN["IDS_TIME_LEFT_ENOUGH"]], "pause")
        return size(window["client"])

    def test_windows_fit_at_96_144_and_192_dpi(self):
        clients = {}
        for dpi in DPIS:
            with self.subTest(dpi=dpi):
                self.set_dpi(dpi)
                self.environment.write_settings(settings_bytes(INTERVAL, LENGTH))
                # Input first, as from a user at the keyboard: Tavelin would take one without any as away.
                self.probe.give_input()
                self.program = Program(self.environment)
                wait_for(lambda: self.probe.window(PAUSE_CAPTION)["found"], 60, "Tavelin to start")
                clients[dpi] = (self.check_configuration(dpi), self.check_pause(dpi))
                self.quit_program()
        # Margins, gaps and font grow with the DPI, so each window grows in proportion.
        self.assertEqual(sorted(clients), list(DPIS), "every DPI was measured")
        for dpi in DPIS[1:]:
            for window, (at96, scaled_size) in enumerate(zip(clients[96], clients[dpi])):
                # The pause window is as wide as the idea it shows, and each start takes another.
                for length96, length in zip(at96, scaled_size) if window == 0 else [(at96[1], scaled_size[1])]:
                    expected = length96 * dpi / 96
                    self.assertLessEqual(abs(length - expected), expected * 0.12 + 2,
                                         f"{scaled_size} at {dpi} DPI against {at96} at 96 DPI")



class BuildTest(unittest.TestCase):
    """Wine draws every program alike whatever it declares, so what Windows reads is checked in the exe."""

    def setUp(self):
        self.exe = Environment().exe

    def test_the_manifest_asks_for_per_monitor_awareness_and_keeps_the_rest(self):
        manifest = subprocess.run(["wrestool", "-x", "--raw", "-t", "24", str(self.exe)], capture_output=True,
                                  timeout=30, check=True).stdout
        root = ElementTree.fromstring(manifest)
        settings = "{urn:schemas-microsoft-com:asm.v3}application/{urn:schemas-microsoft-com:asm.v3}windowsSettings/"
        found = {path: [e.text.strip() for e in root.findall(settings + path)] for path in (
            "{http://schemas.microsoft.com/SMI/2016/WindowsSettings}dpiAwareness",
            "{http://schemas.microsoft.com/SMI/2005/WindowsSettings}dpiAware")}
        self.assertEqual(list(found.values()), [["PerMonitorV2, PerMonitor"], ["true/pm"]])
        level = root.find(".//{urn:schemas-microsoft-com:asm.v3}requestedExecutionLevel")
        self.assertEqual((level.get("level"), level.get("uiAccess")), ("asInvoker", "false"))
        controls = root.find(".//{urn:schemas-microsoft-com:asm.v1}assemblyIdentity")
        self.assertEqual((controls.get("name"), controls.get("version")),
                         ("Microsoft.Windows.Common-Controls", "6.0.0.0"))

    def test_the_functions_newer_than_windows_7_are_not_imported(self):
        imports = run(["x86_64-w64-mingw32-objdump", "-p", str(self.exe)])
        dlls = {name.lower() for name in re.findall(r"DLL Name: (\S+)", imports)}
        self.assertIn("user32.dll", dlls)
        self.assertNotIn("shcore.dll", dlls)
        for name in ("GetDpiForWindow", "GetDpiForMonitor", "SetProcessDpiAwarenessContext"):
            self.assertNotRegex(imports, rf"\b{name}\b")

    def test_the_exe_stays_small(self):
        self.assertLess(self.exe.stat().st_size, 450 * 1024)


if __name__ == "__main__":
    unittest.main()
