"""The program's string tables read from their sources (core/TextIds.h and resources/lang/<tag>.rc),
so that the end-to-end tests expect each language's own texts and find every language there is."""

import pathlib
import re

SOURCE = pathlib.Path(__file__).resolve().parents[2]
LANGUAGES = SOURCE / "resources" / "lang"


def _ids():
    text = (SOURCE / "core" / "TextIds.h").read_text(encoding="utf-8")
    return {name: int(number) for name, number in re.findall(r"^#define (IDS_\w+) (\d+)\s*$", text, re.MULTILINE)}


def _unescaped(quoted):
    return re.sub(r'\\(.)|""', lambda m: "\n" if m.group(1) == "n" else (m.group(1) or '"'), quoted)


class StringTable:
    """One language's texts by id name, and how the tests run it: the LANG that makes Wine report
    the language and tesseract's name for it, from the file's first line."""

    def __init__(self, tag):
        self.tag = tag
        source = (LANGUAGES / f"{tag}.rc").read_text(encoding="utf-8")
        found = re.search(r"Tested with LANG=(\S+) and OCR language (\w+)\.", source.splitlines()[0])
        if found is None:
            raise AssertionError(f"{tag}.rc does not say on its first line which LANG and OCR language test it")
        self.locale, self.ocr = found.groups()
        ids = _ids()
        self.texts = {name: _unescaped(text) for name, text in
                      re.findall(r'^\s*(IDS_\w+)\s+"(.*)"\s*$', source, re.MULTILINE) if name in ids}

    def __getitem__(self, name):
        return self.texts[name]

    def format(self, name, *values):
        """The text with its {0}, {1}, ... filled in, as the program fills them."""
        return re.sub(r"\{(\d)\}", lambda m: str(values[int(m.group(1))]), self[name])

    def forms(self, name):
        """The forms of a text that has one per count ("{0} second|{0} seconds")."""
        return self[name].split("|")


def pattern(text, *values):
    """A regular expression that matches the text, its {0}, {1}, ... replaced by the given expressions."""
    return "".join(values[int(part[1])] if re.fullmatch(r"\{\d\}", part) else re.escape(part)
                   for part in re.split(r"(\{\d\})", text))


def tags():
    return sorted(path.stem for path in LANGUAGES.glob("*.rc"))


# The texts every scenario but a language's own expects, as the program shows them in English.
EN = StringTable("en")
