#include "ui/CentreOnWorkArea.h"

#include <windows.h>

void CentreOnWorkArea(TWindow& window) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(window.GetHandle(), MONITOR_DEFAULTTOPRIMARY), &info);
    const RECT& work = info.rcWork;
    const TSize size = window.GetSize();
    window.Move(TPoint((work.left + work.right) / 2 - size.width / 2, (work.top + work.bottom) / 2 - size.height / 2),
                size);
}
