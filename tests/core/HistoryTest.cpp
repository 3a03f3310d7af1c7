#include "core/History.h"
#include "core/HistoryDays.h"
#include "core/HistoryLine.h"

#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace {

using enum THistoryKind;

struct TLineCase {
    const char* name;
    THistoryEvent event;
    const char* line;
};

class HistoryLines : public testing::TestWithParam<TLineCase> {};

TEST_P(HistoryLines, AreWrittenAndReadBack) {
    EXPECT_EQ(HistoryLine(GetParam().event), GetParam().line);
    const auto read = ReadHistoryLine(GetParam().line);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, GetParam().event);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HistoryLines,
    testing::Values(
        TLineCase{"PauseTaken", {"2026.12.08 10:00:01", "2026.12.08 10:05:03", pause, 302, "taken"},
                  "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,302,taken"},
        TLineCase{"PauseAway", {"2026.12.08 10:00:01", "2026.12.08 10:31:00", pause, 1859, "away"},
                  "2026-12-08 10:00:01,2026-12-08 10:31:00,pause,1859,away"},
        TLineCase{"Idle", {"2026.12.08 09:00:00", "2026.12.08 09:07:00", naturalBreak, 420, "idle"},
                  "2026-12-08 09:00:00,2026-12-08 09:07:00,natural break,420,idle"},
        TLineCase{"Locked", {"2026.12.08 12:00:00", "2026.12.08 12:45:00", naturalBreak, 2700, "locked"},
                  "2026-12-08 12:00:00,2026-12-08 12:45:00,natural break,2700,locked"},
        TLineCase{"Asleep", {"2026.12.07 18:00:00", "2026.12.08 08:00:00", naturalBreak, 50400, "asleep"},
                  "2026-12-07 18:00:00,2026-12-08 08:00:00,natural break,50400,asleep"},
        TLineCase{"RemindersResumed", {"2026.12.08 14:00:00", "2026.12.08 14:20:00", remindersPaused, 1200, "resumed"},
                  "2026-12-08 14:00:00,2026-12-08 14:20:00,reminders paused,1200,resumed"},
        TLineCase{"RemindersEnded", {"2026.12.08 14:00:00", "2026.12.08 16:00:00", remindersPaused, 7200, "ended"},
                  "2026-12-08 14:00:00,2026-12-08 16:00:00,reminders paused,7200,ended"},
        TLineCase{"EyePause", {"2026.12.08 14:20:00", "2026.12.08 14:20:20", eyePause, 20, "taken"},
                  "2026-12-08 14:20:00,2026-12-08 14:20:20,eye pause,20,taken"},
        // The wall clock was set back during the pause; the length is the steady clock's.
        TLineCase{"ClockSetBack", {"2026.12.08 10:00:01", "2026.12.08 09:05:01", pause, 300, "taken"},
                  "2026-12-08 10:00:01,2026-12-08 09:05:01,pause,300,taken"},
        TLineCase{"ZeroSeconds", {"2026.12.08 10:00:01", "2026.12.08 10:00:01", pause, 0, "taken"},
                  "2026-12-08 10:00:01,2026-12-08 10:00:01,pause,0,taken"}),
    [](const testing::TestParamInfo<TLineCase>& entry) { return entry.param.name; });

TEST(HistoryLine, IsEmptyForAnEventItCannotWrite) {
    const THistoryEvent events[] = {
        {"2026.12.08 10:00:01", "2026.12.08 10:05:01", pause, 300, "idle"},
        {"2026.12.08 10:00:01", "2026.12.08 10:05:01", naturalBreak, 300, ""},
        {"2026.12.08 10:00:01", "2026.12.08 10:00:21", eyePause, 20, "away"},
        {"2026.12.08 10:00:01", "2026.12.08 10:05:01", pause, -1, "taken"},
        {"2026.13.08 10:00:01", "2026.12.08 10:05:01", pause, 300, "taken"},
        {"2026.12.08 10:00:01", "", pause, 300, "taken"},
    };
    for (const THistoryEvent& event : events) {
        SCOPED_TRACE(event.start + " " + event.end + " " + event.how + " " + std::to_string(event.seconds));
        EXPECT_EQ(HistoryLine(event), "");
    }
}

