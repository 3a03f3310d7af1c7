"""The zip and the installer from scripts/package.sh, used under Wine as a Windows user would use
them. run.sh gives each scenario a fresh Wine prefix and X display; the cases of InstallerTest
build on each other in the order of their numbers, like one user's install, update and removal."""

import os
import pathlib
import pwd
import re
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "e2e"))
from package_driver import run_scenario  # noqa: E402
from tavelin_driver import required_env, settings_bytes, wait_for  # noqa: E402
from tavelin_probe import Probe  # noqa: E402
from tavelin_screen import Screen  # noqa: E402

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavelin"
SETTINGS = settings_bytes(25 * 60, 3 * 60)

def help_files():
    """Help.chm and one Help.<tag>.chm per translation folder of the help sources, each built."""
    sources, built = pathlib.Path(required_env("TAVELIN_HELP_SOURCES")), pathlib.Path(required_env("TAVELIN_BUILT"))
    names = ["Help.chm"] + [f"Help.{p.name}.chm" for p in (sources / "lang").iterdir() if p.is_dir()]
    missing = [name for name in names if not (built / name).is_file()]
    if missing:
        raise AssertionError(f"help files not built: {missing}")
    return names


HELP_FILES = help_files()
PROGRAM_FILES = sorted(HELP_FILES + ["LICENSE.txt", "Tavelin.exe", "Uninstall.exe"])
ZIP_FILES = sorted(HELP_FILES + ["LICENSE.txt", "README.txt", "Settings/", "Tavelin.exe"])


class Release:
    def __init__(self):
        self.folder = pathlib.Path(required_env("TAVELIN_RELEASE"))
        self.version = required_env("TAVELIN_VERSION")
        self.zip = self.folder / f"Tavelin-{self.version}-win64.zip"
        self.setup = self.folder / f"Tavelin-{self.version}-setup.exe"
        self.sums = self.folder / "SHA256SUMS"

    def packed(self, name):
        with zipfile.ZipFile(self.zip) as archive:
            return archive.read(name)


