#pragma once

#include "core/HistoryDays.h"
#include "core/TTexts.h"

#include "toolkit/TControlButton.h"
#include "toolkit/TControlCancelHandler.h"
#include "toolkit/TControlColumn.h"
#include "toolkit/TControlSwatch.h"
#include "toolkit/TControlText.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"
#include "toolkit/TWindowList.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

// What the history says: today's counts and a chart of the last 14 days, one column a day with the
// pauses and the natural breaks stacked, today at the right. Read from the file each time it is
// shown or told of a new event, never kept beyond what it shows. "Close", Esc and the close box hide it.
class TStatisticsWindow : public TWindow {
public:
    // The history's folder is not copied: it must outlive the window. writeError tells the last
    // failed write of the history, if any.
    TStatisticsWindow(TWindowList& dialogWindows, const TTexts& texts, const std::wstring& historyFolder,
                      std::function<std::error_code()> writeError);

    // Reads the history afresh, sizes the window to its content and brings it to the front; centred
    // on the monitor under the pointer the first time, later where it was left.
    void Open();
    // Reads the history afresh while the window shows: after a new event, and when the date changed.
    void Refresh();
    // Run once a second: redraws at midnight.
    void OnTick();

    // Today's texts, the chart's title, the chart with its legend, then the buttons; margins and gaps
    // follow the window's DPI.
    void Layout();
    TSize GetRequiredSize() const;
    const std::vector<std::unique_ptr<TControlColumn>>& GetColumns() const;

private:
    void Read();
    void FitToLayout();
    void Forget();
    void OpenFile();

    TTexts texts;
    const std::wstring* folder;
    std::function<std::error_code()> lastWriteError;
    TControlText todayHeading;
    std::array<std::unique_ptr<TControlText>, 4> todayLines;
    std::unique_ptr<TControlText> failure;
    TControlText chartHeading;
    std::vector<std::unique_ptr<TControlColumn>> columns;
    TControlSwatch pausesSwatch;
    TControlText pausesLegend;
    TControlSwatch breaksSwatch;
    TControlText breaksLegend;
    TControlButton openButton;
    TControlButton forgetButton;
    TControlButton closeButton;
    TControlCancelHandler cancelHandler;
    TSize requiredSize;
    std::string shownDate;
    bool placed;
};

// The system colours of the chart's two segments: pauses, then natural breaks.
inline constexpr std::array<int, 2> ChartColors{COLOR_HIGHLIGHT, COLOR_GRAYTEXT};
