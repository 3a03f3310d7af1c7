"""The user of the end-to-end scenarios: a test case that starts Tavelin.exe as a user does and works
it through its tray icon, menu, windows and keys. A scenario subclasses TavelinTestCase (or
tavelin_clock.FakedClockTestCase) and imports from the driver modules only: this one,
tavelin_driver, tavelin_probe, tavelin_screen, tavelin_pause_reading, tavelin_clock, tavelin_layout
and string_tables, never from another test module. It starts the program with self.start(settings_bytes(interval, length)) and
expects the program's texts as string_tables.EN has them, EN["IDS_PAUSE_BUTTON"] and the like."""

import subprocess
import sys
import time
import unittest

from string_tables import EN
from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, Environment, Program, centre, inset, reads_whole, wait_for
from tavelin_pause_reading import COUNTDOWN, PauseWindowReading  # noqa: F401 (COUNTDOWN for the scenarios)
from tavelin_probe import Presence, Probe
from tavelin_screen import Screen

# The tray menu's items and those of its submenu "Pause reminders", by text id, top to bottom.
MENU = ["IDS_MENU_CONFIGURE", "IDS_MENU_STATISTICS", "IDS_MENU_HELP", "IDS_MENU_PAUSE_REMINDERS",
        "IDS_MENU_TAKE_PAUSE_NOW", "IDS_MENU_CLOSE"]
SUBMENU = ["IDS_MENU_FOR_30_MINUTES", "IDS_MENU_FOR_1_HOUR", "IDS_MENU_FOR_2_HOURS", "IDS_MENU_UNTIL_TOMORROW"]


def item_text(text):
    """An OCR line of a menu without the submenu arrow, which is read as ">" or the like. The menu's
    small type turns a lone "a" to "&" at times, and no item holds an "&"."""
    return " ".join("a" if word == "&" else word for word in text.rstrip(" >»›").split(" "))


