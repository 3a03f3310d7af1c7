#pragma once

#include "core/TAnnouncementPace.h"
#include "core/TIdeaTurn.h"
#include "core/TTexts.h"

#include "toolkit/TCallback.h"
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

// The window of a running eye pause: a heading, an idea for the eyes and the time left. It has no
// button, as it ends by itself: the schedule hides it once its time is up. Esc and the close box
// only hide it, and the schedule brings it back while time is left. Created once and reused.
class TEyePauseWindow : public TWindow {
public:
    TEyePauseWindow(TWindowList& dialogWindows, const TTexts& languageTexts);

    // Shows the remaining duration text. Brings the window to the front, and so takes the focus,
    // only when it was hidden; centred on the monitor under the pointer then. Each eye pause that
    // begins after the last one ended has the next idea. Held above other windows until it hides.
    void ShowTimeLeft(const std::string& remaining);

    // Run by the schedule at the eye pause's end.
    void Hide();

    // One centred column; margins and gaps follow the window's DPI.
    void Layout();
    TSize GetRequiredSize() const;
    const TControlText* GetTimeLeftText() const;
    const TControlText* GetIdeaText() const;

private:
    void Dismiss();
    void FitToLayout();
    // Makes the idea's text anew, wrapped at the window's DPI.
    void WrapIdea();

    TTexts texts;
    TControlText title;
    TControlCancelHandler cancelHandler;
    TControlKeepInFront keepInFront;
    TSize requiredSize;
    RECT workArea;
    TIdeaTurn ideas;
    std::wstring idea;
    std::int32_t ideaDpi;
    // Whether the last eye pause ended (rather than being hidden by Esc or the close box).
    bool ended;

public:
    // Called after Esc or the close box has hidden the window.
    TCallback OnDismissed;
    bool IsShown;
    TWorkAreaQuery PointerWorkArea;

private:
    std::unique_ptr<TControlText> ideaText;
    std::unique_ptr<TControlText> timeLeftText;
    TAnnouncementPace announcementPace;
};
