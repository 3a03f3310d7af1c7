"""Checks every translation of the help in help/lang/<tag>/ against the English pages, and the
Help.<tag>.chm compiled from it: the same pages with the same headings, links and ids, sitemaps that
point to the same places, and text that the help viewer reads back as written."""
import pathlib
import re
import struct
import subprocess
import sys
import tempfile
import unittest

from check_help import SITEMAP_UNCLOSED, PageParser

HELP = pathlib.Path(sys.argv[1])
BINARIES = pathlib.Path(sys.argv[2])
EXTRACT_CHMLIB = sys.argv[3]
PAGES = ["index.html", "pause.html", "configure.html", "tray.html", "keyboard.html", "settings-file.html"]
SITEMAPS = ["Contents.hhc", "Index.hhk"]
# The ANSI code page Windows gives each language id; the help viewer reads sitemaps and titles in it.
ANSI_CODE_PAGES = {0x407: "cp1252", 0x40c: "cp1252", 0xc0a: "cp1252", 0x410: "cp1252",
                   0x416: "cp1252", 0x413: "cp1252", 0x415: "cp1250", 0x419: "cp1251",
                   0x411: "cp932", 0x804: "cp936"}


class StructureParser(PageParser):
    """Adds the order of the headings and the page's declared language and character set."""

    def __init__(self, unclosed=frozenset()):
        super().__init__(unclosed)
        self.headings = []
        self.lang = None
        self.charset = None

    def handle_starttag(self, tag, attrs):
        super().handle_starttag(tag, attrs)
        attrs = dict(attrs)
        if tag in ("h1", "h2"):
            self.headings.append(tag)
        elif tag == "html":
            self.lang = attrs.get("lang")
        elif tag == "meta" and attrs.get("http-equiv", "").lower() == "content-type":
            self.charset = attrs.get("content", "").lower().partition("charset=")[2]


def parse_text(text, unclosed=frozenset()):
    parser = StructureParser(unclosed)
    parser.feed(text)
    parser.close()
    return parser


def languages():
    return sorted(p.name for p in (HELP / "lang").iterdir() if p.is_dir())


def language_file(tag):
    """(language id, code page, title) from help/lang/<tag>/language.txt, or None if it is malformed."""
    text = (HELP / "lang" / tag / "language.txt").read_text(encoding="utf-8")
    match = re.fullmatch(r"(0x[0-9a-fA-F]+)\|(CP[0-9]+)\|([^|\r\n]+)\r?\n?", text)
    return match and (int(match[1], 16), match[2].lower(), match[3])


def sitemap_entries(text):
    parser = parse_text(text, SITEMAP_UNCLOSED)
    names = [value for key, value in parser.params if key == "Name"]
    targets = [value for key, value in parser.params if key == "Local"]
    return parser, names, targets


class Sources(unittest.TestCase):
    def test_there_are_translations(self):
        self.assertTrue(languages(), "no folder in help/lang")

    def test_every_page_keeps_the_english_headings_links_and_ids(self):
        for name in PAGES:
            english = parse_text((HELP / name).read_text(encoding="utf-8"))
            for tag in languages():
                with self.subTest(tag=tag, page=name):
                    path = HELP / "lang" / tag / name
                    self.assertTrue(path.is_file(), f"help/lang/{tag}/{name} is missing")
                    page = parse_text(path.read_text(encoding="utf-8"))
                    self.assertEqual(page.errors, [])
                    self.assertEqual(page.headings, english.headings, "h1/h2 headings")
                    self.assertEqual(page.links, english.links, "links, in order")
                    self.assertEqual(page.ids, english.ids, "ids")
                    self.assertEqual(page.lang, tag)
                    self.assertEqual(page.charset, "utf-8")
                    self.assertTrue(page.title.strip(), "no title")

    def test_sitemaps_point_to_the_english_places_with_a_name_each(self):
        for name in SITEMAPS:
            _, _, english = sitemap_entries((HELP / name).read_text(encoding="utf-8"))
            for tag in languages():
                with self.subTest(tag=tag, sitemap=name):
                    path = HELP / "lang" / tag / name
                    self.assertTrue(path.is_file(), f"help/lang/{tag}/{name} is missing")
                    parser, names, targets = sitemap_entries(path.read_text(encoding="utf-8"))
                    self.assertEqual(parser.errors, [])
                    # The contents keep the English order; the index is sorted in its own language.
                    self.assertEqual(targets if name.endswith(".hhc") else sorted(targets),
                                     english if name.endswith(".hhc") else sorted(english))
                    self.assertEqual(len(names), len(targets))
                    self.assertTrue(all(n.strip() for n in names), "an entry without a name")

    def test_each_language_file_gives_the_code_page_of_its_language_id(self):
        for tag in languages():
            with self.subTest(tag=tag):
                path = HELP / "lang" / tag / "language.txt"
                self.assertTrue(path.is_file(), f"help/lang/{tag}/language.txt is missing")
                entry = language_file(tag)
                self.assertIsNotNone(entry, "not <Windows language id>|<ANSI code page>|<title>")
                lcid, page, _ = entry
                if lcid in ANSI_CODE_PAGES:
                    self.assertEqual(page, ANSI_CODE_PAGES[lcid])


def system_records(path):
    """{code: bytes} of a CHM's #SYSTEM file."""
    data, records, offset = path.read_bytes(), {}, 4
    while offset + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, offset)
        records[code] = data[offset + 4:offset + 4 + length]
        offset += 4 + length
    return records


class Compiled(unittest.TestCase):
    def test_one_help_file_per_language_and_none_other(self):
        built = sorted(p.name for p in BINARIES.glob("Help*.chm"))
        self.assertEqual(built, sorted(["Help.chm"] + [f"Help.{tag}.chm" for tag in languages()]))

    def test_each_file_carries_its_language_title_and_readable_text(self):
        for tag in languages():
            with self.subTest(tag=tag), tempfile.TemporaryDirectory() as folder:
                root = pathlib.Path(folder)
                chm = BINARIES / f"Help.{tag}.chm"
                result = subprocess.run([EXTRACT_CHMLIB, str(chm), folder], capture_output=True, text=True)
                self.assertTrue((root / "#SYSTEM").is_file(), result.stdout + result.stderr)
                lcid, page, title = language_file(tag)
                system = system_records(root / "#SYSTEM")
                self.assertEqual(struct.unpack_from("<I", system[4])[0], lcid, "language id")
                self.assertEqual(system[3].split(b"\0")[0].decode(page), title)
                for name in SITEMAPS:
                    source = (HELP / "lang" / tag / name).read_text(encoding="utf-8")
                    self.assertEqual((root / name).read_bytes().decode(page), source, f"{name} read in {page}")
                for name in PAGES:
                    self.assertEqual((root / name).read_bytes(), (HELP / "lang" / tag / name).read_bytes(), name)
                self.assertEqual((root / "style.css").read_bytes(), (HELP / "style.css").read_bytes())


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
