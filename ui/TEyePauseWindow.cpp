#include "ui/TEyePauseWindow.h"

#include "ui/ResizeClientArea.h"
#include "ui/TPauseWindow.h"

#include "core/TextIds.h"

#include "toolkit/WrapForWindow.h"

#include <algorithm>

namespace {

// As the pause window's ideas: about fifty characters of the dialog font at 96 DPI.
constexpr std::int32_t IdeaWidthAt96 = 300;
constexpr std::size_t IdeaCount = IDS_EYE_IDEA_6 - IDS_EYE_IDEA_1 + 1;

}  // namespace

TEyePauseWindow::TEyePauseWindow(TWindowList& dialogWindows, const TTexts& languageTexts)
    : TWindow(languageTexts.Text(IDS_EYE_PAUSE_CAPTION), false, &dialogWindows),
      texts(languageTexts),
      title(*this, texts.Text(IDS_EYE_PAUSE_TITLE)),
      cancelHandler(*this),
      keepInFront(*this),
      requiredSize(0, 0),
      workArea{},
      // The milliseconds since the system started are as good a place to start the ideas as any.
      ideas(IdeaCount, GetTickCount()),
      ideaDpi(0),
      ended(true),
      IsShown(false),
      PointerWorkArea(WorkAreaUnderCursor) {
    SetOnClose([this] { Dismiss(); });
    SetOnResize([this] { Layout(); });
    SetOnDpiChanged([this] { FitToLayout(); });
    cancelHandler.SetOnCancel([this] { Dismiss(); });
}

void TEyePauseWindow::ShowTimeLeft(const std::string& remaining) {
    const std::wstring line = texts.Format(IDS_TIME_LEFT, {std::wstring(remaining.begin(), remaining.end())});
    timeLeftText = std::make_unique<TControlText>(*this, line);
    const bool showing = !IsShown;
    if (showing && ended) {
        idea = texts.Text(IDS_EYE_IDEA_1 + static_cast<int>(ideas.Next()));
        ideaDpi = 0;
        ended = false;
    }
    if (showing) {
        workArea = PointerWorkArea();
    }
    FitToLayout();
    CentreOnWorkArea(*this, workArea);
    keepInFront.Hold();
    if (showing) {
        Show(true);
        IsShown = true;
    }
    SetAccessibleDescription(title.GetText() + L" " + idea + L" " + line);
    if (announcementPace.ShouldAnnounce(showing, remaining)) {
        NotifyAccessibleEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr);
        NotifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE, timeLeftText.get());
    }
}

void TEyePauseWindow::Hide() {
    keepInFront.Release();
    TWindow::Hide();
    IsShown = false;
    ended = true;
}

void TEyePauseWindow::Dismiss() {
    keepInFront.Release();
    TWindow::Hide();
    IsShown = false;
    if (OnDismissed) {
        OnDismissed();
    }
}

void TEyePauseWindow::WrapIdea() {
    ideaDpi = GetDpi();
    ideaText = std::make_unique<TControlText>(*this, WrapForWindow(*this, idea, Scale(IdeaWidthAt96)));
}

void TEyePauseWindow::FitToLayout() {
    if (ideaDpi != GetDpi()) {
        WrapIdea();
    }
    Layout();
    ResizeClientArea(*this, requiredSize);
    Layout();
}

void TEyePauseWindow::Layout() {
    // Margins and gaps are 5 pixels at 96 DPI, as in the pause window.
    const std::int32_t gap = Scale(5);
    const std::int32_t clientWidth = GetClientSize().width;
    std::int32_t widest = 0;
    std::int32_t y = gap;
    for (TControlText* text : {&title, ideaText.get(), timeLeftText.get()}) {
        if (text != nullptr) {
            const TSize size = text->GetNaturalSize();
            text->Move(TPoint(CentredLeft(clientWidth, size.width, gap), y), size);
            widest = std::max(widest, size.width);
            y += size.height + gap;
        }
    }
    requiredSize = TSize(gap + widest + gap, y);
}

TSize TEyePauseWindow::GetRequiredSize() const {
    return requiredSize;
}

const TControlText* TEyePauseWindow::GetTimeLeftText() const {
    return timeLeftText.get();
}

const TControlText* TEyePauseWindow::GetIdeaText() const {
    return ideaText.get();
}
