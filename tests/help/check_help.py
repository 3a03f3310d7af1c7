"""Unpacks Help.chm and checks that it opens at its default topic and that the contents,
the index and every page link only to pages that are in the file."""
import html.parser
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest
from urllib.parse import unquote, urldefrag

# Set from the command line when run as the English help file's test; check_translations.py uses
# the parsing helpers alone.
CHM = SOURCES = EXTRACT_CHMLIB = None

VOID_ELEMENTS = {"area", "base", "br", "col", "hr", "img", "input", "link", "meta", "param", "wbr"}
# In the .hhc and .hhk sitemaps, <LI> and <OBJECT> items are not closed by convention.
SITEMAP_UNCLOSED = {"li"}


class PageParser(html.parser.HTMLParser):
    """Collects links, ids, the title and nesting errors of one page."""

    def __init__(self, unclosed=frozenset()):
        super().__init__(convert_charrefs=True)
        self.unclosed = unclosed
        self.open_tags = []
        self.errors = []
        self.links = []
        self.ids = set()
        self.title = ""
        self.tags = set()
        self.params = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.tags.add(tag)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        for name in ("href", "src"):
            if attrs.get(name):
                self.links.append(attrs[name])
        if tag == "param":
            self.params.append((attrs.get("name", ""), attrs.get("value", "")))
        if tag not in VOID_ELEMENTS and tag not in self.unclosed:
            self.open_tags.append(tag)

    def handle_endtag(self, tag):
        if tag in VOID_ELEMENTS or tag in self.unclosed:
            return
        if not self.open_tags or self.open_tags[-1] != tag:
            self.errors.append(f"</{tag}> at line {self.getpos()[0]} does not close <{self.open_tags[-1] if self.open_tags else ''}>")
            return
        self.open_tags.pop()

    def handle_data(self, data):
        if self.open_tags and self.open_tags[-1] == "title":
            self.title += data


def parse(path, unclosed=frozenset()):
    parser = PageParser(unclosed)
    parser.feed(path.read_text(encoding="utf-8"))
    parser.close()
    if parser.open_tags:
        parser.errors.append(f"unclosed at end: {parser.open_tags}")
    return parser


def system_entries(path):
    """Reads the #SYSTEM file of a CHM: a version, then records of code, length and data."""
    data = path.read_bytes()
    entries, offset = {}, 4
    while offset + 4 <= len(data):
        code, length = struct.unpack_from("<HH", data, offset)
        entries[code] = data[offset + 4:offset + 4 + length].split(b"\0")[0].decode("latin-1")
        offset += 4 + length
    return entries


class HelpFile(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        cls.root = pathlib.Path(cls.temp.name)
        result = subprocess.run([EXTRACT_CHMLIB, str(CHM), str(cls.root)], capture_output=True, text=True)
        if result.returncode != 0 or not (cls.root / "#SYSTEM").is_file():
            raise AssertionError(f"extract_chmLib could not unpack {CHM}:\n{result.stdout}{result.stderr}")
        cls.system = system_entries(cls.root / "#SYSTEM")

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def target(self, page, link):
        """The unpacked file and anchor that a relative link from page points to."""
        path, anchor = urldefrag(link)
        file = (page.parent / unquote(path)).resolve() if path else page.resolve()
        return file, anchor

    def assert_link_resolves(self, page, link):
        self.assertNotIn(":", link.split("#")[0], f"{page.name}: {link} leaves the help file")
        file, anchor = self.target(page, link)
        self.assertTrue(file.is_file(), f"{page.name}: {link} is not in the help file")
        if anchor:
            self.assertIn(anchor, parse(file).ids, f"{page.name}: {link} names no id in {file.name}")

    def test_header_names_title_default_topic_contents_and_index(self):
        self.assertEqual(self.system.get(3), "Tavelin Help")
        for code in (2, 0, 1):  # default topic, contents, index
            name = self.system.get(code, "")
            self.assertTrue(name and (self.root / name).is_file(), f"#SYSTEM entry {code} '{name}' is not in the file")

    def test_default_topic_introduces_the_program(self):
        topic = parse(self.root / self.system[2])
        self.assertEqual(topic.title, "Tavelin")

    def test_every_source_page_is_packed_unchanged(self):
        sources = [p for p in SOURCES.iterdir() if p.suffix in (".html", ".css", ".hhc", ".hhk")]
        self.assertTrue(sources)
        for source in sources:
            packed = self.root / source.name
            self.assertTrue(packed.is_file(), f"{source.name} is missing from the help file")
            self.assertEqual(packed.read_bytes(), source.read_bytes(), f"{source.name} is out of date")

    def test_contents_and_index_point_to_packed_pages(self):
        pages = {p.name for p in self.root.glob("*.html")}
        for name, code in (("contents", 0), ("index", 1)):
            with self.subTest(name):
                sitemap = self.root / self.system[code]
                parser = parse(sitemap, SITEMAP_UNCLOSED)
                self.assertEqual(parser.errors, [])
                locals_ = [value for key, value in parser.params if key == "Local"]
                names = [value for key, value in parser.params if key == "Name"]
                self.assertTrue(locals_)
                self.assertEqual(len(locals_), len(names), "every entry needs a name and a page")
                for link in locals_:
                    self.assert_link_resolves(sitemap, link)
                if code == 0:
                    self.assertEqual({urldefrag(link)[0] for link in locals_}, pages, "the contents must list every page")

    def test_pages_are_well_formed_styled_and_link_only_inside(self):
        for page in sorted(self.root.glob("*.html")):
            with self.subTest(page.name):
                parser = parse(page)
                self.assertEqual(parser.errors, [])
                self.assertTrue(parser.title.strip(), "no title")
                self.assertNotIn("script", parser.tags)
                self.assertIn("style.css", parser.links)
                for link in parser.links:
                    self.assert_link_resolves(page, link)


if __name__ == "__main__":
    CHM, SOURCES, EXTRACT_CHMLIB = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
    unittest.main(argv=sys.argv[:1], verbosity=2)
