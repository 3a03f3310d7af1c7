#include "ui/TStatisticsWindow.h"

#include "core/History.h"
#include "core/HistoryDays.h"
#include "core/TimeText.h"

#include "../core/TTestFolder.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A line of the given kind that began on the date, as the history writes it.
std::string Line(const std::string& date, const char* kind, int seconds, const char* how) {
    std::string day = date;
    std::replace(day.begin(), day.end(), '.', '-');
    return day + " 09:00:00," + day + " 09:30:00," + kind + "," + std::to_string(seconds) + "," + how + "\r\n";
}

class StatisticsWindowTest : public testing::Test {
protected:
    StatisticsWindowTest() {
        const std::string now = CurrentTimestamp();
        WriteBytes(HistoryFilePath(folder.Wide()),
                   "start,end,kind,seconds,how\r\n" + Line(DateDaysBefore(now, 14), "pause", 300, "taken") +
                       Line(DateDaysBefore(now, 13), "natural break", 600, "idle") +
                       Line(DateDaysBefore(now, 13), "natural break", 600, "locked") + "garbage\r\n" +
                       Line(DateDaysBefore(now, 1), "pause", 300, "taken") +
                       Line(DateDaysBefore(now, 1), "eye pause", 20, "taken") +
                       Line(DateDaysBefore(now, 0), "eye pause", 20, "taken") +
                       Line(DateDaysBefore(now, 0), "pause", 300, "taken") +
                       Line(DateDaysBefore(now, 0), "pause", 290, "away") +
                       Line(DateDaysBefore(now, 0), "natural break", 900, "asleep") +
                       Line(DateDaysBefore(now, 0), "reminders paused", 1800, "resumed"));
    }

    std::vector<std::wstring> AccessibleNames() const {
        std::vector<std::wstring> names;
        for (const TAccessibleItem& item : window.GetAccessibleItems()) {
            names.push_back(item.name);
        }
        return names;
    }
    bool Shows(const std::wstring& name) const {
        const auto names = AccessibleNames();
        return std::find(names.begin(), names.end(), name) != names.end();
    }

    TTestFolder folder;
    std::wstring dataFolder = folder.Wide();
    std::error_code writeError;
    TWindowList dialogWindows;
    TStatisticsWindow window{dialogWindows, EnglishResourceTexts(), dataFolder, [this] { return writeError; }};
};

TEST_F(StatisticsWindowTest, ShowsTodaysCountsAtTheRequiredSize) {
    window.Open();
    EXPECT_EQ(WindowText(window.GetHandle()), L"Statistics");
    EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
    const SIZE client = ClientSize(window.GetHandle());
    EXPECT_EQ(client.cx, window.GetRequiredSize().width);
    EXPECT_EQ(client.cy, window.GetRequiredSize().height);
    for (const wchar_t* text : {L"Today", L"Pauses taken: 2", L"Time in pauses: 00:09:50", L"Natural breaks: 1",
                                L"Eye pauses: 1", L"The last 14 days", L"Pauses", L"Natural breaks"}) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(Shows(text));
    }
    EXPECT_NE(FindChild(window, L"Button", L"Open history file"), nullptr);
    EXPECT_NE(FindChild(window, L"Button", L"Forget history"), nullptr);
    EXPECT_NE(FindChild(window, L"Button", L"Close"), nullptr);
}

TEST_F(StatisticsWindowTest, DrawsADayAColumnWithTheSegmentsStacked) {
    window.Open();
    const auto& columns = window.GetColumns();
    ASSERT_EQ(columns.size(), 14u);
    const struct {
        std::size_t column;
        bool pauses;
        bool breaks;
        const wchar_t* named;
    } cases[] = {
        {0, false, true, L": 0 pauses, 2 natural breaks"}, {1, false, false, L": 0 pauses, 0 natural breaks"},
        {12, true, false, L": 1 pause, 0 natural breaks"}, {13, true, true, L": 2 pauses, 1 natural break"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.column);
        const RECT pauses = columns[entry.column]->GetSegmentRect(0);
        const RECT breaks = columns[entry.column]->GetSegmentRect(1);
        EXPECT_EQ(pauses.bottom > pauses.top, entry.pauses);
        EXPECT_EQ(breaks.bottom > breaks.top, entry.breaks);
        // Natural breaks stand on the pauses.
        EXPECT_EQ(breaks.bottom, pauses.top);
        TAccessibleItem item{L"", nullptr, TPoint(0, 0), TSize(0, 0), nullptr};
        ASSERT_TRUE(columns[entry.column]->GetAccessibleItem(item));
        EXPECT_TRUE(item.name.ends_with(entry.named)) << std::string(item.name.begin(), item.name.end());
    }
    // The highest day fills the chart: today's three events against the first day's two.
    const RECT todayTop = columns[13]->GetSegmentRect(1);
    const RECT firstTop = columns[0]->GetSegmentRect(1);
    EXPECT_LT(todayTop.top, firstTop.top);
    EXPECT_EQ(columns[13]->GetSegmentRect(0).bottom, columns[0]->GetSegmentRect(1).bottom);
}

