#include "ui/ReportSaveFailure.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <string>

namespace {

// What the box showed, read while it was open.
struct TBoxSeen {
    bool found = false;
    HWND owner = nullptr;
    std::wstring text;
};

std::wstring Lowered(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))); });
    return text;
}

struct TReasonCase {
    int code;
    // A word the system's description of the code holds, or the code itself when it has none.
    std::wstring reasonPart;
};

class SaveFailureBox : public testing::TestWithParam<TReasonCase> {};

TEST_P(SaveFailureBox, IsOwnedByTheWindowAndNamesTheFileTheReasonAndTheConsequence) {
    TWindow owner(L"owner", true, nullptr);
    const std::wstring file = L"C:\\users\\\u00e9t\u00e9\\AppData\\Roaming\\Tavelin\\config";
    TBoxSeen seen;
    // Runs inside the box's own message loop, then closes the box as its OK button would.
    const TDelayedAction inspect(
        [&seen] {
            const HWND box = FindWindowW(L"#32770", L"Tavelin");
            seen.found = box != nullptr && GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId();
            seen.owner = GetWindow(box, GW_OWNER);
            wchar_t longer[1024] = {};
            GetDlgItemTextW(box, 0xFFFF, longer, 1024);
            seen.text = longer;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        300);
    ReportSaveFailure(owner, EnglishResourceTexts(), file, std::error_code(GetParam().code, std::system_category()));

    ASSERT_TRUE(seen.found) << "a box captioned Tavelin";
    EXPECT_EQ(seen.owner, owner.GetHandle());
    EXPECT_EQ(seen.text.rfind(L"The settings could not be saved to the file\n" + file + L"\n\n", 0), 0u) << seen.text;
    const std::size_t end = seen.text.size() - std::wstring(L"\n\nThe new values apply until Tavelin ends.").size();
    EXPECT_EQ(seen.text.substr(end), L"\n\nThe new values apply until Tavelin ends.") << seen.text;
    EXPECT_NE(Lowered(seen.text).find(GetParam().reasonPart), std::wstring::npos) << seen.text;
}

INSTANTIATE_TEST_SUITE_P(Codes, SaveFailureBox,
                         testing::Values(TReasonCase{ERROR_PATH_NOT_FOUND, L"path"},
                                         TReasonCase{ERROR_ACCESS_DENIED, L"access"},
                                         // A code the system has no words for.
                                         TReasonCase{0x20001234, L"error 536875572."}));

}  // namespace
