#include "ui/TConfigurationWindow.h"
#include "ui/TPauseWindow.h"

#include "ReferencePath.h"
#include "TCaseName.h"
#include "TPicture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

namespace {

// The windows as drawn in the default colour scheme before they took their colours from the system;
// TAVELIN_WRITE_REFERENCES=1 writes the pictures anew instead of comparing.
struct TLookCase {
    const char* name;
    std::function<HWND(TPauseWindow&, TConfigurationWindow&)> show;
};

class LookTest : public testing::TestWithParam<TLookCase> {
protected:
    LookTest() {
        configWindow.GetIntervalPicker().SetValue("01:00:00");
        configWindow.GetPauseLengthPicker().SetValue("00:05:00");
    }

    std::wstring helpFilePath = L"C:/nowhere/Help.chm";
    TWindowList dialogWindows;
    TPauseWindow pauseWindow{dialogWindows, EnglishResourceTexts()};
    TConfigurationWindow configWindow{dialogWindows, EnglishResourceTexts(), helpFilePath};
};

TEST_P(LookTest, DefaultSchemeLooksAsBefore) {
    const HWND window = GetParam().show(pauseWindow, configWindow);
    // The focused picker draws its selection only once the window manager has made the window active.
    for (int tries = 0; tries < 100 && GetForegroundWindow() != window; ++tries) {
        DrainMessages();
        Sleep(10);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    DrainMessages();
    const TPicture seen = TPicture::FromClientArea(window);
    const char* const write = std::getenv("TAVELIN_WRITE_REFERENCES");
    if (write != nullptr && std::string(write) == "1") {
        ASSERT_TRUE(seen.Save(ReferencePath(GetParam().name)));
        GTEST_SKIP() << "reference written";
    }
    const TPicture reference = TPicture::Load(ReferencePath(GetParam().name));
    ASSERT_GT(reference.Width(), 0) << "no reference picture";
    EXPECT_EQ(seen.Width(), reference.Width());
    EXPECT_EQ(seen.Height(), reference.Height());
    EXPECT_EQ(seen.DifferingPixels(reference), 0u);
    if (seen.DifferingPixels(reference) != 0) {
        // Left in the test's working folder, to be compared with the reference by eye.
        const std::string seenName = std::string("look-") + GetParam().name + "-seen.png";
        seen.Save(std::wstring(seenName.begin(), seenName.end()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, LookTest,
    testing::Values(TLookCase{"pause-running",
                              [](TPauseWindow& pause, TConfigurationWindow&) {
                                  pause.ShowTimeLeft("00:04:59");
                                  return pause.GetHandle();
                              }},
                    TLookCase{"pause-over",
                              [](TPauseWindow& pause, TConfigurationWindow&) {
                                  pause.ShowTimeLeft("");
                                  return pause.GetHandle();
                              }},
                    TLookCase{"configuration",
                              [](TPauseWindow&, TConfigurationWindow& configuration) {
                                  configuration.Open();
                                  return configuration.GetHandle();
                              }}),
    TCaseName());

}  // namespace
