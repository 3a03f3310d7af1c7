"""Prints "<passed> <failed>" for one ctest run: a test program that left a GoogleTest XML report
counts its cases, any other ctest entry counts once. A program that failed without a failing case
in its report (a crash, a timeout) counts one failure more."""

import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

log, results = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
passed = failed = 0
for match in re.finditer(r"Test +#\d+: (\S+) \.*\**(Passed|.*)", log.read_text(errors="replace")):
    name, outcome = match.group(1), match.group(2).strip()
    ok = outcome.startswith("Passed")
    report = results / f"{name}.xml"
    if report.exists():
        root = ElementTree.parse(report).getroot()
        cases = int(root.get("tests", 0)) - int(root.get("disabled", 0))
        bad = int(root.get("failures", 0)) + int(root.get("errors", 0))
        passed += cases - bad
        failed += bad + (0 if ok or bad else 1)
    elif ok:
        passed += 1
    else:
        failed += 1
print(passed, failed)
