"""The windows' layout at a DPI: Wine's DPI set for the next start, and the children of a window
checked against the room and the margins the program gives them there."""


def scaled(length, dpi):
    """A length at 96 DPI as the program scales it to the DPI."""
    return (length * dpi + 48) // 96


def size(rect):
    left, top, right, bottom = rect
    return right - left, bottom - top


def label_rect(child, dpi):
    """Where a button's label is drawn: inside its frame, or for a check box right of its box (13
    pixels at 96 DPI), which would be read as a letter."""
    left, top, right, bottom = child["rect"]
    if child.get("checkbox"):
        return left + scaled(17, dpi), top + 1, right, bottom - 1
    return left + 3, top + 3, right - 3, bottom - 3


def set_dpi(environment, probe, dpi):
    """Wine reads the DPI when its server starts, so the server is restarted around the change."""
    key = r"HKCU\Control Panel\Desktop"
    probe.stop()
    environment.change_registry(["reg", "add", key, "/v", "LogPixels", "/t", "REG_DWORD", "/d", str(dpi), "/f"],
                                key, "LogPixels", hex(dpi))


def assert_children_fit(case, window, dpi):
    """Children inside the client area with the scaled margin around them and large enough for
    their text in the dialog font at the DPI, none over another."""
    case.assertEqual(window["dpi"], dpi)
    gap = scaled(5, dpi)
    left, top, right, bottom = window["client"]
    for child in window["children"]:
        what = f"{child['class']} {child['text']!r} at {dpi} DPI in {window['client']}"
        c_left, c_top, c_right, c_bottom = child["rect"]
        case.assertGreaterEqual(c_left, left + gap, what)
        case.assertGreaterEqual(c_top, top + gap, what)
        case.assertLessEqual(c_right, right - gap, what)
        case.assertLessEqual(c_bottom, bottom - gap, what)
        width, height = size(child["rect"])
        text_width, text_height = child["textExtent"]
        case.assertLess(text_width, width, what)
        case.assertLess(text_height, height, what)
    rects = [child["rect"] for child in window["children"]]
    for number, (a_left, a_top, a_right, a_bottom) in enumerate(rects):
        for b_left, b_top, b_right, b_bottom in rects[number + 1:]:
            overlap = a_left < b_right and b_left < a_right and a_top < b_bottom and b_top < a_bottom
            case.assertFalse(overlap, f"{rects[number]} and {(b_left, b_top, b_right, b_bottom)} at {dpi} DPI")
