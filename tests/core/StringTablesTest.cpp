#include "core/TextForms.h"
#include "core/TextIds.h"

#include "TCaseName.h"
#include "TStringTables.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

// The texts whose forms a count chooses, and by which rule; every other text has one form.
enum class TFormRule { plural, article };
const std::map<int, TFormRule> formRules{{IDS_HEADS_UP_PAUSE_SECONDS, TFormRule::article},
                                         {IDS_HEADS_UP_PAUSE_MINUTES, TFormRule::article},
                                         {IDS_HEADS_UP_PAUSE_HOURS, TFormRule::article},
                                         {IDS_HEADS_UP_IN_SECONDS, TFormRule::plural},
                                         {IDS_HEADS_UP_IN_MINUTES, TFormRule::plural}};

std::vector<std::wstring> Forms(const std::wstring& text) {
    std::vector<std::wstring> forms;
    std::size_t start = 0;
    for (std::size_t bar = text.find(L'|'); bar != std::wstring::npos; bar = text.find(L'|', start)) {
        forms.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    forms.push_back(text.substr(start));
    return forms;
}

// The placeholders of a text, counted, in no particular order.
std::multiset<std::wstring> Placeholders(const std::wstring& text) {
    static const std::wregex placeholder(LR"(\{\d+\})");
    std::multiset<std::wstring> found;
    for (auto it = std::wsregex_iterator(text.begin(), text.end(), placeholder); it != std::wsregex_iterator(); ++it) {
        found.insert(it->str());
    }
    return found;
}

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

class StringTable : public testing::TestWithParam<std::string> {};

TEST_P(StringTable, DefinesEveryEnglishTextWithItsPlaceholdersAndForms) {
    const TStringTables& tables = TStringTables::Read();
    const std::string& tag = GetParam();
    const TStringTables::TTable& english = tables.Table("en");
    const TStringTables::TTable& table = tables.Table(tag);
    EXPECT_TRUE(table.unknownNames.empty()) << tag << " names ids that core/TextIds.h lacks: " << table.unknownNames[0];
    ASSERT_FALSE(english.texts.empty());
    for (const auto& [id, englishText] : english.texts) {
        const std::string& name = tables.Names().at(id);
        const auto found = table.texts.find(id);
        if (found == table.texts.end()) {
            ADD_FAILURE() << name << " is missing in " << tag;
            continue;
        }
        const std::vector<std::wstring> forms = Forms(found->second);
        const auto rule = formRules.find(id);
        const std::size_t expectedForms = rule == formRules.end()                    ? 1
                                          : rule->second == TFormRule::plural ? PluralFormCount(Wide(tag))
                                                                              : ArticleFormCount(Wide(tag));
        EXPECT_EQ(forms.size(), expectedForms) << name << " in " << tag << " has the wrong number of forms";
        const auto englishPlaceholders = Placeholders(Forms(englishText)[0]);
        for (const std::wstring& form : forms) {
            EXPECT_FALSE(form.empty()) << name << " is empty in " << tag;
            EXPECT_EQ(Placeholders(form), englishPlaceholders) << name << " in " << tag << " has other placeholders";
        }
    }
    EXPECT_EQ(table.texts.at(IDS_LANGUAGE_TAG), Wide(tag)) << "the tag inside " << tag << ".rc";
}

// Every file there is, so that a new language is checked without a change here.
INSTANTIATE_TEST_SUITE_P(Languages, StringTable, testing::ValuesIn(TStringTables::Read().Tags()),
                         TCaseName());

TEST(StringTables, IncludeEnglishAndEveryIdHasAnEnglishText) {
    const TStringTables& tables = TStringTables::Read();
    const TStringTables::TTable& english = tables.Table("en");
    for (const auto& [id, name] : tables.Names()) {
        EXPECT_EQ(english.texts.count(id), 1u) << name << " has no English text";
    }
}

}  // namespace
