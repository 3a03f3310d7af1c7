#include "ui/TPauseWindow.h"

#include "ui/CentreOnWorkArea.h"
#include "ui/ResizeClientArea.h"

#include <algorithm>

std::int32_t CentredLeft(std::int32_t clientWidth, std::int32_t controlWidth) {
    const std::int32_t x = clientWidth / 2 - controlWidth / 2;
    return x > 5 ? x : 5;
}

TPauseWindow::TPauseWindow(TWindowList& dialogWindows)
    : TWindow(L"Pause", false, &dialogWindows),
      title(*this, L"Make a pause :)", GetBackgroundColor()),
      button(*this, L"Back to work", true),
      cancelHandler(*this),
      requiredSize(0, 0),
      IsShown(false) {
    SetOnClose([this] { Dismiss(); });
    SetOnResize([this] { Layout(); });
    button.SetOnClick([this] { Dismiss(); });
    cancelHandler.SetOnCancel([this] { Dismiss(); });
}

void TPauseWindow::ShowTimeLeft(const std::string& remaining) {
    std::wstring line = L"Time left: ";
    if (remaining.empty()) {
        line += L"enough";
    } else {
        for (const char c : remaining) {
            line += static_cast<wchar_t>(static_cast<unsigned char>(c));
        }
    }
    // A text control never changes its text, so the line is replaced, never edited.
    timeLeftText = std::make_unique<TControlText>(*this, line, GetBackgroundColor());

    if (remaining.empty()) {
        button.Enable();
    } else {
        button.Disable();
    }

    Layout();
    ResizeClientArea(*this, requiredSize);
    Layout();
    CentreOnWorkArea(*this);

    if (!IsShown) {
        Show(true);
        IsShown = true;
    }
}

void TPauseWindow::Layout() {
    const TSize titleSize = title.GetNaturalSize();
    title.Move(TPoint(CentredLeft(GetClientSize().width, titleSize.width), 5), titleSize);
    std::int32_t widest = std::max(titleSize.width, 0);
    std::int32_t y = titleSize.height + 10;

    if (timeLeftText) {
        const TSize lineSize = timeLeftText->GetNaturalSize();
        timeLeftText->Move(TPoint(CentredLeft(GetClientSize().width, lineSize.width), y), lineSize);
        widest = std::max(widest, lineSize.width);
        y += lineSize.height + 5;
    }

    const TSize buttonSize = button.GetNaturalSize();
    button.Move(TPoint(CentredLeft(GetClientSize().width, buttonSize.width), y), buttonSize);
    widest = std::max(widest, buttonSize.width);

    requiredSize = TSize(widest + 10, y + buttonSize.height + 5);
}

TSize TPauseWindow::GetRequiredSize() const {
    return requiredSize;
}

const TControlText* TPauseWindow::GetTimeLeftText() const {
    return timeLeftText.get();
}

void TPauseWindow::Dismiss() {
    Hide();
    IsShown = false;
    if (OnDismissed) {
        OnDismissed();
    }
}
