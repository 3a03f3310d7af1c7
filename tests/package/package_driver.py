"""What the package scenarios of more than one module share: where the release lies, and running
one scenario so that scripts/count-tests.py can count its cases."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "e2e"))
from tavelin_driver import required_env  # noqa: E402


class ReleaseFiles:
    def __init__(self):
        self.folder = pathlib.Path(required_env("TAVELIN_RELEASE"))
        self.version = required_env("TAVELIN_VERSION")
        self.zip = self.folder / f"Tavelin-{self.version}-win64.zip"
        self.setup = self.folder / f"Tavelin-{self.version}-setup.exe"


class CountingResult(unittest.TextTestResult):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, **kwargs)
        self.passed = 0

    def addSuccess(self, test):
        super().addSuccess(test)
        self.passed += 1


def run_scenario(module, scenario, report):
    """Runs one scenario and leaves a report in the form scripts/count-tests.py reads: every case
    that did not pass counts as failed, also when a class set-up failed before it ran."""
    suite = unittest.defaultTestLoader.loadTestsFromName(scenario, module)
    result = unittest.TextTestRunner(verbosity=2, resultclass=CountingResult).run(suite)
    cases = suite.countTestCases()
    report.parent.mkdir(parents=True, exist_ok=True)
    report.write_text(f'<testsuites tests="{cases}" failures="{cases - result.passed}" errors="0" '
                      'disabled="0"/>\n')
    return 0 if result.wasSuccessful() and result.passed == cases else 1
