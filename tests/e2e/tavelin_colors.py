"""The colour schemes of Windows' high-contrast themes, set in Wine's registry for the next start."""

import pathlib
import tempfile

COLORS_KEY = r"HKCU\Control Panel\Colors"
# The registry colours of each scheme, as Windows' high-contrast themes set them; gray is the face's
# and the text's 8-bit gray value.
SCHEMES = {
    "HighContrastBlack": {"face": "0 0 0", "text": "255 255 255", "gray": (0, 255)},
    "HighContrastWhite": {"face": "255 255 255", "text": "0 0 0", "gray": (255, 0)},
}


def set_scheme(case, face, text, window=None, window_text=None):
    """Wine reads the colours when its server starts, so the server is restarted around the change.
    The test case's presence keeper stops first: a probe it started meanwhile would keep the new
    server's first processes, and with them the output of the registry query, alive."""
    case.stop_presence()
    case.probe.stop()
    with tempfile.TemporaryDirectory() as folder:
        reg = pathlib.Path(folder) / "colors.reg"
        values = "".join(f'"{name}"="{value}"\r\n' for name, value in
                         (("ButtonFace", face), ("ButtonText", text), ("Window", window or face),
                          ("WindowText", window_text or text)))
        reg.write_text("REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Colors]\r\n" + values, newline="")
        case.environment.change_registry(["regedit", "/S", f"Z:{reg}"], COLORS_KEY, "ButtonFace", face)
