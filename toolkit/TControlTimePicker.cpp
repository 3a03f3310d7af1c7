#include "toolkit/TControlTimePicker.h"

#include "toolkit/TWindowDC.h"
#include "toolkit/TextLines.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <sstream>

struct TControlTimePicker::TState {
    HWND child = nullptr;
};

namespace {

void AppendTwoDigits(std::string& text, WORD value) {
    if (value < 10) {
        text += '0';
    }
    text += std::to_string(value);
}

}  // namespace

TControlTimePicker::TControlTimePicker(TWindow& ownerWindow, const std::wstring& format)
    : TControl(ownerWindow), state(std::make_unique<TState>()) {
    state->child =
        CreateWindowExW(0, L"SysDateTimePick32", L"Time", WS_CHILD | WS_VISIBLE | WS_TABSTOP | DTS_TIMEFORMAT, 0, 0, 10,
                        10, owner->GetHandle(), nullptr, nullptr, nullptr);
    if (!format.empty()) {
        SendMessageW(state->child, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format.c_str()));
    }
}

// The child window goes with the control, so a picker removed from a living window leaves nothing behind.
TControlTimePicker::~TControlTimePicker() {
    DestroyWindow(state->child);
}

void TControlTimePicker::SetValue(const std::string& duration) {
    std::string fields = duration;
    std::replace(fields.begin(), fields.end(), ':', ' ');
    std::istringstream stream(fields);
    std::uint16_t hours = 0;
    std::uint16_t minutes = 0;
    std::uint16_t seconds = 0;
    stream >> hours >> minutes >> seconds;
    // A text that is not a time of day (settings file edited by hand) leaves the picker as it was.
    if (stream.fail() || hours > 23 || minutes > 59 || seconds > 59) {
        return;
    }
    SYSTEMTIME time{};
    time.wYear = 2000;
    time.wMonth = 10;
    time.wDay = 10;
    time.wHour = hours;
    time.wMinute = minutes;
    time.wSecond = seconds;
    SendMessageW(state->child, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

std::string TControlTimePicker::GetValue() const {
    SYSTEMTIME time{};
    SendMessageW(state->child, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    std::string text;
    AppendTwoDigits(text, time.wHour);
    text += ':';
    AppendTwoDigits(text, time.wMinute);
    text += ':';
    AppendTwoDigits(text, time.wSecond);
    return text;
}

TSize TControlTimePicker::GetNaturalSize() const {
    const TWindowDC dc(state->child);
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
