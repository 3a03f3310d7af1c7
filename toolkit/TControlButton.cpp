#include "toolkit/TControlButton.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

struct TControlButton::TState {
    HWND child = nullptr;
    TCallback onClick;
    std::wstring label;
    bool isDefault = false;
};

TControlButton::TControlButton(TWindow& ownerWindow, const std::wstring& label, bool isDefault)
    : TControl(ownerWindow), state(std::make_unique<TState>()) {
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    state->child = CreateWindowExW(0, L"button", label.c_str(), style, 0, 0, 10, 10, owner->GetHandle(), nullptr,
                                   nullptr, nullptr);
    SendMessageW(state->child, WM_SETFONT, reinterpret_cast<WPARAM>(owner->GetFont()), FALSE);
    state->label = label;
    state->isDefault = isDefault;
}

TControlButton::~TControlButton() {
    DestroyWindow(state->child);
}

bool TControlButton::ProcessMessage(TWindow::TMessage& message) {
    if (message.message != WM_COMMAND) {
        return false;
    }
    // Without a child window of its own the button must not take commands that carry no window,
    // such as the cancel command.
    const bool clicked = state->child != nullptr && HIWORD(message.wParam) == BN_CLICKED &&
                         reinterpret_cast<HWND>(message.lParam) == state->child;
    const bool enter = state->isDefault && LOWORD(message.wParam) == IDOK;
    if (!clicked && !enter) {
        return false;
    }
    if (state->onClick) {
        // A copy, so the callback may replace itself.
        const TCallback call = state->onClick;
        call();
    }
    return true;
}

void TControlButton::SetOnClick(const TCallback& callback) {
    state->onClick = callback;
}

TSize TControlButton::GetNaturalSize() const {
    const TWindowDC dc(owner->GetHandle());
    const TSelectedFont font(dc.GetHandle(), OwnerFont());
    const TSize label = MeasureTextLines(dc.GetHandle(), state->label);
    const TSize margin = MeasureTextLines(dc.GetHandle(), L"qqqq");
    return TSize(label.width + margin.width, label.height * 3 / 2);
}

void TControlButton::Move(TPoint position, TSize size) {
    MoveWindow(state->child, position.x, position.y, size.width, size.height, TRUE);
}

void TControlButton::Enable() {
    EnableWindow(state->child, TRUE);
}

void TControlButton::Disable() {
    EnableWindow(state->child, FALSE);
}

HWND TControlButton::GetHandle() const {
    return state->child;
}
