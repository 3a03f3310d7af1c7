#include "ui/TPauseWindow.h"

#include "ui/ResizeClientArea.h"

#include "core/TextIds.h"

#include "toolkit/WrapForWindow.h"

#include <algorithm>

namespace {

// The widest an idea's line may be, at 96 DPI: about fifty characters of the dialog font.
constexpr std::int32_t IdeaWidthAt96 = 300;

}  // namespace

std::int32_t CentredLeft(std::int32_t clientWidth, std::int32_t controlWidth, std::int32_t margin) {
    const std::int32_t x = clientWidth / 2 - controlWidth / 2;
    return x > margin ? x : margin;
}

TPauseWindow::TPauseWindow(TWindowList& dialogWindows, const TTexts& languageTexts)
    : TWindow(languageTexts.Text(IDS_PAUSE_CAPTION), false, &dialogWindows),
      texts(languageTexts),
      title(*this, texts.Text(IDS_PAUSE_TITLE)),
      button(*this, texts.Text(IDS_PAUSE_BUTTON), true),
      cancelHandler(*this),
      keepInFront(*this),
      requiredSize(0, 0),
      workArea{},
      IsShown(false),
      PointerWorkArea(WorkAreaUnderCursor),
      ideaDpi(0) {
    SetOnClose([this] { Dismiss(); });
    SetOnResize([this] { Layout(); });
    SetOnDpiChanged([this] { FitToLayout(); });
    button.SetOnClick([this] { Dismiss(); });
    cancelHandler.SetOnCancel([this] { Dismiss(); });
}

void TPauseWindow::ShowTimeLeft(const std::string& remaining) {
    const std::wstring line = remaining.empty() ? texts.Text(IDS_TIME_LEFT_ENOUGH)
                                                : texts.Format(IDS_TIME_LEFT, {std::wstring(remaining.begin(), remaining.end())});
    // A text control never changes its text, so the line is replaced, never edited.
    timeLeftText = std::make_unique<TControlText>(*this, line);

    if (remaining.empty()) {
        button.Enable();
    } else {
        button.Disable();
    }

    if (!IsShown) {
        workArea = PointerWorkArea();
    }
    FitToLayout();
    CentreOnWorkArea(*this, workArea);

    // Every second, so that a topmost window of another program that came over it goes under again.
    keepInFront.Hold();
    const bool showing = !IsShown;
    if (showing) {
        Show(true);
        IsShown = true;
    }
    // The idea is read after the heading, as it stands under it.
    SetAccessibleDescription(title.GetText() + L" " + (idea.empty() ? L"" : idea + L" ") + line);
    if (announcementPace.ShouldAnnounce(showing, remaining)) {
        Announce();
    }
}

void TPauseWindow::Announce() {
    NotifyAccessibleEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr);
    NotifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE, timeLeftText.get());
}

void TPauseWindow::SetIdea(const std::wstring& text) {
    idea = text;
    WrapIdea();
    FitToLayout();
}

void TPauseWindow::WrapIdea() {
    ideaDpi = GetDpi();
    if (idea.empty()) {
        ideaText.reset();
        return;
    }
    ideaText = std::make_unique<TControlText>(*this, WrapForWindow(*this, idea, Scale(IdeaWidthAt96)));
}

void TPauseWindow::FitToLayout() {
    if (ideaDpi != GetDpi()) {
        WrapIdea();
    }
    Layout();
    ResizeClientArea(*this, requiredSize);
    Layout();
}

void TPauseWindow::Layout() {
    // Margins and gaps are 5 pixels at 96 DPI.
    const std::int32_t gap = Scale(5);
    const TSize titleSize = title.GetNaturalSize();
    title.Move(TPoint(CentredLeft(GetClientSize().width, titleSize.width, gap), gap), titleSize);
    std::int32_t widest = std::max(titleSize.width, 0);
    std::int32_t y = gap + titleSize.height + gap;

    if (ideaText) {
        const TSize ideaSize = ideaText->GetNaturalSize();
        ideaText->Move(TPoint(CentredLeft(GetClientSize().width, ideaSize.width, gap), y), ideaSize);
        widest = std::max(widest, ideaSize.width);
        y += ideaSize.height + gap;
    }

    if (timeLeftText) {
        const TSize lineSize = timeLeftText->GetNaturalSize();
        timeLeftText->Move(TPoint(CentredLeft(GetClientSize().width, lineSize.width, gap), y), lineSize);
        widest = std::max(widest, lineSize.width);
        y += lineSize.height + gap;
    }

    const TSize buttonSize = button.GetNaturalSize();
    button.Move(TPoint(CentredLeft(GetClientSize().width, buttonSize.width, gap), y), buttonSize);
    widest = std::max(widest, buttonSize.width);

    requiredSize = TSize(gap + widest + gap, y + buttonSize.height + gap);
}

TSize TPauseWindow::GetRequiredSize() const {
    return requiredSize;
}

const TControlText* TPauseWindow::GetTimeLeftText() const {
    return timeLeftText.get();
}

const TControlText* TPauseWindow::GetIdeaText() const {
    return ideaText.get();
}

void TPauseWindow::Dismiss() {
    keepInFront.Release();
    Hide();
    IsShown = false;
    if (OnDismissed) {
        OnDismissed();
    }
}