TEST(ReadHistoryLine, GivesNothingForAnyOtherLine) {
    const char* const lines[] = {
        "start,end,kind,seconds,how",
        "",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,302",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,302,taken,",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,302,taken\r",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,302,idle",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,Pause,302,taken",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,0302,taken",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,-302,taken",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,+302,taken",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,pause,1234567890123456789,taken",
        "2026.12.08 10:00:01,2026-12-08 10:05:03,pause,302,taken",
        "2026-12-8 10:00:01,2026-12-08 10:05:03,pause,302,taken",
        "2026-02-30 10:00:01,2026-12-08 10:05:03,pause,302,taken",
        "2026-12-08 24:00:00,2026-12-08 10:05:03,pause,302,taken",
        "2026-12-08 10:00:01,2026-12-08 10:05,pause,302,taken",
        "2026-12-08 10:00:01, 2026-12-08 10:05:03,pause,302,taken",
        "2026-12-08 10:00:01,2026-12-08 10:05:03,natural break,302,",
        "2026-12-08 10:00:01,2026-12-08 10:00:21,eye pause,20,away",
    };
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(ReadHistoryLine(line).has_value());
    }
}

const char* const Header = "start,end,kind,seconds,how\r\n";

std::vector<std::string> LinesOf(const std::wstring& folder) {
    std::vector<std::string> lines;
    ReadHistoryLines(folder, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

TEST(HistoryFile, BeginsWithTheHeaderAndKeepsACutLineApart) {
    const struct {
        const char* name;
        bool exists;
        std::string before;
        std::string after;
    } cases[] = {
        {"NoFile", false, "", std::string(Header) + "a\r\n"},
        {"Empty", true, "", std::string(Header) + "a\r\n"},
        {"Whole", true, std::string(Header) + "x\r\n", std::string(Header) + "x\r\na\r\n"},
        {"CutShort", true, std::string(Header) + "2026-12-08 10:0", std::string(Header) + "2026-12-08 10:0\r\na\r\n"},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        TTestFolder folder;
        const std::wstring data = folder.Wide(L"Tavelin");
        if (entry.exists) {
            std::filesystem::create_directory(FileSystemPath(data));
            WriteBytes(HistoryFilePath(data), entry.before);
        }
        EXPECT_FALSE(AppendHistoryLines(data, "a\r\n"));
        EXPECT_EQ(ReadBytes(HistoryFilePath(data)), entry.after);
    }
}

TEST(HistoryFile, ReadsLinesAcrossPiecesWithEitherLineEnd) {
    TTestFolder folder;
    const std::string longLine(40000, 'x');
    WriteBytes(HistoryFilePath(folder.Wide()), std::string(Header) + longLine + "\nb\r\n\r\nlast");
    EXPECT_EQ(LinesOf(folder.Wide()),
              (std::vector<std::string>{"start,end,kind,seconds,how", longLine, "b", "", "last"}));
}

TEST(HistoryFile, PruningDropsOnlyReadableLinesBeforeTheFirstDayKept) {
    TTestFolder folder;
    const std::string old = "2025-11-01 10:00:00,2025-11-01 10:05:00,pause,300,taken\r\n";
    const std::string firstKept = "2025-11-02 00:00:00,2025-11-02 00:05:00,pause,300,taken\r\n";
    const std::string garbage = "2025-10-01 garbage\r\n";
    const std::string recent = "2026-12-06 10:00:00,2026-12-06 10:05:00,natural break,300,idle\r\n";
    WriteBytes(HistoryFilePath(folder.Wide()), std::string(Header) + old + garbage + firstKept + old + recent);
    const std::string firstDayKept = DateDaysBefore("2026.12.07 09:00:00", HistoryKeptDays);
    ASSERT_EQ(firstDayKept, "2025.11.02");
    EXPECT_FALSE(PruneHistory(folder.Wide(), firstDayKept));
    EXPECT_EQ(ReadBytes(HistoryFilePath(folder.Wide())), std::string(Header) + garbage + firstKept + recent);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "history.csv.tmp"));
}

TEST(HistoryFile, PruningWithNothingToDropLeavesTheFileAsItIs) {
    TTestFolder folder;
    // No header and LF only: a hand edit, not rewritten as long as nothing is dropped.
    const std::string bytes = "2026-12-06 10:00:00,2026-12-06 10:05:00,pause,300,taken\nnote\n";
    WriteBytes(HistoryFilePath(folder.Wide()), bytes);
    EXPECT_FALSE(PruneHistory(folder.Wide(), "2025.11.02"));
    EXPECT_EQ(ReadBytes(HistoryFilePath(folder.Wide())), bytes);
    EXPECT_FALSE(PruneHistory(folder.Wide(L"missing"), "2025.11.02"));
}

