"""Libraries planted beside Tavelin.exe, as a web page may drop them into a Downloads folder: the
program must take every library it uses from the system folder, and none reaches the network."""

import os
import pathlib
import unittest

from string_tables import EN
from system_libraries import (KNOWN_DLLS, NETWORK_DLLS, imported, mapped, markers, named, plant, plantable,
                              wine_library_folder)
from tavelin_case import TavelinTestCase
from tavelin_driver import PAUSE_CAPTION, Environment, required_env, settings_bytes, wait_for


def system_folder(environment):
    return environment.prefix / "drive_c" / "windows" / "system32"


class PlantedLibraryTest(TavelinTestCase):
    def assert_no_mark(self, step, names):
        self.assertEqual(markers(self.folder), [], f"after {step}, of the libraries planted as {names}")

    def test_a_start_a_pause_help_and_close_load_no_planted_library(self):
        exe = self.environment.exe
        names = plantable(exe, system_folder(self.environment))
        for name in ("oleacc.dll", "wtsapi32.dll", "hhctrl.ocx", "powrprof.dll"):
            self.assertIn(name, names, "a library the program uses is planted")
        # A folder of the prefix: the user's own Downloads is Wine's link to the Unix home folder.
        self.folder = self.environment.prefix / "drive_c" / "users" / "Public" / "Downloads" / "Tavelin"
        self.folder.mkdir(parents=True)
        for built in [exe, *exe.parent.glob("Help*.chm")]:
            (self.folder / built.name).write_bytes(built.read_bytes())
        overrides = plant(self.folder, names, required_env("TAVELIN_MARKER"))
        self.environment.write_settings(settings_bytes(4, 3))
        self.environment.exe = self.folder / exe.name
        self.start_presence()
        try:
            self.launch(env={**os.environ,
                             "WINEDLLOVERRIDES": os.environ.get("WINEDLLOVERRIDES", "") + ";" + overrides})
            self.assert_no_mark("the start", names)
            # What a screen reader asks first; the answer needs the accessibility library.
            self.assertTrue(self.probe.query("object", PAUSE_CAPTION)["answered"], "an accessible object")
            wines = str(wine_library_folder()).lower()
            self.assertIn(f"{wines}/oleacc.dll", mapped(self.program.process.pid), "oleacc.dll from the system")
            wait_for(self.pause_shown, 20, "the pause")
            wait_for(self.button_enabled, 10, "the end of the pause")
            self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
            wait_for(lambda: not self.pause_shown(), 3, "the pause to go")
            self.assert_no_mark("a pause", names)
            working = mapped(self.program.process.pid)

            pid = self.probe.window(PAUSE_CAPTION)["pid"]
            self.choose(EN["IDS_MENU_HELP"])
            wait_for(lambda: [w for w in self.program_windows(pid) if w["class"] == "HH Parent"], 30,
                     "the help viewer of the program")
            with_help = mapped(self.program.process.pid)
            self.assert_no_mark("Help", names)
            self.assertEqual(self.close_program(), 0)
        finally:
            self.environment.exe = exe
        self.assert_no_mark("Close", names)
        self.assertEqual([path for path in with_help if path.startswith(str(self.folder).lower())
                          and not path.endswith(".exe")], [], "libraries mapped from the program's folder")
        # The help viewer shows its pages through the system's browser engine, which brings its own
        # internet libraries along; the program's own work loads none.
        self.assertEqual({pathlib.PurePath(path).name for path in working} & NETWORK_DLLS, set(),
                         "libraries of the network loaded")


class LibraryBuildTest(unittest.TestCase):
    """What Windows reads from the exe: its import table, and the libraries it names to load later."""

    def setUp(self):
        self.environment = Environment()

    def test_only_knowndlls_are_imported_and_no_network_library_is_named(self):
        exe = self.environment.exe
        self.assertEqual(imported(exe) - KNOWN_DLLS, set(), "imports searched for beside the program")
        self.assertEqual((imported(exe) | named(exe, system_folder(self.environment))) & NETWORK_DLLS, set())
