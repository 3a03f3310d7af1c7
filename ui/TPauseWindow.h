#pragma once

#include "core/TAnnouncementPace.h"
#include "core/TTexts.h"

#include "toolkit/TCallback.h"
#include "toolkit/TControlButton.h"
#include "toolkit/TControlCancelHandler.h"
#include "toolkit/TControlKeepInFront.h"
#include "toolkit/TControlText.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"
#include "toolkit/TWindowList.h"

#include "ui/CentreOnWorkArea.h"

#include <cstdint>
#include <memory>
#include <string>

// The window of a running pause: a heading, an idea of what to do, the time left and a button that
// ends the pause once it is over. Created once and reused for every pause; the user can only hide it, never close it.
class TPauseWindow : public TWindow {
public:
    TPauseWindow(TWindowList& dialogWindows, const TTexts& languageTexts);

    // Shows the remaining duration text, or "enough" for the empty text, and enables the button only
    // then. Brings the window to the front only when it was hidden, so the countdown does not steal
    // the focus every second. Centres it on the monitor under the pointer when it was hidden, and
    // on that same monitor while it shows. From the first call until the dismissal the window stays
    // above every other window and is restored whenever it is minimized.
    void ShowTimeLeft(const std::string& remaining);

    // The idea shown under the heading from now on, wrapped to a sensible width; none for the empty text.
    void SetIdea(const std::wstring& idea);

    // Places the controls in one centred column and records the client size they need; margins and
    // gaps follow the window's DPI.
    void Layout();
    TSize GetRequiredSize() const;
    const TControlText* GetTimeLeftText() const;
    const TControlText* GetIdeaText() const;

private:
    void Dismiss();
    // Tells screen readers the heading and the time left, as the window's description and as the
    // line's new name.
    void Announce();
    // Lays out and resizes the window so that its client area fits the layout.
    void FitToLayout();
    // Makes the idea's text anew, wrapped at the window's DPI.
    void WrapIdea();

    TTexts texts;
    TControlText title;
    TControlButton button;
    TControlCancelHandler cancelHandler;
    TControlKeepInFront keepInFront;
    TSize requiredSize;
    RECT workArea;

public:
    // Called after a dismissal (button, Enter, Esc or close box) has hidden the window.
    TCallback OnDismissed;
    bool IsShown;
    // Where a pause that begins is shown: the work area of the monitor under the pointer.
    TWorkAreaQuery PointerWorkArea;

private:
    std::unique_ptr<TControlText> timeLeftText;
    std::wstring idea;
    std::unique_ptr<TControlText> ideaText;
    // The DPI the idea was wrapped at.
    std::int32_t ideaDpi;
    TAnnouncementPace announcementPace;
};

// Left edge that centres a control in the client width, but never closer than the margin to the edge.
std::int32_t CentredLeft(std::int32_t clientWidth, std::int32_t controlWidth, std::int32_t margin);
