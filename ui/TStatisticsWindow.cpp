#include "ui/TStatisticsWindow.h"

#include "ui/CentreOnWorkArea.h"
#include "ui/FormatDate.h"
#include "ui/ReportSaveFailure.h"
#include "ui/ResizeClientArea.h"

#include "core/History.h"
#include "core/TextIds.h"
#include "core/TimeText.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <utility>

namespace {

// The bars' height at 96 DPI.
constexpr std::int32_t ChartHeight = 120;

std::wstring Number(std::int64_t value) {
    return std::to_wstring(value);
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

TStatisticsWindow::TStatisticsWindow(TWindowList& dialogWindows, const TTexts& languageTexts,
                                     const std::wstring& historyFolder, std::function<std::error_code()> writeError)
    : TWindow(languageTexts.Text(IDS_STATISTICS_CAPTION), false, &dialogWindows),
      texts(languageTexts),
      folder(&historyFolder),
      lastWriteError(std::move(writeError)),
      todayHeading(*this, texts.Text(IDS_STATISTICS_TODAY)),
      chartHeading(*this, texts.Text(IDS_STATISTICS_LAST_DAYS)),
      pausesSwatch(*this, ChartColors[0]),
      pausesLegend(*this, texts.Text(IDS_STATISTICS_LEGEND_PAUSES)),
      breaksSwatch(*this, ChartColors[1]),
      breaksLegend(*this, texts.Text(IDS_STATISTICS_LEGEND_BREAKS)),
      openButton(*this, texts.Text(IDS_STATISTICS_OPEN_FILE), false),
      forgetButton(*this, texts.Text(IDS_STATISTICS_FORGET), false),
      closeButton(*this, texts.Text(IDS_STATISTICS_CLOSE), true),
      cancelHandler(*this),
      requiredSize(0, 0),
      placed(false) {
    for (std::int32_t i = 0; i < ChartDays; ++i) {
        columns.push_back(std::make_unique<TControlColumn>(*this, ChartColors));
    }
    SetOnResize([this] { Layout(); });
    SetOnDpiChanged([this] { FitToLayout(); });
    SetOnClose([this] { Hide(); });
    closeButton.SetOnClick([this] { Hide(); });
    cancelHandler.SetOnCancel([this] { Hide(); });
    openButton.SetOnClick([this] { OpenFile(); });
    forgetButton.SetOnClick([this] { Forget(); });
}

void TStatisticsWindow::Open() {
    Read();
    FitToLayout();
    if (!placed) {
        const HMONITOR monitor = MonitorUnderCursor();
        CentreOnWorkArea(*this, monitor);
        CentreOnWorkArea(*this, monitor);
        placed = true;
    }
    Show(true);
}

void TStatisticsWindow::Refresh() {
    if (IsWindowVisible(GetHandle())) {
        Read();
        FitToLayout();
    }
}

void TStatisticsWindow::OnTick() {
    if (IsWindowVisible(GetHandle()) && CurrentTimestamp().compare(0, shownDate.size(), shownDate) != 0) {
        Refresh();
    }
}

void TStatisticsWindow::Read() {
    const std::string today = CurrentTimestamp();
    std::vector<THistoryDay> days = HistoryDays(today, ChartDays);
    ReadHistoryEvents(*folder, [&days](const THistoryEvent& event) { CountHistoryEvent(days, event); });
    shownDate = today.substr(0, 10);
    const THistoryDay todayCounts = days.empty() ? THistoryDay{} : days.back();
    const std::string pauseTime =
        FormatDuration(static_cast<std::int32_t>(std::min<std::int64_t>(todayCounts.pauseSeconds, 359'999)));
    // A text control never changes its text, so each line is replaced.
    todayLines[0] = std::make_unique<TControlText>(*this, texts.Format(IDS_STATISTICS_PAUSES, {Number(todayCounts.pauses)}));
    todayLines[1] = std::make_unique<TControlText>(*this, texts.Format(IDS_STATISTICS_PAUSE_TIME, {Wide(pauseTime)}));
    todayLines[2] = std::make_unique<TControlText>(
        *this, texts.Format(IDS_STATISTICS_NATURAL_BREAKS, {Number(todayCounts.naturalBreaks)}));
    todayLines[3] =
        std::make_unique<TControlText>(*this, texts.Format(IDS_STATISTICS_EYE_PAUSES, {Number(todayCounts.eyePauses)}));
    const std::error_code error = lastWriteError ? lastWriteError() : std::error_code();
    failure.reset();
    if (error) {
        failure = std::make_unique<TControlText>(
            *this, texts.Format(IDS_STATISTICS_WRITE_FAILED, {HistoryFilePath(*folder), FailureReason(texts, error)}));
    }

    std::int64_t most = 1;
    for (const THistoryDay& day : days) {
        most = std::max(most, day.pauses + day.naturalBreaks);
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        TControlColumn& column = *columns[i];
        if (i >= days.size()) {
            column.SetValues({0, 0}, most);
            column.SetTexts(L"", L"", L"");
            continue;
        }
        const THistoryDay& day = days[i];
        const std::int64_t total = day.pauses + day.naturalBreaks;
        const std::wstring below = FormatDate(day.date, texts.Text(IDS_STATISTICS_COLUMN_DAY), texts.Tag()) + L"\n" +
                                   FormatDate(day.date, texts.Text(IDS_STATISTICS_COLUMN_DATE), texts.Tag());
        const std::wstring name = texts.Format(
            IDS_STATISTICS_DAY, {FormatDate(day.date, texts.Text(IDS_STATISTICS_DAY_FORMAT), texts.Tag()),
                                 texts.Counted(IDS_STATISTICS_DAY_PAUSES, day.pauses),
                                 texts.Counted(IDS_STATISTICS_DAY_BREAKS, day.naturalBreaks)});
        column.SetValues({day.pauses, day.naturalBreaks}, most);
        column.SetTexts(total > 0 ? Number(total) : L"", below, name);
    }
    Invalidate();
}

void TStatisticsWindow::FitToLayout() {
    Layout();
    ResizeClientArea(*this, requiredSize);
    Layout();
}

void TStatisticsWindow::Layout() {
    const std::int32_t gap = Scale(5);
    std::int32_t top = gap;
    std::int32_t width = 0;
    const auto row = [&](TControlText& text, std::int32_t indent) {
        const TSize size = text.GetNaturalSize();
        text.Move(TPoint(gap + indent, top), size);
        top += size.height + gap;
        width = std::max(width, gap + indent + size.width + gap);
    };
    row(todayHeading, 0);
    for (const auto& line : todayLines) {
        if (line) {
            row(*line, Scale(10));
        }
    }
    if (failure) {
        row(*failure, 0);
    }
    top += gap;
    row(chartHeading, 0);

    std::int32_t columnWidth = Scale(24);
    std::int32_t textHeight = 0;
    for (const auto& column : columns) {
        const TSize text = column->GetTextSize();
        columnWidth = std::max(columnWidth, text.width + Scale(8));
        textHeight = std::max(textHeight, text.height);
    }
    const std::int32_t columnHeight = textHeight + Scale(ChartHeight);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        columns[i]->Move(TPoint(gap + static_cast<std::int32_t>(i) * columnWidth, top), TSize(columnWidth, columnHeight));
    }
    width = std::max(width, gap + static_cast<std::int32_t>(columns.size()) * columnWidth + gap);
    top += columnHeight + 2 * gap;

    const TSize pausesSize = pausesLegend.GetNaturalSize();
    const TSize breaksSize = breaksLegend.GetNaturalSize();
    const std::int32_t swatch = pausesSize.height * 2 / 3;
    const std::int32_t swatchTop = top + (pausesSize.height - swatch) / 2;
    pausesSwatch.Move(TPoint(gap, swatchTop), TSize(swatch, swatch));
    pausesLegend.Move(TPoint(gap + swatch + gap, top), pausesSize);
    const std::int32_t breaksLeft = gap + swatch + gap + pausesSize.width + 3 * gap;
    breaksSwatch.Move(TPoint(breaksLeft, swatchTop), TSize(swatch, swatch));
    breaksLegend.Move(TPoint(breaksLeft + swatch + gap, top), breaksSize);
    width = std::max(width, breaksLeft + swatch + gap + breaksSize.width + gap);
    top += std::max(pausesSize.height, breaksSize.height) + 2 * gap;

    const TSize openSize = openButton.GetNaturalSize();
    const TSize forgetSize = forgetButton.GetNaturalSize();
    const TSize closeSize = closeButton.GetNaturalSize();
    width = std::max(width, openSize.width + forgetSize.width + closeSize.width + 5 * gap);
    openButton.Move(TPoint(gap, top), openSize);
    forgetButton.Move(TPoint(gap + openSize.width + gap, top), forgetSize);
    closeButton.Move(TPoint(std::max(GetClientSize().width, width) - closeSize.width - gap, top), closeSize);
    top += std::max({openSize.height, forgetSize.height, closeSize.height}) + gap;
    requiredSize = TSize(width, top);
}

TSize TStatisticsWindow::GetRequiredSize() const {
    return requiredSize;
}

const std::vector<std::unique_ptr<TControlColumn>>& TStatisticsWindow::GetColumns() const {
    return columns;
}

void TStatisticsWindow::Forget() {
    const std::wstring file = HistoryFilePath(*folder);
    const std::wstring question = texts.Format(IDS_STATISTICS_FORGET_QUESTION, {file});
    if (MessageBoxW(GetHandle(), question.c_str(), texts.Text(IDS_STATISTICS_CAPTION).c_str(),
                    MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    if (const std::error_code error = ForgetHistory(*folder)) {
        const std::wstring text = texts.Format(IDS_STATISTICS_FORGET_FAILED, {file, FailureReason(texts, error)});
        MessageBoxW(GetHandle(), text.c_str(), texts.Text(IDS_STATISTICS_CAPTION).c_str(), MB_OK | MB_ICONWARNING);
    }
    Refresh();
}

void TStatisticsWindow::OpenFile() {
    const std::wstring file = HistoryFilePath(*folder);
    // A history not yet begun is opened as its header, so that the user sees the columns.
    std::error_code error = AppendHistoryLines(*folder, std::string());
    if (!error) {
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(GetHandle(), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        if (result <= 32) {
            error = std::error_code(result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : static_cast<int>(GetLastError()),
                                    std::system_category());
        }
    }
    if (error) {
        const std::wstring text = texts.Format(IDS_STATISTICS_OPEN_FAILED, {file, FailureReason(texts, error)});
        MessageBoxW(GetHandle(), text.c_str(), texts.Text(IDS_STATISTICS_CAPTION).c_str(), MB_OK | MB_ICONWARNING);
    }
}
