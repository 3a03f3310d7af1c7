#include "core/ResourceTexts.h"
#include "core/TextIds.h"

#include "TStringTables.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <vector>

namespace {

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

// Every table the resource compiler put into the program is found by its language and reads as its
// source file does, character for character (UTF-8 sources, so the code page must be honoured), and
// every source file made a table.
TEST(ResourceTexts, ReadAsTheirSourcesForEveryLanguage) {
    std::vector<WORD> languages;
    EnumResourceLanguagesW(GetModuleHandleW(nullptr), RT_STRING, MAKEINTRESOURCEW(IDS_LANGUAGE_TAG / 16 + 1),
                           AddLanguage, reinterpret_cast<LONG_PTR>(&languages));
    const TStringTables& tables = TStringTables::Read();
    std::set<std::string> found;
    for (const WORD language : languages) {
        const TTexts texts = ResourceTexts(language);
        const std::string tag(texts.Tag().begin(), texts.Tag().end());
        found.insert(tag);
        for (const auto& [id, text] : tables.Table(tag).texts) {
            EXPECT_EQ(texts.Text(id), text) << tables.Names().at(id) << " in " << tag;
        }
    }
    const std::vector<std::string> tags = tables.Tags();
    EXPECT_EQ(found, std::set<std::string>(tags.begin(), tags.end()));
}

// A user's language with no table of its own reads English; a region finds its language's table.
TEST(ResourceTexts, FallBackToTheLanguageThenEnglish) {
    const struct {
        WORD user;
        const wchar_t* tag;
    } cases[] = {{MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN_AUSTRIAN), L"de"},
                 {MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE), L"pt-BR"},
                 {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK), L"en"},
                 {MAKELANGID(LANG_GREEK, SUBLANG_GREEK_GREECE), L"en"}};
    for (const auto& entry : cases) {
        const TTexts texts = ResourceTexts(entry.user);
        EXPECT_EQ(texts.Tag(), entry.tag) << std::hex << entry.user;
        EXPECT_FALSE(texts.Text(IDS_PAUSE_BUTTON).empty()) << std::hex << entry.user;
    }
    EXPECT_EQ(ResourceTexts(MAKELANGID(LANG_GREEK, SUBLANG_GREEK_GREECE)).Text(IDS_PAUSE_TITLE), L"Make a pause :)");
}

}  // namespace
