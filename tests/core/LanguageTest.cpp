#include "core/AppState.h"
#include "core/HeadsUp.h"
#include "core/LanguageChoice.h"
#include "core/TextForms.h"

#include "TStringTables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct TPluralCase {
    const wchar_t* tag;
    std::vector<std::int64_t> counts;
    std::size_t form;
};

// By language family: one form; singular 1; singular 0 and 1; the Slavic three, whose teens and
// endings in 1 part ways between Polish and Russian.
TEST(PluralForm, FollowsTheLanguagesRule) {
    const TPluralCase cases[] = {
        {L"ja", {0, 1, 2, 5, 21}, 0},
        {L"zh-CN", {0, 1, 2, 5, 21}, 0},
        {L"en", {1}, 0},
        {L"en", {0, 2, 11, 21, 101}, 1},
        {L"de", {1}, 0},
        {L"de-AT", {0, 2, 21}, 1},
        {L"nl", {0, 2}, 1},
        {L"fr", {0, 1}, 0},
        {L"fr", {2, 11, 21}, 1},
        {L"pt-BR", {0, 1}, 0},
        {L"pt-BR", {2, 100}, 1},
        {L"pl", {1}, 0},
        {L"pl", {2, 3, 4, 22, 24, 102, 1004}, 1},
        {L"pl", {0, 5, 11, 12, 13, 14, 21, 25, 101, 112, 1012}, 2},
        {L"ru", {1, 21, 31, 101, 1001}, 0},
        {L"ru", {2, 4, 22, 34, 102}, 1},
        {L"ru", {0, 5, 11, 12, 14, 19, 25, 111, 112}, 2},
    };
    for (const TPluralCase& entry : cases) {
        for (const std::int64_t count : entry.counts) {
            EXPECT_EQ(PluralForm(entry.tag, count), entry.form) << entry.tag << " " << count;
            EXPECT_LT(PluralForm(entry.tag, count), PluralFormCount(entry.tag)) << entry.tag << " " << count;
        }
    }
}

TEST(ArticleForm, IsAnBeforeNumbersSpokenWithAVowelFirstInEnglishAlone) {
    const struct {
        const wchar_t* tag;
        std::int64_t number;
        std::size_t form;
    } cases[] = {{L"en", 1, 0},   {L"en", 8, 1},      {L"en", 11, 1},     {L"en", 18, 1},    {L"en", 80, 1},
                 {L"en", 800, 1}, {L"en", 8000, 1},   {L"en", 11000, 1},  {L"en", 1100, 0},  {L"en", 110, 0},
                 {L"en", 180, 0}, {L"en", 18000, 1},  {L"de", 8, 0},      {L"fr", 11, 0},    {L"ja", 8, 0}};
    for (const auto& entry : cases) {
        EXPECT_EQ(ArticleForm(entry.tag, entry.number), entry.form) << entry.tag << " " << entry.number;
    }
}

TEST(FillPlaceholders, PutsEachValueWhereItsNumberStands) {
    const struct {
        const wchar_t* pattern;
        std::vector<std::wstring> values;
        const wchar_t* text;
    } cases[] = {
        {L"Time left: {0}", {L"00:03:12"}, L"Time left: 00:03:12"},
        {L"{1}後に{0}が始まります。", {L"5分の休憩", L"1分"}, L"1分後に5分の休憩が始まります。"},
        {L"{0} (error {1})", {L"Access is denied.", L"5"}, L"Access is denied. (error 5)"},
        // A value is not read again: a file named like a placeholder stays as it is.
        {L"file\n{0}\n\n{1}", {L"C:\\{1}\\config", L"why"}, L"file\nC:\\{1}\\config\n\nwhy"},
        {L"{0} and {0}", {L"x"}, L"x and x"},
        {L"{2} stays", {L"a", L"b"}, L"{2} stays"},
        {L"{10} stays", {L"a", L"b"}, L"{10} stays"},
        {L"{} {x} { {0", {L"a"}, L"{} {x} { {0"},
        {L"no placeholder", {L"a"}, L"no placeholder"},
        {L"", {}, L""},
    };
    for (const auto& entry : cases) {
        EXPECT_EQ(FillPlaceholders(entry.pattern, entry.values), entry.text) << entry.pattern;
    }
}

