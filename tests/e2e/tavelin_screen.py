"""The X display as a user sees and works it: screenshots with ImageMagick, text read back with
tesseract, mouse and keys through xdotool, X windows found and measured by name."""

import pathlib
import re
import subprocess
import tempfile

from tavelin_driver import run

TRAY_NAME = "Wine System Tray"
# Reading a screenshot after the fact yields the processor to the programs under test, which run
# side by side on other displays and must keep their one-second timing.
AFTER_THE_FACT = ["nice", "-n", "10"]


class Screen:
    """The X display: pictures, text read from them, and the user's mouse and keyboard."""

    def __init__(self, folder, language="eng"):
        self.folder = folder
        # Tesseract's name of the language the texts are read in.
        self.language = language

    def shot(self, name):
        path = self.folder / f"{name}.png"
        run(["import", "-window", "root", str(path)])
        return path

    @staticmethod
    def crop_args(rect, scale):
        left, top, right, bottom = rect
        return ["-crop", f"{right - left}x{bottom - top}+{left}+{top}", "+repage", "-colorspace", "Gray",
                "-resize", f"{scale * 100}%"]

    def read_lines(self, shot, rect, scale=3):
        """OCR of a screen rectangle: [(text, (left, top, right, bottom) on screen)] per line."""
        with tempfile.TemporaryDirectory() as folder:
            crop = pathlib.Path(folder) / "crop.png"
            run([*AFTER_THE_FACT, "convert", str(shot), *self.crop_args(rect, scale), str(crop)])
            tsv = run([*AFTER_THE_FACT, "tesseract", str(crop), "-", "-l", self.language, "--psm", "6", "tsv"], timeout=60)
        lines = {}
        for row in tsv.splitlines()[1:]:
            fields = row.split("\t")
            if len(fields) < 12 or fields[0] != "5" or not fields[11].strip():
                continue
            key = tuple(fields[2:5])
            x, y, w, h = (int(v) // scale for v in fields[6:10])
            box = (rect[0] + x, rect[1] + y, rect[0] + x + w, rect[1] + y + h)
            words, old = lines.get(key, ([], box))
            words.append(fields[11])
            lines[key] = (words, (min(old[0], box[0]), min(old[1], box[1]), max(old[2], box[2]),
                                  max(old[3], box[3])))
        return [(" ".join(words), box) for words, box in lines.values()]

    def read_text(self, shot, rect):
        return "\n".join(text for text, _ in self.read_lines(shot, rect))

    @staticmethod
    def gray_pixels(shot, rect):
        """Rows of 8-bit gray values of a screen rectangle."""
        left, top, right, bottom = rect
        data = subprocess.run([*AFTER_THE_FACT, "convert", str(shot), "-crop", f"{right - left}x{bottom - top}+{left}+{top}",
                               "+repage", "-colorspace", "Gray", "-depth", "8", "pgm:-"],
                              capture_output=True, timeout=30, check=True).stdout
        header = re.match(rb"P5\s+(\d+)\s+(\d+)\s+(\d+)\s", data)
        width, height = int(header.group(1)), int(header.group(2))
        pixels = data[header.end():]
        return [pixels[row * width:(row + 1) * width] for row in range(height)]

    @classmethod
    def stroke_width(cls, shot, rect):
        """Mean length of the horizontal runs of inked pixels, smoothed edges included: about 1.5
        for normal menu text, 2 for bold."""
        runs = []
        for row in cls.gray_pixels(shot, rect):
            length = 0
            for value in bytes(row) + b"\xff":
                if value < 200:
                    length += 1
                elif length:
                    runs.append(length)
                    length = 0
        return sum(runs) / len(runs) if runs else 0.0

    @staticmethod
    def move(x, y):
        run(["xdotool", "mousemove", str(x), str(y)])

    @staticmethod
    def click(x, y, button=1, count=1):
        # Wine's menus and controls react to the motion first, so the click follows after a pause.
        run(["xdotool", "mousemove", str(x), str(y), "sleep", "0.3",
             "click", "--repeat", str(count), "--delay", "120", str(button)])

    @staticmethod
    def keys(*names):
        """Key presses, to whichever window the window manager has given the keyboard focus."""
        run(["xdotool", "key", "--delay", "60", *names])

    @staticmethod
    def focused_name():
        """Name of the X window that has the keyboard focus, or None."""
        found = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"], capture_output=True, text=True,
                               timeout=30)
        return found.stdout.strip() if found.returncode == 0 else None

    @staticmethod
    def x_window(name):
        """The first visible X window whose name matches the pattern, or None."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name],
                               capture_output=True, text=True, timeout=30).stdout.split()
        return found[0] if found else None

    @staticmethod
    def x_geometry(window):
        """Geometry (x, y, width, height) of an X window on the screen. The window manager frames
        windows; only xwininfo's absolute position is where their content is on the screen."""
        info = run(["xwininfo", "-id", window])
        values = dict(re.findall(r"^\s*(Absolute upper-left X|Absolute upper-left Y|Width|Height):\s+(-?\d+)$",
                                 info, re.MULTILINE))
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]), int(values["Width"]),
                int(values["Height"]))

    @classmethod
    def tray(cls):
        """Geometry (x, y, width, height) of the visible tray window, or None."""
        window = cls.x_window(f"^{TRAY_NAME}$")
        return cls.x_geometry(window) if window else None
