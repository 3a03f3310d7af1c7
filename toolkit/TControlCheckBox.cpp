#include "toolkit/TControlCheckBox.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

#include <algorithm>

TControlCheckBox::TControlCheckBox(TWindow& ownerWindow, const std::wstring& label)
    : TControl(ownerWindow), child(nullptr), text(label) {
    child = CreateWindowExW(0, L"button", label.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0,
                            10, 10, owner->GetHandle(), nullptr, nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(owner->GetFont()), FALSE);
}

TControlCheckBox::~TControlCheckBox() {
    DestroyWindow(child);
}

bool TControlCheckBox::IsChecked() const {
    return SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TControlCheckBox::SetChecked(bool checked) {
    SendMessageW(child, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TControlCheckBox::SetOnClick(const TCallback& callback) {
    onClick = callback;
}

bool TControlCheckBox::ProcessMessage(TWindow::TMessage& message) {
    if (message.message != WM_COMMAND || HIWORD(message.wParam) != BN_CLICKED ||
        reinterpret_cast<HWND>(message.lParam) != child) {
        return false;
    }
    if (onClick) {
        const TCallback call = onClick;
        call();
    }
    return true;
}

TSize TControlCheckBox::GetNaturalSize() const {
    const TWindowDC dc(owner->GetHandle());
    const TSelectedFont font(dc.GetHandle(), OwnerFont());
    const TSize label = MeasureTextLines(dc.GetHandle(), text);
    // The box is 13 pixels at 96 DPI, the label 6 after it; 2 more leave room for the focus frame.
    const std::int32_t box = owner->Scale(13);
    return TSize(box + owner->Scale(6) + label.width + owner->Scale(2), std::max(label.height, box) + owner->Scale(4));
}

void TControlCheckBox::Move(TPoint position, TSize size) {
    MoveWindow(child, position.x, position.y, size.width, size.height, TRUE);
}

HWND TControlCheckBox::GetHandle() const {
    return child;
}
