"""Checks the README and the pages in docs/: every link points at a file or a heading that exists,
every source path they quote exists, the first two commands of "Build and test" are the ones the
run script and .ci/run use, and the download address is the one in packaging/release-url.txt."""
import pathlib
import re
import sys
import unittest
from urllib.parse import unquote

ROOT = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 1 else pathlib.Path.cwd()
# Folders whose quoted paths must exist; build/ and the like are made by the commands.
SOURCE_FOLDERS = ("app", "bench", "cmake", "core", "docs", "help", "packaging", "resources", "scripts",
                  "tests", "toolkit", "ui", ".ci")
LINK = re.compile(r"!?\[(?:[^\]]|\n)*?\]\(([^)\s]+)\)")
AUTOLINK = re.compile(r"<(https?://[^>\s]+)>")
CODE_SPAN = re.compile(r"`([^`\n]+)`")


def pages():
    return [ROOT / "README.md"] + sorted((ROOT / "docs").glob("*.md"))


def split(text):
    """(the text with its code blocks blanked, the code blocks' lines): code is fenced, or indented
    by four spaces after a blank line, and holds no links."""
    prose, code, fenced, indented, previous = [], [], False, False, ""
    for line in text.split("\n"):
        if line.startswith("```"):
            fenced = not fenced
            prose.append("")
        elif fenced or line.startswith("    ") and (indented or previous.strip() == ""):
            indented = not fenced
            code.append(line.strip())
            prose.append("")
        else:
            indented = indented and line.strip() == ""
            prose.append(line)
        previous = line
    return "\n".join(prose), code


def prose(text):
    return split(text)[0]


def slug(heading):
    """The anchor a Markdown renderer gives a heading, as GitHub makes it."""
    text = re.sub(r"`|\*|_", "", heading.strip().lower())
    text = re.sub(r"[^\w\- ]", "", text)
    return text.replace(" ", "-")


def anchors(path):
    found, seen = set(), {}
    for line in prose(path.read_text(encoding="utf-8")).split("\n"):
        match = re.match(r"#{1,6}\s+(.*?)\s*#*\s*$", line)
        if match:
            base = slug(match[1])
            count = seen.get(base, 0)
            seen[base] = count + 1
            found.add(base if count == 0 else f"{base}-{count}")
    return found


def section(text, heading):
    match = re.search(rf"^## {re.escape(heading)}\n(.*?)(?=^## |\Z)", text, re.M | re.S)
    return match[1] if match else ""


class Links(unittest.TestCase):
    def test_every_link_points_at_a_file_or_heading_that_exists(self):
        for page in pages():
            for target in LINK.findall(prose(page.read_text(encoding="utf-8"))):
                if re.match(r"[a-z]+:", target):
                    continue
                with self.subTest(page=page.name, link=target):
                    path, _, anchor = unquote(target).partition("#")
                    file = (page.parent / path).resolve() if path else page
                    self.assertTrue(file.exists(), f"{file} does not exist")
                    self.assertTrue(file.is_relative_to(ROOT), "outside the repository")
                    if anchor:
                        self.assertEqual(file.suffix, ".md", "a heading link into a file without headings")
                        self.assertIn(anchor, anchors(file), f"no heading #{anchor} in {file.name}")

    def test_every_quoted_source_path_exists(self):
        for page in pages():
            for quoted in CODE_SPAN.findall(prose(page.read_text(encoding="utf-8"))):
                path = quoted.split(" ")[0].rstrip(",.;:")
                if path.split("/")[0] not in SOURCE_FOLDERS or "/" not in path or re.search(r"[<>*${}|]", path):
                    continue
                with self.subTest(page=page.name, path=path):
                    self.assertTrue((ROOT / path).exists(), f"{path} does not exist")


class Readme(unittest.TestCase):
    def setUp(self):
        self.text = (ROOT / "README.md").read_text(encoding="utf-8")

    def test_the_first_two_commands_are_those_of_the_run_script_and_ci(self):
        usage = re.search(r"usage: (.*?) \[", (ROOT / "scripts/run.sh").read_text(encoding="utf-8"))
        self.assertIsNotNone(usage, "scripts/run.sh prints no usage line")
        ci = [line.strip() for line in (ROOT / ".ci/run").read_text(encoding="utf-8").split("\n")
              if line.strip() and not line.startswith("#")]
        self.assertEqual(len(ci), 1, ".ci/run is one command")
        ci_command = re.sub(r"^exec\s+", "", ci[0])
        commands = split(section(self.text, "Build and test"))[1]
        self.assertEqual(commands[:2], [usage[1], ci_command])

    def test_the_download_address_is_the_one_in_packaging(self):
        address = (ROOT / "packaging/release-url.txt").read_text(encoding="utf-8").strip()
        self.assertRegex(address, r"^https://\S+$")
        install = section(self.text, "Install")
        self.assertIn(f"<{address}>", install)
        self.assertIn("(packaging/release-url.txt)", install)

    def test_the_docs_are_all_linked_from_the_readme(self):
        linked = {(ROOT / target.partition("#")[0]).resolve() for target in LINK.findall(prose(self.text))}
        for page in pages()[1:]:
            with self.subTest(page=page.name):
                self.assertIn(page.resolve(), linked)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