class Prefix:
    """The user's side of the fresh Wine prefix: folders, registry, running programs, tray."""

    def __init__(self):
        self.drive_c = pathlib.Path(required_env("WINEPREFIX")) / "drive_c"
        user = pwd.getpwuid(os.getuid()).pw_name
        self.home = self.drive_c / "users" / user
        self.install_folder = self.home / "AppData" / "Local" / "Programs" / "Tavelin"
        self.windows_install_folder = rf"C:\users\{user}\AppData\Local\Programs\Tavelin"
        programs = self.home / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs"
        self.shortcuts = {"Start menu": programs / "Tavelin.lnk",
                          "Startup": programs / "StartUp" / "Tavelin.lnk"}
        self.settings_file = self.home / "AppData" / "Roaming" / "Tavelin" / "config"
        self.probe = Probe(required_env("TAVELIN_PROBE"))
        self.screen = Screen(pathlib.Path(required_env("TAVELIN_SCREENSHOTS")))
        self.screen.folder.mkdir(parents=True, exist_ok=True)

    @staticmethod
    def wine(*args, timeout=120):
        """Runs a Windows program to its end; what it starts must not hold our pipes open."""
        return subprocess.run(["wine", *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode

    def uninstall_values(self):
        """{name: (type, data)} of the uninstall key, or None without the key. Exported to a file,
        since what reg prints goes through the console code page and loses non-ASCII text."""
        export = self.drive_c / "uninstall-key.reg"
        if self.wine("reg", "export", UNINSTALL_KEY, r"C:\uninstall-key.reg", "/y") != 0:
            return None
        text = export.read_text(encoding="utf-16")
        export.unlink()
        values = {}
        for line in (line for line in text.splitlines() if line.startswith('"')):
            match = re.fullmatch(r'"(\w+)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-f]{8}))', line)
            if match is None:
                raise AssertionError(f"a value of an unexpected type in the uninstall key: {line}")
            name, string, dword = match.groups()
            values[name] = (("REG_DWORD", hex(int(dword, 16))) if dword
                            else ("REG_SZ", re.sub(r"\\(.)", r"\1", string)))
        return values

    def all_ended(self, timeout):
        """Whether every program of the prefix ends by itself within timeout seconds; the probe,
        which would run on, ends first."""
        self.probe.stop()
        try:
            subprocess.run(["wineserver", "-w"], capture_output=True, timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            return False

    def tavelin_pid(self):
        """Process id of the running Tavelin (the owner of its hidden pause window), or None."""
        window = self.probe.window("Pause")
        return window["pid"] if window["found"] else None

    def icon_drawn(self):
        """Whether Wine's tray window shows an icon in its first slot (not a blank slot)."""
        tray = self.screen.tray()
        if tray is None:
            return False
        x, y, _, height = tray
        values = [v for row in self.screen.gray_pixels(self.screen.shot("tray"), (x, y, x + 20, y + height))
                  for v in row]
        return max(values) - min(values) > 60


def shortcut_target(link):
    """The local path a Shell Link (.lnk) file points to, from its LinkInfo structure."""
    data = link.read_bytes()
    header_size, flags = struct.unpack_from("<I16xI", data, 0)
    if header_size != 0x4C or not flags & 0x2:
        raise AssertionError(f"{link} is no shell link with a LinkInfo: flags {flags:#x}")
    offset = header_size
    if flags & 0x1:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    base_path = offset + struct.unpack_from("<I", data, offset + 16)[0]
    return data[base_path:data.index(b"\0", base_path)].decode("latin-1")


def version_resource(exe):
    """(file version, product version) of an exe's VS_FIXEDFILEINFO, as "a.b.c.d" texts."""
    raw = subprocess.run(["wrestool", "--extract", "--raw", "--type=16", str(exe)], capture_output=True,
                         check=True, timeout=30).stdout
    start = raw.index(struct.pack("<I", 0xFEEF04BD))
    numbers = struct.unpack_from("<4I", raw, start + 8)
    return tuple(".".join(str(n) for n in (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF))
                 for ms, ls in (numbers[0:2], numbers[2:4]))


class ReleaseFilesTest(unittest.TestCase):
    def test_names_checksums_and_version_resources_carry_the_project_version(self):
        release = Release()
        self.assertEqual(sorted(p.name for p in release.folder.iterdir()),
                         sorted([release.zip.name, release.setup.name, "SHA256SUMS", "scoop", "winget"]))
        checked = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=release.folder,
                                 capture_output=True, text=True, timeout=60)
        self.assertEqual(checked.returncode, 0, checked.stdout + checked.stderr)
        self.assertEqual(len(release.sums.read_text().splitlines()), 2)

        with tempfile.TemporaryDirectory() as folder:
            exe = pathlib.Path(folder) / "Tavelin.exe"
            exe.write_bytes(release.packed("Tavelin.exe"))
            expected = f"{release.version}.0"
            for name, path in [("Tavelin.exe in the zip", exe), ("the installer", release.setup)]:
                with self.subTest(name):
                    self.assertEqual(version_resource(path), (expected, expected))


class ZipTest(unittest.TestCase):
    def test_holds_the_program_every_help_file_and_texts_and_runs_from_a_non_ascii_folder(self):
        release, prefix = Release(), Prefix()
        self.addCleanup(prefix.probe.stop)
        with zipfile.ZipFile(release.zip) as archive:
            self.assertEqual(sorted(archive.namelist()), ZIP_FILES)
            self.assertIsNone(archive.testzip())
            folder = prefix.drive_c / "Pausé Тавелин ☕"
            archive.extractall(folder)
        readme = (folder / "README.txt").read_bytes().decode("ascii")
        for needed in [f"Tavelin {release.version}", r"%APPDATA%\Tavelin\config", "shell:startup", "\r\n"]:
            with self.subTest(needed=needed):
                self.assertIn(needed, readme)
        self.assertIn("MIT License", (folder / "LICENSE.txt").read_text(encoding="ascii"))

        self.assertIsNone(prefix.tavelin_pid())
        program = subprocess.Popen(["wine", str(folder / "Tavelin.exe")], cwd=folder.parent,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            wait_for(prefix.icon_drawn, 60, "the icon of the unzipped Tavelin.exe")
            self.assertIsNotNone(prefix.tavelin_pid())
            self.assertIsNone(program.poll(), "the program keeps running")
            self.assertEqual(prefix.wine(str(folder / "Tavelin.exe"), "/quit"), 0)
            self.assertEqual(program.wait(timeout=30), 0)
        finally:
            if program.poll() is None:
                program.kill()
                subprocess.run(["wineserver", "-k"], capture_output=True, timeout=60)


class InstallerTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.release, cls.prefix = Release(), Prefix()

    @classmethod
    def tearDownClass(cls):
        cls.prefix.probe.stop()

    def install(self, *switches):
        self.assertEqual(self.prefix.wine(str(self.release.setup), "/S", *switches), 0)

    def assert_installed(self):
        self.assertEqual(sorted(p.name for p in self.prefix.install_folder.iterdir()), PROGRAM_FILES)
        for name in ["Tavelin.exe", *HELP_FILES]:
            with self.subTest(name):
                self.assertEqual((self.prefix.install_folder / name).read_bytes(), self.release.packed(name))

    def test_1_silent_install_puts_the_files_in_the_user_programs_folder(self):
        self.install()
        self.assert_installed()
        self.assertTrue(self.prefix.all_ended(60), "a silent install starts Tavelin only on /RUN")

    def test_2_shortcuts_in_the_start_menu_and_startup_folders_open_the_installed_exe(self):
        target = self.prefix.windows_install_folder + r"\Tavelin.exe"
        for place, link in self.prefix.shortcuts.items():
            with self.subTest(place):
                self.assertEqual(shortcut_target(link).lower(), target.lower())

    def test_3_uninstall_key_holds_every_value(self):
        folder = self.prefix.windows_install_folder
        size_kib = sum(p.stat().st_size for p in self.prefix.install_folder.iterdir()) // 1024
        expected = {
            "DisplayName": ("REG_SZ", "Tavelin"),
            "DisplayVersion": ("REG_SZ", self.release.version),
            "Publisher": ("REG_SZ", "The Tavelin authors"),
            "DisplayIcon": ("REG_SZ", folder + r"\Tavelin.exe,0"),
            "InstallLocation": ("REG_SZ", folder),
            "EstimatedSize": ("REG_DWORD", hex(size_kib)),
            "UninstallString": ("REG_SZ", f'"{folder}\\Uninstall.exe"'),
            "QuietUninstallString": ("REG_SZ", f'"{folder}\\Uninstall.exe" /S'),
            "NoModify": ("REG_DWORD", "0x1"),
            "NoRepair": ("REG_DWORD", "0x1"),
        }
        values = self.prefix.uninstall_values()
        self.assertEqual(sorted(values), sorted(expected))
        for name, value in expected.items():
            with self.subTest(name):
                self.assertEqual(values[name], value)

    def test_4_the_startup_shortcut_starts_tavelin_with_its_icon(self):
        self.prefix.wine("start", "/unix", str(self.prefix.shortcuts["Startup"]))
        wait_for(self.prefix.icon_drawn, 60, "the icon of the installed Tavelin")
        self.assertIsNotNone(self.prefix.tavelin_pid())

    def test_5_installing_again_ends_the_running_one_replaces_files_and_keeps_settings(self):
        running = self.prefix.tavelin_pid()
        self.assertIsNotNone(running, "Tavelin runs before the second install")
        self.prefix.settings_file.parent.mkdir(parents=True, exist_ok=True)
        self.prefix.settings_file.write_bytes(SETTINGS)
        for name in HELP_FILES:
            (self.prefix.install_folder / name).write_bytes(b"an older help file")

        self.install()
        self.assertIsNone(self.prefix.tavelin_pid(), "the running Tavelin was ended")
        self.assertTrue(self.prefix.all_ended(60), "nothing of the prefix runs on")
        self.assert_installed()
        self.assertEqual(self.prefix.settings_file.read_bytes(), SETTINGS)

        self.install("/RUN")
        wait_for(self.prefix.tavelin_pid, 60, "Tavelin started by /RUN")

    def test_6_silent_uninstall_ends_tavelin_removes_everything_and_keeps_settings(self):
        self.assertIsNotNone(self.prefix.tavelin_pid(), "Tavelin runs before the uninstall")
        quiet = self.prefix.uninstall_values()["QuietUninstallString"][1]
        uninstaller, switch = re.fullmatch(r'"(.+)" (/S)', quiet).groups()
        self.assertEqual(self.prefix.wine(uninstaller, switch), 0)
        # The uninstaller runs on from a copy of itself in the temporary folder, so it is done only
        # once every program of the prefix has ended.
        wait_for(lambda: not self.prefix.icon_drawn(), 60, "the icon to leave the notification area")
        self.assertTrue(self.prefix.all_ended(60), "the uninstaller ends and nothing of the prefix runs on")

        self.assertFalse(self.prefix.install_folder.exists())
        left = {place: link for place, link in self.prefix.shortcuts.items() if link.exists()}
        self.assertEqual(left, {})
        self.assertIsNone(self.prefix.uninstall_values())
        self.assertIsNone(self.prefix.tavelin_pid(), "the uninstaller ended Tavelin")
        self.assertEqual(self.prefix.settings_file.read_bytes(), SETTINGS)


class ChosenFolderTest(unittest.TestCase):
    def test_d_switch_sets_the_folder_an_update_keeps_and_the_uninstall_empties(self):
        release, prefix = Release(), Prefix()
        chosen, windows_chosen = prefix.drive_c / "Tools" / "Pausen-Tävelin", r"C:\Tools\Pausen-Tävelin"
        for step, switches in [("install", ["/D=" + windows_chosen]), ("update", [])]:
            with self.subTest(step):
                self.assertEqual(prefix.wine(str(release.setup), "/S", *switches), 0)
                self.assertEqual(sorted(p.name for p in chosen.iterdir()), PROGRAM_FILES)
                self.assertFalse(prefix.install_folder.exists())
                self.assertEqual(prefix.uninstall_values()["InstallLocation"], ("REG_SZ", windows_chosen))

        self.assertEqual(prefix.wine(str(chosen / "Uninstall.exe"), "/S"), 0)
        # Done only once its copy in the temporary folder has ended too.
        self.assertTrue(prefix.all_ended(60), "the uninstaller ends")
        self.assertFalse(chosen.exists())
        self.assertIsNone(prefix.uninstall_values())


class InstallerLanguageTest(unittest.TestCase):
    """The installer as a user with another Windows display language starts it: the language dialog
    offers that language first, and the pages then speak it, our own texts included."""

    # Locale for Wine, tesseract's language, texts of NSIS's page and of our own that must show.
    # Wine 8 here takes the display language from LC_ALL; LANG alone left it English.
    CASES = [
        ("de_DE.UTF-8", "deu", ["Weiter", "Tavelin beim Anmelden starten"]),
        ("en_US.UTF-8", "eng", ["Next", "Start Tavelin when I sign in"]),
    ]

    def test_the_pages_speak_the_display_language(self):
        release, prefix = Release(), Prefix()
        for lang, ocr_language, expected in self.CASES:
            with self.subTest(lang):
                setup = subprocess.Popen(["wine", str(release.setup)], stdout=subprocess.DEVNULL,
                                         stderr=subprocess.DEVNULL, env={**os.environ, "LANG": lang, "LC_ALL": lang})
                try:
                    dialog = wait_for(lambda: Screen.x_window("^Installer Language$"), 60, "the language dialog")
                    subprocess.run(["xdotool", "windowactivate", "--sync", dialog], timeout=30)
                    Screen.keys("Return")
                    page = wait_for(lambda: Screen.x_window("Tavelin"), 60, "the installer's first page")
                    # The page draws its list of components a moment after the window shows.
                    time.sleep(2)
                    shot = prefix.screen.shot(f"installer-{lang.split('.')[0]}")
                    left, top, width, height = Screen.x_geometry(page)
                    # With a margin: the frame's border is not part of the window xwininfo measures.
                    text = Screen(prefix.screen.folder, ocr_language).read_text(
                        shot, (max(left - 20, 0), max(top - 20, 0), left + width + 20, top + height + 20))
                    # Tesseract reads a capital I standing alone as a bar.
                    text = " ".join(text.replace("|", "I").split())
                    for needed in expected:
                        self.assertIn(needed, text)
                finally:
                    subprocess.run(["wineserver", "-k"], capture_output=True, timeout=60)
                    setup.wait(timeout=30)


if __name__ == "__main__":
    sys.exit(run_scenario(sys.modules[__name__], sys.argv[1], pathlib.Path(required_env("TAVELIN_REPORT"))))