TEST(HistoryFile, ForgettingLeavesTheHeader) {
    TTestFolder folder;
    WriteBytes(HistoryFilePath(folder.Wide()), std::string(Header) + "2026-12-06 10:00:00,x\r\n");
    EXPECT_FALSE(ForgetHistory(folder.Wide()));
    EXPECT_EQ(ReadBytes(HistoryFilePath(folder.Wide())), Header);
}

TEST(HistoryDays, AreTheCalendarDaysUpToToday) {
    const struct {
        const char* today;
        std::int32_t before;
        const char* date;
    } cases[] = {
        {"2026.12.08 00:00:00", 0, "2026.12.08"},  {"2026.12.08 23:59:59", 13, "2026.11.25"},
        {"2026.03.01 10:00:00", 1, "2026.02.28"},  {"2024.03.01 10:00:00", 1, "2024.02.29"},
        {"2026.01.01 10:00:00", 1, "2025.12.31"},
        // The days around the European changes to and from summer time.
        {"2026.03.30 01:00:00", 1, "2026.03.29"},  {"2026.10.26 23:30:00", 1, "2026.10.25"},
        {"2026.12.07 09:00:00", 400, "2025.11.02"}, {"1601.01.01 10:00:00", 1, ""},
        {"garbage", 0, ""},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(std::string(entry.today) + " - " + std::to_string(entry.before));
        EXPECT_EQ(DateDaysBefore(entry.today, entry.before), entry.date);
    }
    const auto days = HistoryDays("2026.12.08 15:00:00", ChartDays);
    ASSERT_EQ(days.size(), 14u);
    EXPECT_EQ(days.front().date, "2026.11.25");
    EXPECT_EQ(days.back().date, "2026.12.08");
}

TEST(HistoryDays, CountEachEventOnTheDayItBegan) {
    TTestFolder folder;
    WriteBytes(HistoryFilePath(folder.Wide()),
               std::string(Header) +
                   // Before the chart's first day, and on it.
                   "2026-11-24 10:00:00,2026-11-24 10:05:00,pause,300,taken\r\n"
                   "2026-11-25 10:00:00,2026-11-25 10:05:00,pause,300,taken\r\n"
                   // Across midnight: the day it began.
                   "2026-12-06 23:58:00,2026-12-07 00:03:00,pause,300,taken\r\n"
                   "2026-12-06 23:00:00,2026-12-07 07:00:00,natural break,28800,asleep\r\n"
                   "garbage,line\r\n"
                   // Today: two pauses, one ended by time away, two natural breaks, reminders paused,
                   // three eye pauses.
                   "2026-12-08 08:20:00,2026-12-08 08:20:20,eye pause,20,taken\r\n"
                   "2026-12-08 08:40:00,2026-12-08 08:40:20,eye pause,20,taken\r\n"
                   "2026-12-08 09:30:00,2026-12-08 09:30:20,eye pause,20,taken\r\n"
                   "2026-12-08 09:00:00,2026-12-08 09:05:00,pause,300,taken\r\n"
                   "2026-12-08 10:00:00,2026-12-08 10:40:00,pause,2400,away\r\n"
                   "2026-12-08 11:00:00,2026-12-08 11:10:00,natural break,600,idle\r\n"
                   "2026-12-08 12:00:00,2026-12-08 12:30:00,natural break,1800,locked\r\n"
                   "2026-12-08 14:00:00,2026-12-08 15:00:00,reminders paused,3600,resumed\r\n"
                   // A daylight-saving night: the wall clock says two hours, the steady one one.
                   "2026-10-25 01:30:00,2026-10-25 03:30:00,pause,3600,taken\r\n");
    const struct {
        const char* today;
        std::vector<std::pair<std::size_t, THistoryDay>> days;
    } cases[] = {
        {"2026.12.08 16:00:00",
         {{0, {"2026.11.25", 1, 300, 0}}, {11, {"2026.12.06", 1, 300, 1}}, {12, {"2026.12.07", 0, 0, 0}},
          {13, {"2026.12.08", 2, 2700, 2, 3}}}},
        {"2026.10.25 20:00:00", {{12, {"2026.10.24", 0, 0, 0}}, {13, {"2026.10.25", 1, 3600, 0}}}},
    };
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.today);
        auto days = HistoryDays(entry.today, ChartDays);
        ReadHistoryEvents(folder.Wide(), [&days](const THistoryEvent& event) { CountHistoryEvent(days, event); });
        ASSERT_EQ(days.size(), 14u);
        for (const auto& [index, day] : entry.days) {
            EXPECT_EQ(days[index], day) << day.date;
        }
    }
}

}  // namespace
