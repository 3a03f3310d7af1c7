"""Scenarios on moved clocks: libfaketime preloaded into the Wine processes, its offset changed while
Tavelin.exe runs."""

import datetime
import json
import os
import pathlib
import tempfile
import time

from tavelin_case import TavelinTestCase
from tavelin_driver import run

FAKETIME_LIBRARY = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"


class FakedClockTestCase(TavelinTestCase):
    """Runs the program under a wineserver of its own that carries libfaketime, whose offset the
    test then changes. With steady_clock_too false only the wall clock moves, as when the user sets
    the clock or daylight saving changes; otherwise both move, as across a real sleep."""

    def setUp(self):
        super().setUp()
        self.offset_folder = tempfile.TemporaryDirectory(prefix="tavelin-faketime-")
        self.offset_file = pathlib.Path(self.offset_folder.name) / "offset"
        self.move_clock(0)

    def tearDown(self):
        if self.program is not None and self.program.running():
            self.run_exe("/quit", timeout=60)
            self.program.wait_exit(timeout=20)
        super().tearDown()
        # The next scenario must find no faked wineserver.
        self.environment.kill_wine()
        self.offset_folder.cleanup()

    def move_clock(self, offset):
        """Sets the clocks to the real time plus offset seconds."""
        self.offset = offset
        self.offset_file.write_text(f"{offset:+d}\n")

    def move_clock_present(self, offset):
        """move_clock in steps under the two minutes without input that count as time away, each after
        input, as the clocks would move for a user at the keyboard."""
        while self.offset != offset:
            self.probe.give_input()
            step = max(-100, min(100, offset - self.offset))
            self.move_clock(self.offset + step)
            time.sleep(0.3)

    def clocks(self):
        """(wall-clock seconds, steady seconds, real seconds) as a Wine program sees them now."""
        output = run(["wine", str(self.environment.probe_exe), "clock"], env=self.env)
        reading = json.loads(output.strip().splitlines()[-1])
        wall = datetime.datetime.strptime(reading["local"], "%Y.%m.%d %H:%M:%S").timestamp()
        return wall, reading["ticks"] / 1000, time.monotonic()

    def move_clock_checked(self, offset, wall_jump, steady_jump):
        """move_clock, then checks that Wine's clocks jumped as meant: a test on clocks that did not
        move would prove nothing."""
        before = self.clocks()
        self.move_clock(offset)
        after = self.clocks()
        real = after[2] - before[2]
        self.assertAlmostEqual(after[0] - before[0] - real, wall_jump, delta=3, msg="Wine's wall clock")
        self.assertAlmostEqual(after[1] - before[1] - real, steady_jump, delta=3, msg="Wine's tick count")

    def start_faked(self, settings, steady_clock_too, present=True):
        """Starts the program under the faked clocks after input, with the settings file's bytes (see
        settings_bytes); with present, input keeps coming."""
        self.probe.stop()
        self.environment.kill_wine()
        self.env = dict(os.environ, LD_PRELOAD=FAKETIME_LIBRARY, FAKETIME_TIMESTAMP_FILE=str(self.offset_file),
                        FAKETIME_NO_CACHE="1")
        if not steady_clock_too:
            self.env["FAKETIME_DONT_FAKE_MONOTONIC"] = "1"
        self.environment.write_settings(settings)
        # Brings up the faked server with input in it, so that the program starts with a user present.
        run(["wine", str(self.environment.probe_exe), "input"], env=self.env)
        self.launch(env=self.env)
        if present:
            self.start_presence()
