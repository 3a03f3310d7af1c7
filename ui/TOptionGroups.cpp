#include "ui/TOptionGroups.h"

#include "core/LocaleWeek.h"
#include "core/TextIds.h"

#include <algorithm>

TOptionGroups::TOptionGroups(TWindow& ownerWindow, const TTexts& languageTexts)
    : owner(ownerWindow),
      texts(languageTexts),
      eyePausesBox(owner, texts.Text(IDS_EYE_PAUSES_LABEL)),
      eyeIntervalLabel(owner, texts.Text(IDS_EYE_INTERVAL_LABEL)),
      eyeIntervalPicker(owner, L"HH:mm:ss"),
      eyeLengthLabel(owner, texts.Text(IDS_EYE_LENGTH_LABEL)),
      eyeLengthPicker(owner, L"HH:mm:ss"),
      hoursBox(owner, texts.Text(IDS_WORKING_HOURS_LABEL)),
      fromLabel(owner, texts.Text(IDS_WORKING_FROM_LABEL)),
      fromPicker(owner, L"HH:mm"),
      toLabel(owner, texts.Text(IDS_WORKING_TO_LABEL)),
      toPicker(owner, L"HH:mm"),
      dayOf{},
      problem(TOptionProblem::none) {
    eyeIntervalPicker.SetAccessibleName(eyeIntervalLabel.GetText());
    eyeLengthPicker.SetAccessibleName(eyeLengthLabel.GetText());
    fromPicker.SetAccessibleName(fromLabel.GetText());
    toPicker.SetAccessibleName(toLabel.GetText());
    const std::array<std::wstring, 7> names = LocaleDayNames();
    const int first = LocaleFirstWeekday();
    for (std::size_t place = 0; place < dayBoxes.size(); ++place) {
        dayOf[place] = (first + static_cast<int>(place)) % 7;
        dayBoxes[place] = std::make_unique<TControlCheckBox>(owner, names[static_cast<std::size_t>(dayOf[place])]);
    }
    eyePausesBox.SetOnClick([this] { EnableByBoxes(); });
    hoursBox.SetOnClick([this] { EnableByBoxes(); });
    SetOptions(TSettingsOptions{});
}

std::int32_t TOptionGroups::LabelWidth() const {
    std::int32_t widest = 0;
    for (const TControlText* label : {&eyeIntervalLabel, &eyeLengthLabel, &fromLabel, &toLabel}) {
        widest = std::max(widest, label->GetNaturalSize().width);
    }
    return widest;
}

TSize TOptionGroups::Layout(std::int32_t top, std::int32_t left, std::int32_t pickerLeft) {
    const std::int32_t gap = owner.Scale(5);
    std::int32_t y = top;
    std::int32_t right = 0;
    const auto place = [&](TWindow::TControl* said, std::int32_t rowRight, std::int32_t rowTop) {
        if (problemText && said != nullptr) {
            const TSize size = problemText->GetNaturalSize();
            problemText->Move(TPoint(rowRight + gap, rowTop), size);
            rowRight += gap + size.width;
        }
        right = std::max(right, rowRight);
    };
    const auto box = [&](TControlCheckBox& checkBox) {
        const TSize size = checkBox.GetNaturalSize();
        checkBox.Move(TPoint(left, y), size);
        place(nullptr, left + size.width, y);
        y += size.height + gap;
    };
    const auto row = [&](TControlText& label, TControlTimePicker& picker, TOptionProblem saysHere) {
        const TSize labelSize = label.GetNaturalSize();
        const TSize pickerSize = picker.GetNaturalSize();
        label.Move(TPoint(left, y), labelSize);
        picker.Move(TPoint(pickerLeft, y), pickerSize);
        place(problem == saysHere ? &picker : nullptr, pickerLeft + pickerSize.width, y);
        y += std::max(labelSize.height, pickerSize.height) + gap;
    };
    box(eyePausesBox);
    row(eyeIntervalLabel, eyeIntervalPicker, TOptionProblem::none);
    row(eyeLengthLabel, eyeLengthPicker, TOptionProblem::eyePauseNotShorter);
    box(hoursBox);
    row(fromLabel, fromPicker, TOptionProblem::none);
    row(toLabel, toPicker, TOptionProblem::sameWorkingHours);
    std::int32_t x = pickerLeft;
    std::int32_t dayHeight = 0;
    for (const auto& day : dayBoxes) {
        const TSize size = day->GetNaturalSize();
        day->Move(TPoint(x, y), size);
        x += size.width + gap;
        dayHeight = std::max(dayHeight, size.height);
    }
    place(problem == TOptionProblem::noWorkingDay ? dayBoxes.back().get() : nullptr, x - gap, y);
    y += dayHeight;
    return TSize(right, y);
}

void TOptionGroups::SetOptions(const TSettingsOptions& options) {
    eyePausesBox.SetChecked(options.eyePauses);
    eyeIntervalPicker.SetValue(options.eyePauseInterval);
    eyeLengthPicker.SetValue(options.eyePauseLength);
    hoursBox.SetChecked(options.workingHours);
    fromPicker.SetValue(options.workingHoursFrom);
    toPicker.SetValue(options.workingHoursTo);
    for (std::size_t place = 0; place < dayBoxes.size(); ++place) {
        dayBoxes[place]->SetChecked((options.workingDays & (1u << dayOf[place])) != 0);
    }
    EnableByBoxes();
}

void TOptionGroups::GetOptions(TSettingsOptions& options) const {
    options.eyePauses = eyePausesBox.IsChecked();
    options.eyePauseInterval = eyeIntervalPicker.GetValue();
    options.eyePauseLength = eyeLengthPicker.GetValue();
    options.workingHours = hoursBox.IsChecked();
    options.workingHoursFrom = fromPicker.GetValue();
    options.workingHoursTo = toPicker.GetValue();
    options.workingDays = 0;
    for (std::size_t place = 0; place < dayBoxes.size(); ++place) {
        if (dayBoxes[place]->IsChecked()) {
            options.workingDays = static_cast<std::uint8_t>(options.workingDays | (1u << dayOf[place]));
        }
    }
}

bool TOptionGroups::Check(const TSettingsOptions& options) {
    problem = CheckOptions(options);
    problemText.reset();
    if (problem == TOptionProblem::none) {
        return true;
    }
    const int id = problem == TOptionProblem::eyePauseNotShorter ? IDS_CHECK_EYE_SHORTER
                   : problem == TOptionProblem::sameWorkingHours ? IDS_CHECK_HOURS_DIFFER
                                                                 : IDS_CHECK_ONE_DAY;
    problemText = std::make_unique<TControlText>(owner, texts.Text(id));
    SetFocus(problem == TOptionProblem::eyePauseNotShorter ? eyeLengthPicker.GetHandle()
             : problem == TOptionProblem::sameWorkingHours ? toPicker.GetHandle()
                                                           : dayBoxes.front()->GetHandle());
    return false;
}

const TControlText* TOptionGroups::GetProblemText() const {
    return problemText.get();
}

void TOptionGroups::EnableByBoxes() {
    const BOOL eyes = eyePausesBox.IsChecked() ? TRUE : FALSE;
    const BOOL hours = hoursBox.IsChecked() ? TRUE : FALSE;
    EnableWindow(eyeIntervalPicker.GetHandle(), eyes);
    EnableWindow(eyeLengthPicker.GetHandle(), eyes);
    EnableWindow(fromPicker.GetHandle(), hours);
    EnableWindow(toPicker.GetHandle(), hours);
    for (const auto& day : dayBoxes) {
        EnableWindow(day->GetHandle(), hours);
    }
}