class TavelinTestCase(PauseWindowReading, unittest.TestCase):
    """One scenario in the sandbox of run.sh: the program, the probe that looks at it, the screen, and
    a user at the keyboard. setUp starts none of them; start() does."""

    def setUp(self):
        self.attach()
        self.environment.remove_settings()
        if self.screen.tray() is not None:
            # A tray left over from an earlier run would hold icons of its own.
            self.environment.kill_wine()

    def tearDown(self):
        self.let_go()
        self.environment.remove_settings()

    def attach(self):
        """The sandbox's environment, probe and screen, with no program and no user input yet."""
        self.environment = Environment()
        self.probe = Probe(self.environment.probe_exe)
        self.screen = Screen(self.environment.screenshots)
        self.program = None
        self.presence = None

    def let_go(self):
        """Stops the user's input, the probe and a program still running; the settings stay."""
        self.stop_presence()
        self.probe.stop()
        if self.program is not None:
            self.program.stop()

    def start(self, settings=None, present=True):
        """Starts the program, with the settings file's bytes if given (see settings_bytes); with
        present, input comes before it and then every few seconds, as from a user at the keyboard
        (without any, Tavelin would take the user as away)."""
        if settings is not None:
            self.environment.write_settings(settings)
        if present:
            self.start_presence()
        return self.launch()

    def launch(self, environment=None, env=None):
        """Starts Tavelin.exe (another environment's, or with other process variables, if given) and
        waits for its icon; icon_seen is when it came."""
        self.program = Program(environment or self.environment, env=env)
        wait_for(self.icon_drawn, 60, "the icon in the notification area")
        self.icon_seen = time.monotonic()
        return self.program

    def start_presence(self):
        """Input from now on every few seconds, as from a user at the keyboard."""
        self.stop_presence()
        self.presence = Presence(self.probe)
        self.presence.start()

    def stop_presence(self):
        """No more input: from now on the user is away, as Tavelin sees it."""
        if self.presence is not None:
            self.presence.stop()
            self.presence = None

    def run_exe(self, *arguments, timeout=30):
        """A further start of Tavelin.exe, as from the Run box or a script: its exit code and seconds."""
        started = time.monotonic()
        workdir = self.program.workdir.name if self.program is not None else None
        done = subprocess.run(["wine", str(self.environment.exe), *arguments], cwd=workdir,
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=timeout)
        if done.returncode != 0:
            # The program itself always ends with 0: what Wine said is the only trace of why not.
            print(f"exit code {done.returncode}: {done.stderr.decode(errors='replace')}", file=sys.stderr)
        return done.returncode, time.monotonic() - started

    def quit_program(self):
        """Ends the program as a script does, with `Tavelin.exe /quit`; both exit with 0."""
        self.assertEqual(self.run_exe("/quit", timeout=60)[0], 0)
        self.assertEqual(self.program.wait_exit(timeout=30), 0)
        self.forget_program()

    def close_program(self):
        """Ends the program with "Close" in its menu; its exit code."""
        self.choose(EN["IDS_MENU_CLOSE"])
        return self.program.wait_exit(timeout=20)

    def forget_program(self):
        """After the program has ended: its working folder goes, and there is nothing left to stop."""
        self.program.workdir.cleanup()
        self.program = None

    def shot(self, step):
        """A screenshot named after the scenario and the step."""
        return self.screen.shot(f"{type(self).__name__}-{step}")

    def icon_rect(self):
        """The program's icon, the first in the tray, or None without a tray."""
        tray = self.screen.tray()
        if tray is None:
            return None
        x, y, _, height = tray
        return x, y, x + 20, y + height

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

    def icon_drawn(self):
        """Whether the program's icon is in the tray."""
        return self.icon_slot_drawn(0)

    def tooltip_windows(self):
        """The tooltip windows shown, the icon's among them."""
        return [w for w in self.probe.visible_windows() if w["class"] == "tooltips_class32"]

    def tooltip_lines(self, step):
        """Hovers over the icon as a user does and reads the tooltip's lines."""
        x, y = centre(self.icon_rect())
        self.screen.move(x - 3, y - 3)
        time.sleep(0.3)
        self.screen.move(x, y)
        tips = wait_for(self.tooltip_windows, 10, "the icon's tooltip")
        lines = self.screen.read_lines(self.shot(step), inset(tips[0]["rect"], 2))
        # The pointer leaves again, so that the next hover shows the tooltip afresh.
        self.screen.move(640, 700)
        wait_for(lambda: not self.tooltip_windows(), 10, "the tooltip to go")
        return [text for text, _ in sorted(lines, key=lambda line: line[1][1])]

    def open_menu(self):
        """Right-clicks the icon; the menu's rectangle."""
        self.screen.click(*centre(self.icon_rect()), button=3)
        return wait_for(lambda: self.probe.menu().get("rect"), 10, "the tray menu")

    def menu_items(self, step):
        """Opens the menu: its screenshot and OCR lines [(text, box)]."""
        rect = self.open_menu()

        def drawn():
            # The menu window is shown a moment before its items are drawn.
            shot = self.shot(step)
            lines = self.screen.read_lines(shot, rect)
            return (shot, lines) if lines else None
        return wait_for(drawn, 3, "the tray menu's items")

    def choose(self, item):
        """Chooses the menu item of that text."""
        _, lines = self.menu_items("menu")
        boxes = [box for text, box in lines if text == item]
        self.assertTrue(boxes, f"no menu item {item!r} in {lines}")
        self.screen.click(*centre(boxes[0]))
        wait_for(lambda: not self.probe.menu()["open"], 10, "the menu to close")

    def menu_windows(self):
        """Rectangles of the menu windows open: the menu, and its submenu."""
        return [w["rect"] for w in self.probe.visible_windows() if w["class"] == "#32768"]

    def item_box(self, lines, item):
        """Where the OCR lines of a menu show the item."""
        texts = [(item_text(text), box) for text, box in lines]
        boxes = [box for text, box in texts if text == item] or \
            [box for text, box in texts if reads_whole(text, item) and len(text.split()) == len(item.split())]
        self.assertTrue(boxes, f"no menu item {item!r} in {lines}")
        return boxes[0]

    def open_submenu(self, step):
        """Opens the tray menu and clicks "Pause reminders": the menu's and the submenu's lines."""
        _, lines = self.menu_items(step)
        main = self.probe.menu()["rect"]
        self.screen.click(*centre(self.item_box(lines, EN["IDS_MENU_PAUSE_REMINDERS"])))
        submenu = wait_for(lambda: [r for r in self.menu_windows() if r != main], 5, "the submenu")[0]
        return lines, wait_for(lambda: self.screen.read_lines(self.shot(f"{step}-submenu"), submenu), 3,
                               "the submenu's items drawn")

    def choose_in_submenu(self, item, step):
        """Chooses the item of the submenu; the menu's and the submenu's texts as they were."""
        lines, sublines = self.open_submenu(step)
        self.screen.click(*centre(self.item_box(sublines, item)))
        wait_for(lambda: not self.menu_windows(), 10, "the menu to close")
        return [item_text(text) for text, _ in lines], [text for text, _ in sublines]

    def type_times(self, interval, length):
        """Types both values: a field is chosen with the arrow keys, Tab moves to the next picker."""
        def fields(value):
            keys = []
            for part in value.split(":"):
                keys += ["Right", *part]
            return keys
        self.keys_to(CONFIG_CAPTION, *fields(interval), "Tab", *fields(length))
        self.assertEqual(self.probe.time_pickers(CONFIG_CAPTION)[0], [interval, length], "typed values")

    def wait_shown(self, caption, timeout=3):
        """Waits for the window to show; what the probe says of it."""
        return wait_for(lambda: (lambda w: w if w.get("visible") else None)(self.probe.window(caption)),
                        timeout, f"window {caption!r} to show")

    def wait_hidden(self, caption, timeout=2):
        """Waits for the window to hide."""
        wait_for(lambda: not self.probe.window(caption)["visible"], timeout, f"window {caption!r} to hide")

    def click_button(self, caption, text):
        """Clicks the window's button of that text with the mouse."""
        self.screen.click(*centre(self.probe.child(caption, "Button", text)["rect"]))

    def keys_to(self, caption, *names):
        """Types as a user does, into the window in front; the program must have put it there and the
        window manager must have given it the keyboard focus, else the keys would go elsewhere."""
        wait_for(lambda: self.probe.window(caption)["foreground"] and self.screen.focused_name() == caption, 2,
                 f"window {caption!r} in front with the keyboard focus")
        self.screen.keys(*names)

    def program_windows(self, pid):
        """The visible windows of a process: of the program, to see that it shows none."""
        return [w for w in self.probe.visible_windows() if w["pid"] == pid]

    def pause_shown(self):
        """Whether the pause window shows."""
        return self.probe.window(PAUSE_CAPTION).get("visible", False)

    def button_enabled(self):
        """Whether "Back to work" can be clicked: the pause is over."""
        return self.probe.child(PAUSE_CAPTION, "Button", EN["IDS_PAUSE_BUTTON"])["enabled"]

    def assert_no_pause_for(self, duration, why):
        """Looks for the pause window every 0.3 s for that many seconds; it must not show."""
        deadline = time.monotonic() + duration
        while time.monotonic() < deadline:
            self.assertFalse(self.pause_shown(), why)
            time.sleep(0.3)
