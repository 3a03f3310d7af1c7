#include "ui/TConfigurationWindow.h"

#include "ui/CentreOnWorkArea.h"
#include "ui/OpenHelp.h"
#include "ui/ResizeClientArea.h"

#include "core/TextIds.h"

#include <algorithm>

TConfigurationWindow::TConfigurationWindow(TWindowList& dialogWindows, const TTexts& texts,
                                           const std::wstring& helpFilePath)
    : TWindow(texts.Text(IDS_CONFIGURATION_CAPTION), false, &dialogWindows),
      intervalLabel(*this, texts.Text(IDS_INTERVAL_LABEL)),
      pauseLengthLabel(*this, texts.Text(IDS_PAUSE_LENGTH_LABEL)),
      intervalPicker(*this, L"HH:mm:ss"),
      pauseLengthPicker(*this, L"HH:mm:ss"),
      dimScreensBox(*this, texts.Text(IDS_DIM_SCREENS_LABEL)),
      endSoundBox(*this, texts.Text(IDS_END_SOUND_LABEL)),
      groups(*this, texts),
      okButton(*this, texts.Text(IDS_OK_BUTTON), true),
      cancelButton(*this, texts.Text(IDS_CANCEL_BUTTON), false),
      helpButton(*this, texts.Text(IDS_HELP_BUTTON), false),
      cancelHandler(*this),
      requiredSize(0, 0),
      helpFile(&helpFilePath),
      languageTag(texts.Tag()),
      placed(false) {
    // The labels are painted, so the system cannot name the pickers after them.
    intervalPicker.SetAccessibleName(intervalLabel.GetText());
    pauseLengthPicker.SetAccessibleName(pauseLengthLabel.GetText());
    SetOnResize([this] { Layout(); });
    SetOnDpiChanged([this] { FitToLayout(); });
    SetOnClose([this] { Hide(); });
    okButton.SetOnClick([this] { Accept(); });
    cancelButton.SetOnClick([this] { Hide(); });
    helpButton.SetOnClick([this] { OpenHelp(*helpFile, languageTag); });
    cancelHandler.SetOnCancel([this] { Hide(); });
}

void TConfigurationWindow::Open() {
    FitToLayout();
    if (!placed) {
        const HMONITOR monitor = MonitorUnderCursor();
        CentreOnWorkArea(*this, monitor);
        // Arriving on a monitor of another DPI resizes the window, so it is centred again at its new size.
        CentreOnWorkArea(*this, monitor);
        placed = true;
    }
    Show(true);
    intervalPicker.SetFocus();
}

void TConfigurationWindow::FitToLayout() {
    Layout();
    ResizeClientArea(*this, requiredSize);
    Layout();
}

void TConfigurationWindow::Layout() {
    // Margins and gaps are 5 pixels at 96 DPI.
    const std::int32_t gap = Scale(5);
    const TSize intervalLabelSize = intervalLabel.GetNaturalSize();
    const TSize pauseLengthLabelSize = pauseLengthLabel.GetNaturalSize();
    const std::int32_t labelWidth =
        std::max({intervalLabelSize.width, pauseLengthLabelSize.width, groups.LabelWidth()});
    const std::int32_t pickerLeft = gap + labelWidth + gap;

    const TSize intervalPickerSize = intervalPicker.GetNaturalSize();
    intervalLabel.Move(TPoint(gap, gap), intervalLabelSize);
    intervalPicker.Move(TPoint(pickerLeft, gap), intervalPickerSize);
    const std::int32_t row1Height = std::max(std::max(intervalLabelSize.height, 0), intervalPickerSize.height);
    const std::int32_t row1Right = pickerLeft + intervalPickerSize.width + gap;

    const std::int32_t row2Top = gap + row1Height + gap;
    const TSize pauseLengthPickerSize = pauseLengthPicker.GetNaturalSize();
    pauseLengthLabel.Move(TPoint(gap, row2Top), pauseLengthLabelSize);
    pauseLengthPicker.Move(TPoint(pickerLeft, row2Top), pauseLengthPickerSize);
    const std::int32_t row2Height = std::max(std::max(pauseLengthLabelSize.height, 0), pauseLengthPickerSize.height);
    const std::int32_t row2Right = pickerLeft + pauseLengthPickerSize.width + gap;

    const std::int32_t dimScreensTop = row2Top + row2Height + gap;
    const TSize dimScreensSize = dimScreensBox.GetNaturalSize();
    dimScreensBox.Move(TPoint(gap, dimScreensTop), dimScreensSize);
    const std::int32_t endSoundTop = dimScreensTop + dimScreensSize.height + gap;
    const TSize endSoundSize = endSoundBox.GetNaturalSize();
    endSoundBox.Move(TPoint(gap, endSoundTop), endSoundSize);
    const std::int32_t boxesRight = gap + std::max(dimScreensSize.width, endSoundSize.width) + gap;

    const TSize groupsEdge = groups.Layout(endSoundTop + endSoundSize.height + gap, gap, pickerLeft);

    const std::int32_t buttonTop = groupsEdge.height + gap;
    const TSize okSize = okButton.GetNaturalSize();
    const TSize cancelSize = cancelButton.GetNaturalSize();
    const TSize helpSize = helpButton.GetNaturalSize();
    okButton.Move(TPoint(gap, buttonTop), okSize);
    cancelButton.Move(TPoint(gap + okSize.width + gap, buttonTop), cancelSize);
    helpButton.Move(TPoint(GetClientSize().width - helpSize.width - gap, buttonTop), helpSize);
    const std::int32_t buttonRowHeight = std::max(std::max(okSize.height, 0), cancelSize.height);

    const std::int32_t width = std::max({std::max(row1Right, 0), row2Right, boxesRight, groupsEdge.width + gap, okSize.width + cancelSize.width + 3 * gap,
                                         okSize.width + cancelSize.width + helpSize.width + 4 * gap});
    requiredSize = TSize(width, buttonTop + buttonRowHeight + gap);
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

void TConfigurationWindow::SetOptions(const TSettingsOptions& options) {
    dimScreensBox.SetChecked(options.dimScreens);
    endSoundBox.SetChecked(options.endSound);
    groups.SetOptions(options);
}

const TControlText* TConfigurationWindow::GetProblemText() const {
    return groups.GetProblemText();
}

TSettingsOptions TConfigurationWindow::GetOptions() const {
    TSettingsOptions options;
    options.dimScreens = dimScreensBox.IsChecked();
    options.endSound = endSoundBox.IsChecked();
    groups.GetOptions(options);
    return options;
}

void TConfigurationWindow::Accept() {
    const TSettingsOptions options = GetOptions();
    const bool accepted = groups.Check(options);
    FitToLayout();
    if (!accepted) {
        return;
    }
    if (OnSettingsChanged) {
        const std::string pauseLength = pauseLengthPicker.GetValue();
        const std::string interval = intervalPicker.GetValue();
        OnSettingsChanged(interval, pauseLength, options);
    }
    Hide();
}
