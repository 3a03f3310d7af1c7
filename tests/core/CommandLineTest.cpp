#include "core/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(IsQuitCommand, TakesSlashOrDashQuitInAnyCaseAmongTheArguments) {
    const struct {
        std::vector<std::wstring> arguments;
        bool quit;
    } cases[] = {{{}, false},
                 {{L"/quit"}, true},
                 {{L"-quit"}, true},
                 {{L"/QUIT"}, true},
                 {{L"-Quit"}, true},
                 {{L"/qUiT"}, true},
                 {{L"--quit"}, false},
                 {{L"quit"}, false},
                 {{L"/quit2"}, false},
                 {{L"/qui"}, false},
                 {{L"/quit "}, false},
                 {{L"\\quit"}, false},
                 {{L""}, false},
                 {{L"/q"}, false},
                 // No case folding beyond ASCII: a dotless capital I is no "i".
                 {{L"/QU\u0130T"}, false},
                 {{L"anything", L"/Quit"}, true},
                 {{L"-quit", L"more"}, true},
                 {{L"/start", L"extra"}, false}};
    for (const auto& entry : cases) {
        EXPECT_EQ(IsQuitCommand(entry.arguments), entry.quit)
            << testing::PrintToString(entry.arguments.empty() ? std::wstring() : entry.arguments.front());
    }
}

}  // namespace
