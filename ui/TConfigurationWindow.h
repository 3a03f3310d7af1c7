#pragma once

#include "core/TSettingsOptions.h"
#include "core/TTexts.h"

#include "toolkit/TControlButton.h"
#include "toolkit/TControlCancelHandler.h"
#include "toolkit/TControlCheckBox.h"
#include "toolkit/TControlText.h"
#include "toolkit/TControlTimePicker.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"
#include "toolkit/TWindowList.h"

#include "ui/TOptionGroups.h"

#include <functional>
#include <string>

// Lets the user edit the interval between pauses, the pause length and the options. Created once,
// hidden; "OK" hands the values on, "Cancel", Esc and the close box only hide the window.
class TConfigurationWindow : public TWindow {
public:
    using TSettingsCallback =
        std::function<void(const std::string& interval, const std::string& pauseLength, const TSettingsOptions& options)>;

    // The help file path is not copied: it must outlive the window.
    TConfigurationWindow(TWindowList& dialogWindows, const TTexts& texts, const std::wstring& helpFilePath);

    // Sizes the window to its content, brings it to the front and focuses the interval picker. The
    // first time it is centred on the work area of the monitor under the mouse, later it opens where
    // it was left. The pickers and check boxes keep what they held when the window was last hidden.
    void Open();

    // Two rows of label and picker, a check box for each option under them, the groups for eye
    // pauses and working hours, then "OK" and "Cancel" on the left and "Help" on the right; every
    // picker of the window in one column; margins and gaps follow the window's DPI.
    void Layout();
    TSize GetRequiredSize() const;

    TControlTimePicker& GetIntervalPicker();
    TControlTimePicker& GetPauseLengthPicker();
    void SetOptions(const TSettingsOptions& options);
    // What OK refused beside its control, null while nothing is refused.
    const TControlText* GetProblemText() const;
    // The options as the check boxes and the groups show them.
    TSettingsOptions GetOptions() const;

private:
    void Accept();
    // Lays out and resizes the window so that its client area fits the layout.
    void FitToLayout();

    TControlText intervalLabel;
    TControlText pauseLengthLabel;
    TControlTimePicker intervalPicker;
    TControlTimePicker pauseLengthPicker;
    // After the pickers and before the buttons, as the tab order goes.
    TControlCheckBox dimScreensBox;
    TControlCheckBox endSoundBox;
    TOptionGroups groups;
    TControlButton okButton;
    TControlButton cancelButton;
    TControlButton helpButton;
    TControlCancelHandler cancelHandler;

public:
    TSettingsCallback OnSettingsChanged;

private:
    TSize requiredSize;
    const std::wstring* helpFile;
    std::wstring languageTag;
    bool placed;
};
