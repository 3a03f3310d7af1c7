#include "toolkit/TControlTimePicker.h"

#include "core/TimeText.h"
#include "core/TimeTextReading.h"
#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

#include <commctrl.h>

struct TControlTimePicker::TState {
    HWND child = nullptr;
    std::wstring accessibleName;
};

TControlTimePicker::TControlTimePicker(TWindow& ownerWindow, const std::wstring& format)
    : TControl(ownerWindow), state(std::make_unique<TState>()) {
    state->child =
        CreateWindowExW(0, L"SysDateTimePick32", L"Time", WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_TIMEFORMAT, 0, 0, 10,
                        10, owner->GetHandle(), nullptr, nullptr, nullptr);
    SendMessageW(state->child, WM_SETFONT, reinterpret_cast<WPARAM>(owner->GetFont()), FALSE);
    if (!format.empty()) {
        SendMessageW(state->child, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
    }
}

// The child window goes with the control, so a picker removed from a living window leaves nothing behind.
TControlTimePicker::~TControlTimePicker() {
    DestroyWindow(state->child);
}

void TControlTimePicker::SetValue(const std::string& duration) {
    // A text that is not a time of day (settings file edited by hand) leaves the picker as it was.
    const auto fields = ReadTimeOfDay(duration);
    if (!fields) {
        return;
    }
    SYSTEMTIME time{};
    time.wYear = 2000;
    time.wMonth = 10;
    time.wDay = 10;
    time.wHour = static_cast<WORD>(fields->hours);
    time.wMinute = static_cast<WORD>(fields->minutes);
    time.wSecond = static_cast<WORD>(fields->seconds);
    SendMessageW(state->child, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

std::string TControlTimePicker::GetValue() const {
    SYSTEMTIME time{};
    SendMessageW(state->child, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return FormatDuration(time.wHour * 3600 + time.wMinute * 60 + time.wSecond);
}

TSize TControlTimePicker::GetNaturalSize() const {
    const TWindowDC dc(state->child);
    // A window's device context starts with the system font, not the one the window was given.
    const TSelectedFont font(dc.GetHandle(), OwnerFont());
    const TSize text = MeasureTextLines(dc.GetHandle(), L"22:22:22 AMq");
    return TSize(text.width * 5 / 4, text.height * 3 / 2);
}

void TControlTimePicker::Move(TPoint position, TSize size) {
    MoveWindow(state->child, position.x, position.y, size.width, size.height, TRUE);
}

void TControlTimePicker::SetFocus() {
    ::SetFocus(state->child);
}

HWND TControlTimePicker::GetHandle() const {
    return state->child;
}

void TControlTimePicker::SetAccessibleName(const std::wstring& name) {
    state->accessibleName = name;
}

bool TControlTimePicker::GetAccessibleItem(TAccessibleItem& item) const {
    if (state->accessibleName.empty() || owner == nullptr) {
        return false;
    }
    RECT rect{};
    GetWindowRect(state->child, &rect);
    MapWindowPoints(nullptr, owner->GetHandle(), reinterpret_cast<POINT*>(&rect), 2);
    item.name = state->accessibleName;
    item.child = state->child;
    item.position = TPoint(rect.left, rect.top);
    item.size = TSize(rect.right - rect.left, rect.bottom - rect.top);
    return true;
}