TEST_F(StatisticsWindowTest, NothingOverlapsOrLeavesTheClientArea) {
    writeError = std::error_code(ERROR_ACCESS_DENIED, std::system_category());
    window.Open();
    const SIZE client = ClientSize(window.GetHandle());
    const auto items = window.GetAccessibleItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TAccessibleItem& a = items[i];
        SCOPED_TRACE(std::string(a.name.begin(), a.name.end()));
        EXPECT_GE(a.position.x, 0);
        EXPECT_GE(a.position.y, 0);
        EXPECT_LE(a.position.x + a.size.width, client.cx);
        EXPECT_LE(a.position.y + a.size.height, client.cy);
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            const TAccessibleItem& b = items[j];
            const bool apart =
                a.position.x + a.size.width <= b.position.x || b.position.x + b.size.width <= a.position.x ||
                a.position.y + a.size.height <= b.position.y || b.position.y + b.size.height <= a.position.y;
            EXPECT_TRUE(apart) << std::string(b.name.begin(), b.name.end());
        }
    }
}

TEST_F(StatisticsWindowTest, SaysAFailedWriteUntilOneSucceeds) {
    const std::wstring said = L"The history could not be written to " + HistoryFilePath(dataFolder) + L": ";
    const auto failureShown = [&] {
        const auto names = AccessibleNames();
        return std::any_of(names.begin(), names.end(), [&](const std::wstring& n) { return n.starts_with(said); });
    };
    window.Open();
    EXPECT_FALSE(failureShown());
    writeError = std::error_code(ERROR_ACCESS_DENIED, std::system_category());
    window.Refresh();
    EXPECT_TRUE(failureShown());
    writeError = std::error_code();
    window.Refresh();
    EXPECT_FALSE(failureShown());
}

TEST_F(StatisticsWindowTest, ReadsANewEventWhileShownAndNotWhileHidden) {
    window.Open();
    AppendHistoryLines(dataFolder, Line(DateDaysBefore(CurrentTimestamp(), 0), "pause", 10, "taken"));
    window.Refresh();
    EXPECT_TRUE(Shows(L"Pauses taken: 3"));
    window.Hide();
    AppendHistoryLines(dataFolder, Line(DateDaysBefore(CurrentTimestamp(), 0), "pause", 10, "taken"));
    window.Refresh();
    EXPECT_TRUE(Shows(L"Pauses taken: 3"));
}

TEST_F(StatisticsWindowTest, CloseEscAndTheCloseBoxHideIt) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } cases[] = {{"Close", WM_COMMAND, 0}, {"Esc", WM_COMMAND, IDCANCEL}, {"CloseBox", WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        window.Open();
        ASSERT_TRUE(IsWindowVisible(window.GetHandle()));
        if (entry.wParam == 0) {
            SendMessageW(FindChild(window, L"Button", L"Close"), BM_CLICK, 0, 0);
        } else {
            SendMessageW(window.GetHandle(), entry.message, entry.wParam, 0);
        }
        DrainMessages();
        EXPECT_FALSE(IsWindowVisible(window.GetHandle()));
    }
}

TEST_F(StatisticsWindowTest, ForgetAsksFirstAndEmptiesTheFileOnlyOnYes) {
    const std::string before = ReadBytes(HistoryFilePath(dataFolder));
    const struct {
        const char* name;
        int answer;
        bool emptied;
    } cases[] = {{"No", IDNO, false}, {"Yes", IDYES, true}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        window.Open();
        std::wstring question;
        // Runs inside the question's own message loop, then answers it.
        const TDelayedAction answer(
            [&] {
                const HWND box = FindWindowW(L"#32770", L"Statistics");
                wchar_t text[1024] = {};
                GetDlgItemTextW(box, 0xFFFF, text, 1024);
                question = text;
                PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(entry.answer), 0);
            },
            300);
        SendMessageW(FindChild(window, L"Button", L"Forget history"), BM_CLICK, 0, 0);
        EXPECT_TRUE(question.starts_with(L"Forget every pause and break recorded so far?"))
            << std::string(question.begin(), question.end());
        EXPECT_NE(question.find(HistoryFilePath(dataFolder)), std::wstring::npos);
        EXPECT_EQ(ReadBytes(HistoryFilePath(dataFolder)), entry.emptied ? "start,end,kind,seconds,how\r\n" : before);
        EXPECT_EQ(Shows(L"Pauses taken: 0"), entry.emptied);
    }
}

}  // namespace
