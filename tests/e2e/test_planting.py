"""Libraries planted beside Tavelin.exe, as a web page may drop them into a Downloads folder: the
program must take every library it uses from the system folder, and none reaches the network."""

import os
import pathlib
import unittest

from system_libraries import KNOWN_DLLS, NETWORK_DLLS, imported, mapped, markers, named, plant, plantable
from tavelin_driver import (PAUSE_CAPTION, Environment, Presence, Probe, Program, Screen, centre, required_env,
                            wait_for)

SETTINGS = b"00:00:04\r\n00:00:03\r\n"


def system_folder(environment):
    return environment.prefix / "drive_c" / "windows" / "system32"


class PlantedLibraryTest(unittest.TestCase):
    def setUp(self):
        self.environment = Environment()
        self.probe = Probe(self.environment.probe_exe)
        self.screen = Screen(self.environment.screenshots)
        self.presence = Presence(self.probe)
        self.program = None
        self.folder = self.environment.prefix / "drive_c" / "users" / "Public" / "Downloads" / "Tavelin"
        self.folder.mkdir(parents=True)

    def tearDown(self):
        self.presence.stop()
        self.probe.stop()
        if self.program is not None:
            self.program.stop()

    def icon_rect(self):
        tray = self.screen.tray()
        return None if tray is None else (tray[0], tray[1], tray[0] + 20, tray[1] + tray[3])

    def icon_drawn(self):
        rect = self.icon_rect()
        if rect is None:
            return False
        values = [v for row in self.screen.gray_pixels(self.screen.shot("planted-tray"), rect) for v in row]
        return max(values) - min(values) > 60

    def choose(self, item):
        self.screen.click(*centre(self.icon_rect()), button=3)
        rect = wait_for(lambda: self.probe.menu().get("rect"), 10, "the tray menu")
        boxes = wait_for(lambda: [box for text, box in self.screen.read_lines(self.screen.shot("planted-menu"), rect)
                                  if text == item], 3, f"the menu item {item!r}")
        self.screen.click(*centre(boxes[0]))
        wait_for(lambda: not self.probe.menu()["open"], 10, "the menu to close")

    def assert_no_mark(self, step, names):
        self.assertEqual(markers(self.folder), [], f"after {step}, of the libraries planted as {names}")

    def test_a_start_a_pause_help_and_close_load_no_planted_library(self):
        exe = self.environment.exe
        names = plantable(exe, system_folder(self.environment))
        for name in ("oleacc.dll", "wtsapi32.dll", "hhctrl.ocx", "powrprof.dll"):
            self.assertIn(name, names, "a library the program uses is planted")
        for built in [exe, *exe.parent.glob("Help*.chm")]:
            (self.folder / built.name).write_bytes(built.read_bytes())
        overrides = plant(self.folder, names, required_env("TAVELIN_MARKER"))
        self.environment.write_settings(SETTINGS)
        self.environment.exe = self.folder / exe.name
        self.presence.start()
        self.program = Program(self.environment, env={
            **os.environ, "WINEDLLOVERRIDES": os.environ.get("WINEDLLOVERRIDES", "") + ";" + overrides})
        try:
            wait_for(self.icon_drawn, 60, "the icon of the program among planted libraries")
            self.assert_no_mark("the start", names)
            wait_for(lambda: self.probe.window(PAUSE_CAPTION).get("visible"), 20, "the pause")
            wait_for(lambda: self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["enabled"], 10,
                     "the end of the pause")
            self.screen.click(*centre(self.probe.child(PAUSE_CAPTION, "Button", "Back to work")["rect"]))
            wait_for(lambda: not self.probe.window(PAUSE_CAPTION)["visible"], 3, "the pause to go")
            pid = self.probe.window(PAUSE_CAPTION)["pid"]
            self.assert_no_mark("a pause", names)
            working = mapped(self.program.process.pid)
            self.choose("Help")
            wait_for(lambda: [w for w in self.probe.visible_windows() if w["pid"] == pid and w["class"] == "HH Parent"],
                     30, "the help viewer of the program")
            with_help = mapped(self.program.process.pid)
            self.assert_no_mark("Help", names)
            self.choose("Close")
            self.assertEqual(self.program.wait_exit(timeout=20), 0)
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
