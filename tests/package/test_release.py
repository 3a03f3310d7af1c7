"""The release files as a careful user or a package manager meets them: signed, described by
manifests that match them, a portable copy that keeps its settings with it, and an installer and
uninstaller that load no library planted beside them."""

import hashlib
import json
import os
import pathlib
import pwd
import subprocess
import sys
import tempfile
import unittest
import zipfile

import yaml

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "e2e"))
from package_driver import ReleaseFiles, run_scenario  # noqa: E402
from system_libraries import markers, plant, plantable  # noqa: E402
from tavelin_driver import CONFIG_CAPTION, centre, required_env, settings_bytes, wait_for  # noqa: E402
from tavelin_probe import Probe  # noqa: E402
from tavelin_screen import Screen  # noqa: E402

# Wine's own start of a program that imports comctl32, as NSIS's stub does, loads uxtheme by its
# bare name before the program's first instruction (its comctl32 initialises through user32, which
# loads uxtheme when first called; seen with WINEDEBUG=+loaddll,+relay, before the installer's own
# SetDefaultDllDirectories): that is Wine's start, which the installer cannot change.
LOADED_BY_WINES_START = {"uxtheme.dll"}
# The key of the installer's entry under "Apps and features", which winget takes as product code.
PRODUCT_CODE = "Tavelin"
DEFAULTS = settings_bytes("01:00:00", "00:05:00")


def sha256(path):
    return hashlib.sha256(path.read_bytes()).hexdigest()


def verified(path, certificate):
    """Whether osslsigncode accepts the file's Authenticode signature against the certificate."""
    return subprocess.run(["osslsigncode", "verify", "-CAfile", str(certificate), "-in", str(path)],
                          capture_output=True, timeout=60).returncode == 0


def wine(*args, env=None, timeout=120):
    return subprocess.run(["wine", *args], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env,
                          timeout=timeout).returncode


def user_folder():
    drive_c = pathlib.Path(required_env("WINEPREFIX")) / "drive_c"
    return drive_c, drive_c / "users" / pwd.getpwuid(os.getuid()).pw_name


class SigningTest(unittest.TestCase):
    def test_signed_with_the_certificate_given_and_unsigned_without_saying_so(self):
        release, certificate = ReleaseFiles(), pathlib.Path(required_env("TAVELIN_CERTIFICATE"))
        with tempfile.TemporaryDirectory() as folder:
            exe = pathlib.Path(folder) / "Tavelin.exe"
            with zipfile.ZipFile(release.zip) as archive:
                exe.write_bytes(archive.read("Tavelin.exe"))
            for name, path in [("Tavelin.exe in the zip", exe), ("the installer", release.setup)]:
                with self.subTest(name):
                    self.assertTrue(verified(path, certificate))

            unsigned = pathlib.Path(folder) / "unsigned"
            environment = {k: v for k, v in os.environ.items() if not k.startswith("TAVELIN_SIGN_")}
            built = subprocess.run(["bash", "scripts/package.sh"], cwd=required_env("TAVELIN_SOURCES"),
                                   env={**environment, "TAVELIN_RELEASE_DIR": str(unsigned)},
                                   capture_output=True, text=True, timeout=600)
            self.assertEqual(built.returncode, 0, built.stderr)
            said = [line for line in built.stdout.splitlines() if "unsigned" in line.lower()]
            self.assertEqual(len(said), 1, built.stdout)
            self.assertFalse(verified(unsigned / release.setup.name, certificate))
            checked = subprocess.run(["sha256sum", "--check", "--strict", "SHA256SUMS"], cwd=release.folder,
                                     capture_output=True, timeout=60)
            self.assertEqual(checked.returncode, 0, "the sums are of the signed files")


class ManifestTest(unittest.TestCase):
    # The fields each manifest type requires, and those the release sets besides.
    WINGET = {
        "version": ["PackageIdentifier", "PackageVersion", "DefaultLocale", "ManifestType", "ManifestVersion"],
        "installer": ["PackageIdentifier", "PackageVersion", "Installers", "ManifestType", "ManifestVersion",
                      "InstallerType", "Scope", "InstallerSwitches", "ProductCode"],
        "defaultLocale": ["PackageIdentifier", "PackageVersion", "PackageLocale", "Publisher", "PackageName",
                          "License", "ShortDescription", "ManifestType", "ManifestVersion", "ReleaseNotesUrl"],
    }
    SCOOP = ["version", "description", "homepage", "license", "url", "hash", "bin", "shortcuts", "persist"]

    def test_winget_and_scoop_manifests_describe_the_release_files(self):
        release = ReleaseFiles()
        folder = release.folder / "winget" / "manifests" / "t" / "Tavelin" / "Tavelin" / release.version
        manifests = {document["ManifestType"]: document
                     for document in (yaml.safe_load(path.read_text()) for path in sorted(folder.glob("*.yaml")))}
        self.assertEqual(sorted(manifests), sorted(self.WINGET))
        for kind, fields in self.WINGET.items():
            with self.subTest(kind):
                self.assertEqual([f for f in fields if f not in manifests[kind]], [])
                self.assertEqual(manifests[kind]["PackageVersion"], release.version)
                self.assertRegex(manifests[kind]["ManifestVersion"], r"^1\.\d+\.0$")
        installer = manifests["installer"]
        self.assertEqual((installer["InstallerType"], installer["Scope"], installer["ProductCode"]),
                         ("nullsoft", "user", PRODUCT_CODE))
        self.assertEqual(installer["InstallerSwitches"]["Silent"], "/S")
        [entry] = installer["Installers"]
        self.assertEqual(entry["InstallerSha256"], sha256(release.setup).upper())
        self.assertTrue(entry["InstallerUrl"].endswith("/" + release.setup.name))

        scoop = json.loads((release.folder / "scoop" / "tavelin.json").read_text())
        self.assertEqual([f for f in self.SCOOP if f not in scoop], [])
        self.assertEqual((scoop["version"], scoop["hash"]), (release.version, sha256(release.zip)))
        self.assertTrue(scoop["url"].endswith("/" + release.zip.name))
        with zipfile.ZipFile(release.zip) as archive:
            self.assertIn(scoop["bin"], archive.namelist())
            self.assertIn(scoop["persist"] + "/", archive.namelist())


