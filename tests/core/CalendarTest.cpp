#include "core/Calendar.h"

#include <gtest/gtest.h>

namespace {

struct TKnownTime {
    TCalendarFields fields;
    std::int64_t ticks;
};

// The same values hold for the Windows conversion and the counted Gregorian calendar.
class KnownTimes : public testing::TestWithParam<TKnownTime> {};

TEST_P(KnownTimes, ConvertBothWays) {
    EXPECT_EQ(CalendarTicks(GetParam().fields), GetParam().ticks);
    EXPECT_EQ(CalendarFields(GetParam().ticks), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(Calendar, KnownTimes,
                         testing::Values(TKnownTime{{1601, 1, 1, 0, 0, 0}, 0},
                                         TKnownTime{{1970, 1, 1, 0, 0, 0}, 116'444'736'000'000'000},
                                         TKnownTime{{2000, 2, 29, 12, 34, 56}, 125'963'012'960'000'000},
                                         TKnownTime{{2026, 12, 8, 7, 45, 48}, 134'411'895'480'000'000},
                                         TKnownTime{{9999, 12, 31, 23, 59, 59}, 2'650'467'743'990'000'000},
                                         TKnownTime{{30827, 12, 31, 23, 59, 59}, 9'223'149'887'990'000'000}));

TEST(Calendar, EveryDayOfFourCenturiesRoundTripsAndFollowsTheLastOne) {
    std::int64_t previous = -1;
    for (std::uint16_t year = 1999; year <= 2401; ++year) {
        for (std::uint16_t month = 1; month <= 12; ++month) {
            for (std::uint16_t day = 1; day <= 31; ++day) {
                const TCalendarFields fields{year, month, day, 23, 59, 59};
                const auto ticks = CalendarTicks(fields);
                if (!ticks) {
                    continue;
                }
                ASSERT_EQ(CalendarFields(*ticks), fields);
                if (previous >= 0) {
                    ASSERT_EQ(*ticks - previous, 86'400 * TicksPerSecond) << year << '.' << month << '.' << day;
                }
                previous = *ticks;
            }
        }
    }
}

TEST(Calendar, DaysInFebruaryFollowTheGregorianLeapRule) {
    const struct {
        std::uint16_t year;
        bool hasLeapDay;
    } years[] = {{2024, true}, {2026, false}, {1900, false}, {2000, true}, {2100, false}, {1604, true}};
    for (const auto& entry : years) {
        EXPECT_EQ(IsCalendarTime({entry.year, 2, 29, 0, 0, 0}), entry.hasLeapDay) << entry.year;
    }
}

TEST(Calendar, FieldsOutsideTheCalendarOrTheRangeAreRefused) {
    const TCalendarFields refused[] = {
        {2026, 13, 1, 0, 0, 0}, {2026, 0, 1, 0, 0, 0},   {2026, 4, 31, 0, 0, 0},  {2026, 1, 0, 0, 0, 0},
        {2026, 1, 1, 24, 0, 0}, {2026, 1, 1, 0, 60, 0},  {2026, 1, 1, 0, 0, 60},  {1600, 12, 31, 23, 59, 59},
        {30828, 1, 1, 0, 0, 0}, {0, 0, 0, 0, 0, 0},      {65535, 65535, 65535, 65535, 65535, 65535}};
    for (const auto& fields : refused) {
        EXPECT_FALSE(CalendarTicks(fields).has_value()) << fields.year << '.' << fields.month << '.' << fields.day;
    }
}

TEST(Calendar, TicksOutsideTheRangeAreRefused) {
    EXPECT_FALSE(CalendarFields(-1).has_value());
    EXPECT_FALSE(CalendarFields(9'223'149'888'000'000'000).has_value());
    EXPECT_FALSE(CalendarFields(INT64_MAX).has_value());
    EXPECT_FALSE(CalendarFields(INT64_MIN).has_value());
}

}  // namespace
