"""The measuring half of scripts/bench.sh; runs inside its Wine prefix and X display.

Both programs are ended as a user would end them (Tavelin through "Close" in its tray menu, the
floor by a right click on its icon): a killed program leaves a stale tray icon behind that slows
the next start in the prefix by seconds."""

import json
import os
import pathlib
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "e2e"))

from tavelin_driver import settings_bytes, settings_file, wait_for  # noqa: E402
from tavelin_screen import Screen  # noqa: E402

LAUNCH_RUNS = 7
TICKS = os.sysconf("SC_CLK_TCK")


def windows_path(path):
    return "Z:" + str(path.resolve()).replace("/", "\\")


class Bench:
    def __init__(self, folder):
        self.folder = pathlib.Path(folder)
        self.bin = self.folder / "bin"
        self.tavelin = self.bin / "Tavelin.exe"
        self.floor = self.bin / "TavelinFloor.exe"
        self.driver = self.bin / "TavelinBenchDriver.exe"
        self.prefix = os.environ["WINEPREFIX"]
        self.settings = settings_file(self.prefix)

    def drive(self, *args, timeout):
        """Runs the driver; a program it starts inherits its output, so that goes through files."""
        with tempfile.TemporaryFile("w+") as output, tempfile.TemporaryFile("w+") as errors:
            result = subprocess.run(["wine", str(self.driver), *args], stdout=output, stderr=errors, text=True,
                                    timeout=timeout)
            output.seek(0)
            errors.seek(0)
            if result.returncode != 0:
                raise RuntimeError(f"driver {' '.join(args)} failed: {errors.read().strip()}")
            return output.read().strip()

    def unix_pid(self, exe):
        """The Linux process of a Windows program running in this prefix."""
        marker = f"WINEPREFIX={self.prefix}".encode()
        for entry in pathlib.Path("/proc").iterdir():
            if not entry.name.isdigit():
                continue
            try:
                argv0 = (entry / "cmdline").read_bytes().split(b"\0")[0].decode(errors="replace")
                if re.split(r"[\\/]", argv0)[-1].lower() != exe.name.lower():
                    continue
                if marker in (entry / "environ").read_bytes().split(b"\0"):
                    return int(entry.name)
            except OSError:
                continue
        raise RuntimeError(f"no running {exe.name} in this prefix")

    @staticmethod
    def rss_anon_kb(pid):
        status = pathlib.Path(f"/proc/{pid}/status").read_text()
        return int(re.search(r"^RssAnon:\s+(\d+) kB", status, re.M).group(1))

    @staticmethod
    def cpu_ms(pid):
        # Fields after the command name, which is in parentheses and may contain blanks.
        fields = pathlib.Path(f"/proc/{pid}/stat").read_text().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) * 1000 / TICKS

    def launch(self, exe):
        milliseconds = float(self.drive("launch", windows_path(exe), timeout=120))
        return milliseconds, self.unix_pid(exe)

    @staticmethod
    def tray_icon():
        """Centre of the first icon in Wine's tray window, a square as high as the window."""
        x, y, _, height = wait_for(Screen.tray, 30, "Wine's tray window", interval=0.2)
        return x + height // 2, y + height // 2

    @staticmethod
    def wait_gone(pid, timeout=30):
        deadline = time.monotonic() + timeout
        while pathlib.Path(f"/proc/{pid}").exists():
            if time.monotonic() > deadline:
                raise RuntimeError(f"process {pid} did not end")
            time.sleep(0.1)

    def close(self, exe, pid):
        Screen.click(*self.tray_icon(), button=3)
        if exe == self.tavelin:
            left, top, right, bottom = map(int, self.drive("menu", timeout=120).split())
            # "Close" is the last of four items of equal height.
            Screen.click((left + right) // 2, bottom - (bottom - top) // 8)
        self.wait_gone(pid)

    def launch_times(self):
        times = {self.tavelin: [], self.floor: []}
        for run in range(LAUNCH_RUNS + 1):
            for exe in times:
                milliseconds, pid = self.launch(exe)
                # The first start of each fills the prefix's caches; it is not counted.
                if run > 0:
                    times[exe].append(milliseconds)
                time.sleep(1)
                self.close(exe, pid)
        return times

    def idle(self, exe, seconds):
        _, pid = self.launch(exe)
        time.sleep(3)
        memory = self.rss_anon_kb(pid)
        cpu = self.cpu_ms(pid)
        time.sleep(seconds)
        cpu = self.cpu_ms(pid) - cpu
        self.close(exe, pid)
        return memory, cpu

    def pause_cycles(self, counts):
        self.settings.parent.mkdir(parents=True, exist_ok=True)
        self.settings.write_bytes(settings_bytes(1, 1))
        _, pid = self.launch(self.tavelin)
        time.sleep(3)
        memory = {0: self.rss_anon_kb(pid)}
        done = 0
        for count in counts:
            seconds = float(self.drive("cycles", str(count - done), timeout=60 * (count - done) + 120))
            print(f"  {count} pause cycles done ({seconds:.0f} s for the last {count - done})", flush=True)
            done = count
            memory[count] = self.rss_anon_kb(pid)
        # Closing during a pause: between two pauses the next one could come up under the menu.
        self.drive("waitpause", timeout=120)
        self.close(self.tavelin, pid)
        self.settings.unlink()
        return memory


def table(results, counts):
    tavelin, floor = results["Tavelin"], results["floor"]
    rows = [("launch to message loop, median of 7 (ms)", "launch_ms", "{:.0f}"),
            (f"CPU over {results['idle_seconds']} s idle (ms)", "idle_cpu_ms", "{:.0f}"),
            ("private memory (RssAnon) at start (KB)", "rss_start_kb", "{}")]
    if counts:
        rows.append(("private memory before the pause cycles (KB)", "rss_before_cycles_kb", "{}"))
    rows += [(f"private memory after {count} pause cycles (KB)", f"rss_after_{count}_cycles_kb", "{}")
             for count in counts]
    rows.append(("exe size (bytes)", "exe_bytes", "{}"))
    lines = [f"{'':48} {'Tavelin':>10} {'floor':>10} {'ratio':>7}"]
    for label, key, form in rows:
        ours, theirs = tavelin.get(key), floor.get(key)
        ratio = f"{ours / theirs:.2f}" if ours is not None and theirs else "-"
        lines.append(f"{label:48} {form.format(ours) if ours is not None else '-':>10} "
                     f"{form.format(theirs) if theirs is not None else '-':>10} {ratio:>7}")
    lines.append(f"private memory above the floor at start: "
                 f"{(tavelin['rss_start_kb'] - floor['rss_start_kb']) / 1024:.2f} MB")
    return "\n".join(lines)


def main():
    bench = Bench(sys.argv[1])
    counts = sorted(int(c) for c in os.environ.get("TAVELIN_BENCH_CYCLES", "100,1000").split(",") if c.strip())
    idle_seconds = int(os.environ.get("TAVELIN_BENCH_IDLE_SECONDS", "60"))
    started = time.monotonic()

    print("Launch times ...", flush=True)
    launch = bench.launch_times()
    print("Idle ...", flush=True)
    idle = {exe: bench.idle(exe, idle_seconds) for exe in (bench.tavelin, bench.floor)}
    print(f"Pause cycles {counts} ...", flush=True)
    cycles = bench.pause_cycles(counts) if counts else {}

    results = {"idle_seconds": idle_seconds, "pause_cycles": counts}
    for name, exe in (("Tavelin", bench.tavelin), ("floor", bench.floor)):
        results[name] = {"launch_ms": statistics.median(launch[exe]), "launch_runs_ms": launch[exe],
                         "idle_cpu_ms": idle[exe][1], "rss_start_kb": idle[exe][0],
                         "exe_bytes": exe.stat().st_size}
    for count, kilobytes in cycles.items():
        if count:
            results["Tavelin"][f"rss_after_{count}_cycles_kb"] = kilobytes
    results["Tavelin"]["rss_before_cycles_kb"] = cycles.get(0)
    results["wall_seconds"] = round(time.monotonic() - started)

    print(table(results, counts))
    (bench.folder / "results.json").write_text(json.dumps(results, indent=2) + "\n")
    print(f"Written to {bench.folder / 'results.json'} ({results['wall_seconds']} s)")


if __name__ == "__main__":
    main()
