#include "ui/TConfigurationWindow.h"

#include "ui/OpenHelp.h"
#include "ui/ResizeClientArea.h"

#include <algorithm>

TConfigurationWindow::TConfigurationWindow(TWindowList& dialogWindows, const std::wstring& helpFilePath)
    : TWindow(L"Configure rest pause", false, &dialogWindows),
      intervalLabel(*this, L"Interval between pauses", GetBackgroundColor()),
      pauseLengthLabel(*this, L"Pause length", GetBackgroundColor()),
      intervalPicker(*this, L"HH:mm:ss"),
      pauseLengthPicker(*this, L"HH:mm:ss"),
      okButton(*this, L"OK", true),
      cancelButton(*this, L"Cancel", false),
      helpButton(*this, L"Help", false),
      cancelHandler(*this),
      requiredSize(0, 0),
      helpFile(&helpFilePath) {
    SetOnResize([this] { Layout(); });
    SetOnClose([this] { Hide(); });
    okButton.SetOnClick([this] { Accept(); });
    cancelButton.SetOnClick([this] { Hide(); });
    helpButton.SetOnClick([this] { OpenHelp(*helpFile); });
    cancelHandler.SetOnCancel([this] { Hide(); });
}

void TConfigurationWindow::Open() {
    Layout();
    ResizeClientArea(*this, requiredSize);
    Layout();
    Show(true);
    intervalPicker.SetFocus();
}

void TConfigurationWindow::Layout() {
    const TSize intervalLabelSize = intervalLabel.GetNaturalSize();
    const TSize pauseLengthLabelSize = pauseLengthLabel.GetNaturalSize();
    const std::int32_t labelWidth = std::max(intervalLabelSize.width, pauseLengthLabelSize.width);
    const std::int32_t pickerLeft = labelWidth + 10;

    const TSize intervalPickerSize = intervalPicker.GetNaturalSize();
    intervalLabel.Move(TPoint(5, 5), intervalLabelSize);
    intervalPicker.Move(TPoint(pickerLeft, 5), intervalPickerSize);
    const std::int32_t row1Height = std::max(std::max(intervalLabelSize.height, 0), intervalPickerSize.height);
    const std::int32_t row1Right = pickerLeft + intervalPickerSize.width + 5;

    const std::int32_t row2Top = row1Height + 10;
    const TSize pauseLengthPickerSize = pauseLengthPicker.GetNaturalSize();
    pauseLengthLabel.Move(TPoint(5, row2Top), pauseLengthLabelSize);
    pauseLengthPicker.Move(TPoint(pickerLeft, row2Top), pauseLengthPickerSize);
    const std::int32_t row2Height = std::max(std::max(pauseLengthLabelSize.height, 0), pauseLengthPickerSize.height);
    const std::int32_t row2Right = pickerLeft + pauseLengthPickerSize.width + 5;

    const std::int32_t buttonTop = row2Top + row2Height + 5;
    const TSize okSize = okButton.GetNaturalSize();
    const TSize cancelSize = cancelButton.GetNaturalSize();
    const TSize helpSize = helpButton.GetNaturalSize();
    okButton.Move(TPoint(5, buttonTop), okSize);
    cancelButton.Move(TPoint(okSize.width + 10, buttonTop), cancelSize);
    helpButton.Move(TPoint(GetClientSize().width - helpSize.width - 5, buttonTop), helpSize);
    const std::int32_t buttonRowHeight = std::max(std::max(okSize.height, 0), cancelSize.height);

    const std::int32_t width = std::max({std::max(row1Right, 0), row2Right, okSize.width + cancelSize.width + 15,
                                         okSize.width + cancelSize.width + helpSize.width + 20});
    requiredSize = TSize(width, buttonTop + buttonRowHeight + 5);
}

TSize TConfigurationWindow::GetRequiredSize() const {
    return requiredSize;
}

TControlTimePicker& TConfigurationWindow::GetIntervalPicker() {
    return intervalPicker;
}

TControlTimePicker& TConfigurationWindow::GetPauseLengthPicker() {
    return pauseLengthPicker;
}

void TConfigurationWindow::Accept() {
    if (OnSettingsChanged) {
        const std::string pauseLength = pauseLengthPicker.GetValue();
        const std::string interval = intervalPicker.GetValue();
        OnSettingsChanged(interval, pauseLength);
    }
    Hide();
}
