#include "ui/TPauseWindow.h"

#include "core/TextIds.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <tuple>

namespace {

struct TLanguageCase {
    const char* tag;
    LANGID language;
};

class IdeaFitTest : public testing::TestWithParam<std::tuple<TLanguageCase, std::int32_t>> {};

// What the system sends when the window lands on a monitor of the DPI.
void MoveToDpi(TWindow& window, std::int32_t dpi) {
    RECT proposed{};
    GetWindowRect(window.GetHandle(), &proposed);
    SendMessageW(window.GetHandle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&proposed));
    DrainMessages();
}

// Every idea of the language, at the DPI, inside the pause window with the margins kept.
TEST_P(IdeaFitTest, EveryIdeaFitsInsideTheWindow) {
    const auto& [language, dpi] = GetParam();
    const TTexts texts = ResourceTexts(language.language);
    ASSERT_EQ(texts.Text(IDS_LANGUAGE_TAG), std::wstring(language.tag, language.tag + std::strlen(language.tag)));
    TWindowList dialogWindows;
    TPauseWindow window(dialogWindows, texts);
    window.ShowTimeLeft("00:04:59");
    MoveToDpi(window, dpi);
    const std::int32_t gap = window.Scale(5);
    for (int id = IDS_IDEA_1; id <= IDS_IDEA_12; ++id) {
        SCOPED_TRACE(id);
        window.SetIdea(texts.Text(id));
        window.ShowTimeLeft("00:04:58");
        const TControlText& idea = *window.GetIdeaText();
        const SIZE client = ClientSize(window.GetHandle());
        EXPECT_GE(idea.GetPosition().x, gap);
        EXPECT_LE(idea.GetPosition().x + idea.GetSize().width, client.cx - gap);
        EXPECT_LE(idea.GetSize().width, window.Scale(300)) << "wrapped to a sensible width";
        EXPECT_LE(idea.GetPosition().y + idea.GetSize().height + gap, window.GetTimeLeftText()->GetPosition().y);
        EXPECT_EQ(idea.GetSize(), idea.GetNaturalSize()) << "the whole text drawn";
    }
    window.Hide();
}

INSTANTIATE_TEST_SUITE_P(
    Languages, IdeaFitTest,
    testing::Combine(
        testing::Values(TLanguageCase{"en", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
                        TLanguageCase{"de", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)},
                        TLanguageCase{"fr", MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH)},
                        TLanguageCase{"es", MAKELANGID(LANG_SPANISH, SUBLANG_SPANISH_MODERN)},
                        TLanguageCase{"it", MAKELANGID(LANG_ITALIAN, SUBLANG_ITALIAN)},
                        TLanguageCase{"pt-BR", MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN)},
                        TLanguageCase{"nl", MAKELANGID(LANG_DUTCH, SUBLANG_DUTCH)},
                        TLanguageCase{"pl", MAKELANGID(LANG_POLISH, SUBLANG_DEFAULT)},
                        TLanguageCase{"ru", MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT)},
                        TLanguageCase{"ja", MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT)},
                        TLanguageCase{"zh-CN", MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)}),
        testing::Values(96, 144)),
    [](const testing::TestParamInfo<IdeaFitTest::ParamType>& entry) {
        std::string name = std::string(std::get<0>(entry.param).tag) + "_" + std::to_string(std::get<1>(entry.param));
        name.erase(std::remove(name.begin(), name.end(), '-'), name.end());
        return name;
    });

}  // namespace
