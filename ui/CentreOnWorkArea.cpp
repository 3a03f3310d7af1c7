#include "ui/CentreOnWorkArea.h"

void CentreOnWorkArea(TWindow& window) {
    CentreOnWorkArea(window, MonitorFromWindow(window.GetHandle(), MONITOR_DEFAULTTOPRIMARY));
}

void CentreOnWorkArea(TWindow& window, HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(monitor, &info);
    const RECT& work = info.rcWork;
    const TSize size = window.GetSize();
    window.Move(TPoint((work.left + work.right) / 2 - size.width / 2, (work.top + work.bottom) / 2 - size.height / 2),
                size);
}

HMONITOR MonitorUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
}
