#pragma once

#include "core/OptionChecks.h"
#include "core/TSettingsOptions.h"
#include "core/TTexts.h"

#include "toolkit/TControlCheckBox.h"
#include "toolkit/TControlText.h"
#include "toolkit/TControlTimePicker.h"
#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <array>
#include <cstdint>
#include <memory>

// The configuration window's groups for eye pauses and working hours: each a check box with the
// pickers it makes usable under it, and the working days as check boxes named and ordered as the
// user's locale names and orders the week. Made in the tab order, top to bottom; the pickers are
// named after their painted labels for screen readers.
class TOptionGroups {
public:
    TOptionGroups(TWindow& ownerWindow, const TTexts& texts);

    // The widest of the groups' picker labels.
    std::int32_t LabelWidth() const;
    // Places the groups from `top` down, the labels at `left` and the pickers at `pickerLeft`, a
    // problem said at OK beside its control; the result is the right edge and the bottom they take.
    TSize Layout(std::int32_t top, std::int32_t left, std::int32_t pickerLeft);

    void SetOptions(const TSettingsOptions& options);
    // The groups' values put into options; the other options are left as they are.
    void GetOptions(TSettingsOptions& options) const;
    // Says beside its control what OK refuses (see CheckOptions) and focuses that control, or
    // takes back what was said; true when nothing is refused.
    bool Check(const TSettingsOptions& options);
    // What Check said, null when it said nothing.
    const TControlText* GetProblemText() const;

private:
    // The pickers and days are usable only while their group's box is checked.
    void EnableByBoxes();

    TWindow& owner;
    TTexts texts;
    TControlCheckBox eyePausesBox;
    TControlText eyeIntervalLabel;
    TControlTimePicker eyeIntervalPicker;
    TControlText eyeLengthLabel;
    TControlTimePicker eyeLengthPicker;
    TControlCheckBox hoursBox;
    TControlText fromLabel;
    TControlTimePicker fromPicker;
    TControlText toLabel;
    TControlTimePicker toPicker;
    // In the locale's order; dayOf gives each box's weekday, 0 Monday to 6 Sunday.
    std::array<std::unique_ptr<TControlCheckBox>, 7> dayBoxes;
    std::array<int, 7> dayOf;
    TOptionProblem problem;
    std::unique_ptr<TControlText> problemText;
};