class PortableTest(unittest.TestCase):
    """The unzipped copy keeps its settings in its Settings folder and nothing under %APPDATA%."""

    def setUp(self):
        self.probe = Probe(required_env("TAVELIN_PROBE"))
        self.screen = Screen(pathlib.Path(required_env("TAVELIN_SCREENSHOTS")))
        self.screen.folder.mkdir(parents=True, exist_ok=True)
        self.program = None

    def tearDown(self):
        self.probe.stop()
        if self.program is not None and self.program.poll() is None:
            self.program.kill()
            subprocess.run(["wineserver", "-k"], capture_output=True, timeout=60)

    def press_ok(self):
        """Opens the configuration from the icon and presses OK, which saves both values."""
        tray = wait_for(self.screen.tray, 60, "the tray")
        self.screen.click(tray[0] + 10, tray[1] + tray[3] // 2, count=2)
        wait_for(lambda: self.probe.window(CONFIG_CAPTION).get("visible"), 10, "the configuration window")
        self.screen.click(*centre(self.probe.child(CONFIG_CAPTION, "Button", "OK")["rect"]))

    def test_the_zips_copy_saves_beside_itself_and_reports_a_failed_save_there(self):
        drive_c, home = user_folder()
        folder = drive_c / "Stick" / "Tavelin"
        with zipfile.ZipFile(ReleaseFiles().zip) as archive:
            archive.extractall(folder)
        settings = folder / "Settings"
        self.assertEqual(list(settings.iterdir()), [])
        roaming = home / "AppData" / "Roaming" / "Tavelin"

        self.program = subprocess.Popen(["wine", str(folder / "Tavelin.exe")], cwd=drive_c,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.probe.window("Pause").get("found"), 60, "the program")
        self.press_ok()
        wait_for(lambda: (settings / "config").is_file(), 10, "Settings\\config")
        self.assertEqual((settings / "config").read_bytes(), DEFAULTS)
        self.assertFalse(roaming.exists(), "nothing under %APPDATA%")

        # A config that is a folder cannot be replaced: the save fails, and says where.
        (settings / "config").unlink()
        (settings / "config").mkdir()
        self.press_ok()
        box = wait_for(lambda: (lambda w: w if w.get("visible") else None)(self.probe.window("Tavelin")), 10,
                       "the failed-save report")
        text = " ".join(c["text"] for c in box["children"] if c["class"].lower() == "static")
        self.assertIn("The settings could not be saved to the file", text)
        self.assertIn(r"C:\Stick\Tavelin\Settings\config", text)
        self.screen.click(*centre(self.probe.child("Tavelin", "Button", "OK")["rect"]))
        self.assertEqual(wine(str(folder / "Tavelin.exe"), "/quit"), 0)
        self.assertEqual(self.program.wait(timeout=30), 0)
        self.assertFalse(roaming.exists(), "nothing under %APPDATA%")


class PlantedLibraryTest(unittest.TestCase):
    """The installer run from a Downloads folder, and the uninstaller from the install folder, each
    among marker libraries named as the ones it imports or names."""

    def test_the_installer_and_the_uninstaller_load_no_planted_library(self):
        release, marker = ReleaseFiles(), required_env("TAVELIN_MARKER")
        drive_c, home = user_folder()
        system_folder = drive_c / "windows" / "system32"
        # Not the user's own Downloads: Wine links that to the Unix home folder.
        downloads = drive_c / "users" / "Public" / "Downloads"
        downloads.mkdir(parents=True, exist_ok=True)
        self.assertTrue(downloads.resolve().is_relative_to(drive_c.resolve()), "a folder of the prefix")
        setup = downloads / release.setup.name
        setup.write_bytes(release.setup.read_bytes())
        names = [name for name in plantable(setup, system_folder) if name not in LOADED_BY_WINES_START]
        self.assertIn("dwmapi.dll", names, "a library the installer loads is planted")
        environment = {**os.environ, "WINEDLLOVERRIDES": os.environ.get("WINEDLLOVERRIDES", "") + ";" +
                       plant(downloads, names, marker)}
        self.assertEqual(wine(str(setup), "/S", env=environment), 0)
        self.assertEqual(markers(downloads), [], f"planted as {names}")

        installed = home / "AppData" / "Local" / "Programs" / "Tavelin"
        uninstaller = installed / "Uninstall.exe"
        self.assertTrue(verified(uninstaller, required_env("TAVELIN_CERTIFICATE")), "the uninstaller is signed")
        names = [name for name in plantable(uninstaller, system_folder) if name not in LOADED_BY_WINES_START]
        environment["WINEDLLOVERRIDES"] = os.environ.get("WINEDLLOVERRIDES", "") + ";" + plant(installed, names, marker)
        self.assertEqual(wine(str(uninstaller), "/S", env=environment), 0)
        # The uninstaller runs on from a copy of itself in the temporary folder.
        subprocess.run(["wineserver", "-w"], capture_output=True, timeout=120)
        self.assertFalse(uninstaller.exists())
        self.assertEqual(markers(installed), [], f"planted as {names}")


if __name__ == "__main__":
    sys.exit(run_scenario(sys.modules[__name__], sys.argv[1], pathlib.Path(required_env("TAVELIN_REPORT"))))