TEST(FormAt, TakesTheFormOrTheLastOne) {
    const struct {
        const wchar_t* forms;
        std::size_t index;
        const wchar_t* form;
    } cases[] = {{L"one|few|many", 0, L"one"}, {L"one|few|many", 1, L"few"}, {L"one|few|many", 2, L"many"},
                 {L"one|few|many", 5, L"many"}, {L"only", 1, L"only"},       {L"|other", 0, L""}};
    for (const auto& entry : cases) {
        EXPECT_EQ(FormAt(entry.forms, entry.index), entry.form) << entry.forms << " " << entry.index;
    }
}

TEST(ChooseLanguage, FallsBackFromRegionToLanguageToEnglish) {
    // Windows language ids: 0x0407 de-DE, 0x0c07 de-AT, 0x0007 de, 0x0416 pt-BR, 0x0816 pt-PT,
    // 0x0804 zh-CN, 0x0404 zh-TW, 0x040c fr-FR, 0x0009 en, 0x0409 en-US.
    const std::vector<std::uint16_t> tables{0x0009, 0x0007, 0x0416, 0x0804};
    const struct {
        std::uint16_t user;
        std::vector<std::uint16_t> available;
        std::uint16_t chosen;
    } cases[] = {{0x0407, tables, 0x0007},           {0x0c07, tables, 0x0007},
                 {0x0416, tables, 0x0416},           {0x0816, tables, 0x0416},
                 {0x0804, tables, 0x0804},           {0x0404, tables, 0x0804},
                 {0x0409, tables, 0x0009},           {0x040c, tables, 0x0009},
                 {0x0407, {0x0007, 0x0407}, 0x0407}, {0x0407, {}, 0x0009}};
    for (const auto& entry : cases) {
        EXPECT_EQ(ChooseLanguage(entry.user, entry.available), entry.chosen) << std::hex << entry.user;
    }
}

TEST(LanguageHelpFilePath, NamesTheLanguagesFileBesideTheEnglishOne) {
    const struct {
        const wchar_t* english;
        const wchar_t* tag;
        const wchar_t* file;
    } cases[] = {{L"C:\\Tavelin/Help.chm", L"de", L"C:\\Tavelin/Help.de.chm"},
                 {L"C:\\Tavelin/Help.chm", L"pt-BR", L"C:\\Tavelin/Help.pt-BR.chm"},
                 {L"C:\\Tavelin/Help.chm", L"en", L"C:\\Tavelin/Help.chm"},
                 {L"C:\\Tavelin/Help.chm", L"", L"C:\\Tavelin/Help.chm"},
                 {L"C:\\Tavelin/Help", L"de", L"C:\\Tavelin/Help"}};
    for (const auto& entry : cases) {
        EXPECT_EQ(LanguageHelpFilePath(entry.english, entry.tag), entry.file) << entry.tag;
    }
}

// The heads-up put together from the tables: the form each count takes, and the order of the parts.
TEST(HeadsUpText, SpeaksEachLanguageWithItsForms) {
    const struct {
        const char* tag;
        const char* pauseLength;
        std::int64_t secondsLeft;
        const wchar_t* text;
    } cases[] = {{"en", "00:08:00", 60, L"An 8-minute pause begins in 1 minute."},
                 {"de", "00:05:00", 60, L"Eine 5-Minuten-Pause beginnt in 1 Minute."},
                 {"fr", "00:00:30", 1, L"Une pause de 30 s commence dans 1 seconde."},
                 {"pl", "00:05:00", 40, L"5-minutowa przerwa zacznie się za 40 sekund."},
                 {"pl", "01:00:00", 22, L"1-godzinna przerwa zacznie się za 22 sekundy."},
                 {"ru", "00:05:00", 21, L"Перерыв на 5 мин начнётся через 21 секунду."},
                 {"ru", "00:05:00", 12, L"Перерыв на 5 мин начнётся через 12 секунд."},
                 {"ja", "00:05:00", 60, L"1分後に5分の休憩が始まります。"}};
    for (const auto& entry : cases) {
        EXPECT_EQ(HeadsUpText(TStringTables::Read().Texts(entry.tag), entry.pauseLength, entry.secondsLeft), entry.text)
            << entry.tag;
    }
}

}  // namespace
