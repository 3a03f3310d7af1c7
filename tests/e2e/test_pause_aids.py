"""What helps a pause be taken: the pause window in front of every other window, the screens
dimmed, a pause taken at once from the menu, an idea at each pause, the end heard, and the two
options in the configuration window."""

import difflib
import os
import pathlib
import subprocess
import tempfile
import time
import unittest

from string_tables import EN
from tavelin_case import TavelinTestCase
from tavelin_driver import CONFIG_CAPTION, PAUSE_CAPTION, centre, run, settings_bytes, wait_for

IDEAS = [EN[f"IDS_IDEA_{number}"] for number in range(1, 13)]
LAYER_CLASS = "TavelinDimLayer"


class PauseAidsTestCase(TavelinTestCase):
    def tearDown(self):
        other = getattr(self, "other", None)
        if other is not None and other.poll() is None:
            other.kill()
            other.wait(timeout=30)
        super().tearDown()

    def start_other_program(self):
        """Wine's notepad, another program's window to work in; the probe's view of it."""
        self.other = subprocess.Popen(["wine", "notepad"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return wait_for(lambda: [w for w in self.probe.visible_windows() if w["class"].lower() == "notepad"], 30,
                        "notepad's window")[0]

    def activate_other_program(self):
        window = wait_for(lambda: self.screen.x_window("Notepad"), 10, "notepad's X window")
        run(["xdotool", "windowactivate", window])
        wait_for(lambda: not self.probe.window(PAUSE_CAPTION)["foreground"], 3, "notepad in front")

    def end_other_program(self):
        """Notepad may lie over the notification area, where the program is closed."""
        self.other.kill()
        self.other.wait(timeout=30)
        wait_for(lambda: not [w for w in self.probe.visible_windows() if w["class"].lower() == "notepad"], 10,
                 "notepad gone")

    def order(self):
        """The classes or captions of the visible windows, from the top down."""
        return [w["caption"] or w["class"] for w in self.probe.visible_windows()]

    def dismiss_when_over(self, length):
        wait_for(self.button_enabled, length + 5, "the end of the pause")
        self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
        self.wait_hidden(PAUSE_CAPTION)

    def choose_item(self, name, step):
        """Clicks the menu item, read as OCR reads it (small type turns "a" to "&" at times)."""
        _, lines = self.menu_items(step)
        self.screen.click(*centre(self.item_box(lines, EN[name])))

    def layers(self):
        return [w for w in self.probe.visible_windows() if w["class"] == LAYER_CLASS]


class InFrontTest(PauseAidsTestCase):
    def test_the_pause_stays_over_another_program_and_is_restored_when_minimized(self):
        self.start(settings_bytes(3, 8))
        notepad = self.start_other_program()["caption"]
        self.wait_shown(PAUSE_CAPTION, timeout=10)
        self.activate_other_program()
        order = self.order()
        self.assertLess(order.index(PAUSE_CAPTION), order.index(notepad), f"the pause above notepad: {order}")
        self.assertTrue(self.probe.window(PAUSE_CAPTION)["topmost"])

        # As the window manager minimizes it for its minimize box (the other routes are the ui tests').
        run(["xdotool", "windowminimize", self.screen.x_window(f"^{PAUSE_CAPTION}$")])
        minimized = time.monotonic()
        wait_for(lambda: (lambda w: w["visible"] and not w["iconic"])(self.probe.window(PAUSE_CAPTION)), 1.5,
                 "the pause restored")
        self.assertLess(time.monotonic() - minimized, 1.2, "restored within a second")

        self.dismiss_when_over(8)
        self.assertFalse(self.probe.window(PAUSE_CAPTION)["topmost"], "an ordinary window once dismissed")
        self.end_other_program()
        self.assertEqual(self.close_program(), 0)


class DimScreensTest(PauseAidsTestCase):
    def test_a_layer_covers_the_screen_while_the_pause_shows_and_keeps_clicks_from_other_programs(self):
        self.start(settings_bytes(3, 8, ["DimScreens=1"]))
        notepad = self.start_other_program()
        self.assertEqual(self.layers(), [], "no layer before the pause")
        pause = self.wait_shown(PAUSE_CAPTION, timeout=10)
        layers = wait_for(self.layers, 2, "the layer")
        self.assertEqual([layer["pid"] for layer in layers], [pause["pid"]], "one layer of the program's")
        self.assertTrue(layers[0]["topmost"])
        self.assertEqual(layers[0]["rect"][:2], [0, 0])
        self.assertGreaterEqual(layers[0]["rect"][2:], [1280, 800], "the whole screen, taskbars included")
        order = self.order()
        self.assertEqual(order.index(LAYER_CLASS), order.index(PAUSE_CAPTION) + 1, f"just below the pause: {order}")

        # Where notepad lies but the pause does not: a corner of notepad's window.
        left, top, _, _ = notepad["rect"]
        self.screen.click(left + 10, top + 10)
        time.sleep(0.5)
        self.assertTrue(self.probe.window(PAUSE_CAPTION)["foreground"], "the click kept the foreground with Tavelin")

        self.dismiss_when_over(8)
        dismissed = time.monotonic()
        wait_for(lambda: not self.layers(), 1, "the layer gone within a second")
        self.assertLess(time.monotonic() - dismissed, 1.5)
        self.end_other_program()
        self.assertEqual(self.close_program(), 0)


class TakePauseNowTest(PauseAidsTestCase):
    def test_a_pause_comes_at_once_from_the_menu_and_the_item_is_greyed_while_it_shows(self):
        self.start(settings_bytes("01:00:00", 4))
        self.choose_item("IDS_MENU_TAKE_PAUSE_NOW", "take-now")
        chosen = time.monotonic()
        self.wait_shown(PAUSE_CAPTION, timeout=2)
        self.assertLess(time.monotonic() - chosen, 2)

        # A greyed item can be clicked but not chosen: the menu stays open.
        self.choose_item("IDS_MENU_TAKE_PAUSE_NOW", "take-now-during-pause")
        time.sleep(0.5)
        self.assertTrue(self.probe.menu()["open"], "the item is greyed during the pause")
        # Wine's tray menu takes no keys under openbox: a click elsewhere, on the pause, closes it.
        left, top, right, _ = self.probe.window(PAUSE_CAPTION)["client"]
        self.screen.click((left + right) // 2, top + 8)
        wait_for(lambda: not self.probe.menu()["open"], 5, "the menu to close")
        self.dismiss_when_over(4)
        self.assertEqual(self.close_program(), 0)


class IdeasTest(PauseAidsTestCase):
    def read_idea(self, step):
        def read():
            window = self.probe.window(PAUSE_CAPTION)
            lines = [text for text, _ in self.screen.read_lines(self.shot(step), window["client"], scale=4)]
            # The idea's line or two between the heading and the time left.
            read = [" ".join(lines[1:end]) for end in (2, 3)]
            best = max((difflib.SequenceMatcher(None, text, idea).ratio(), idea) for text in read for idea in IDEAS)
            return best[1] if best[0] > 0.8 else None
        return wait_for(read, 5, "an idea under the heading")

    def test_two_pauses_in_a_row_suggest_two_ideas_in_turn(self):
        self.start(settings_bytes(2, 2))
        ideas = []
        for number in range(2):
            self.wait_shown(PAUSE_CAPTION, timeout=10)
            ideas.append(self.read_idea(f"idea-{number}"))
            self.dismiss_when_over(2)
        self.assertEqual(IDEAS.index(ideas[1]), (IDEAS.index(ideas[0]) + 1) % len(IDEAS), ideas)
        self.assertEqual(self.close_program(), 0)


class EndSoundTest(PauseAidsTestCase):
    """Wine's sound output written to a file through ALSA: a sound within a second of "enough", or none."""

    def samples_peak(self, capture):
        data = capture.read_bytes() if capture.exists() else b""
        values = [int.from_bytes(data[i:i + 2], "little", signed=True) for i in range(0, len(data) - 1, 2)]
        return max((abs(v) for v in values), default=0)

    def test_the_end_is_heard_once_only_when_asked_for(self):
        for option, heard in (("EndSound=1", True), ("EndSound=0", False)):
            with self.subTest(option=option), tempfile.TemporaryDirectory(prefix="tavelin-sound-") as home:
                capture = pathlib.Path(home) / "capture.raw"
                (pathlib.Path(home) / ".asoundrc").write_text(
                    f'pcm.!default {{ type file; slave.pcm "null"; file "{capture}"; format "raw" }}\n')
                env = dict(os.environ, HOME=home,
                           WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "") + ";winepulse.drv=d")
                self.environment.write_settings(settings_bytes(2, 3, [option]))
                self.start_presence()
                self.launch(env=env)
                self.wait_shown(PAUSE_CAPTION, timeout=10)
                self.assertEqual(self.samples_peak(capture), 0, "silent while the countdown runs")
                wait_for(self.button_enabled, 8, "the end of the pause")
                if heard:
                    wait_for(lambda: self.samples_peak(capture) > 3000, 1, "the sound within a second of enough")
                else:
                    time.sleep(1.5)
                    self.assertEqual(self.samples_peak(capture), 0, "no sound with EndSound=0")
                self.click_button(PAUSE_CAPTION, EN["IDS_PAUSE_BUTTON"])
                self.wait_hidden(PAUSE_CAPTION)
                self.assertEqual(self.close_program(), 0)


class OptionsTest(PauseAidsTestCase):
    def boxes(self):
        children = self.probe.window(CONFIG_CAPTION)["children"]
        return [next(c for c in children if c["text"] == EN[name])
                for name in ("IDS_DIM_SCREENS_LABEL", "IDS_END_SOUND_LABEL")]

    def test_the_check_boxes_toggle_with_space_save_with_ok_and_are_read_back(self):
        self.start(settings_bytes("01:00:00", "00:05:00"))
        self.screen.click(*centre(self.icon_rect()), count=2)
        self.wait_shown(CONFIG_CAPTION)
        self.assertEqual([b["checked"] for b in self.boxes()], [False, True], "the defaults")
        # From the interval picker: the pause length, then the boxes, as the tab order goes.
        self.keys_to(CONFIG_CAPTION, "Tab", "Tab", "space", "Tab", "space")
        self.assertEqual([(b["checked"], b["focused"]) for b in self.boxes()], [(True, False), (False, True)])
        self.click_button(CONFIG_CAPTION, EN["IDS_OK_BUTTON"])
        self.wait_hidden(CONFIG_CAPTION)
        self.assertEqual(self.environment.settings_file.read_bytes(),
                         settings_bytes("01:00:00", "00:05:00", ["DimScreens=1", "EndSound=0"]))
        self.assertEqual(self.close_program(), 0)

        self.launch()
        self.screen.click(*centre(self.icon_rect()), count=2)
        self.wait_shown(CONFIG_CAPTION)
        self.assertEqual([b["checked"] for b in self.boxes()], [True, False], "read back by a new start")
        self.assertEqual(self.close_program(), 0)


if __name__ == "__main__":
    unittest.main()
