#include "ui/CentreOnWorkArea.h"

namespace {

RECT WorkAreaOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    return info.rcWork;
}

}  // namespace

void CentreOnWorkArea(TWindow& window, const RECT& work) {
    const TSize size = window.GetSize();
    window.Move(TPoint((work.left + work.right) / 2 - size.width / 2, (work.top + work.bottom) / 2 - size.height / 2),
                size);
}

void CentreOnWorkArea(TWindow& window, HMONITOR monitor) {
    CentreOnWorkArea(window, WorkAreaOf(monitor));
}

HMONITOR MonitorUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
}

RECT WorkAreaUnderCursor() {
    return WorkAreaOf(MonitorUnderCursor());
}
