#include "core/AppState.h"
#include "core/Settings.h"

#include "TTestFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpFilePath, IsTheProgramFolderWithAForwardSlash) {
    const struct {
        std::wstring program;
        std::wstring help;
    } cases[] = {{L"C:\\Tools\\Breaks\\app.exe", L"C:\\Tools\\Breaks/Help.chm"},
                 {L"C:/Tools/app.exe", L"C:/Tools/Help.chm"},
                 {L"C:\\Tools/sub\\app.exe", L"C:\\Tools/sub/Help.chm"},
                 {L"app.exe", L"app.exe/Help.chm"},
                 {L"", L"/Help.chm"},
                 {L"C:\\\u00e9t\u00e9\\app.exe", L"C:\\\u00e9t\u00e9/Help.chm"}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.program);
        EXPECT_EQ(HelpFilePathBeside(entry.program), entry.help);
    }
    EXPECT_EQ(HelpFilePath(), HelpFilePathBeside(ProgramFilePath()));
    EXPECT_FALSE(ProgramFilePath().empty());
}

// Start-up reads the real data folder, so these run with the settings file put there and removed.
class StartUp : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(AppDataFolderPath().empty());
        std::filesystem::create_directories(FileSystemPath(AppDataFolderPath()));
        folderExisted = std::filesystem::exists(FileSystemPath(DataFolderPath()));
        ASSERT_FALSE(std::filesystem::exists(FileSystemPath(DataFolderPath() + L"\\config")))
            << "a real settings file is in the way";
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove(FileSystemPath(DataFolderPath() + L"\\config"), ignored);
        if (!folderExisted) {
            std::filesystem::remove(FileSystemPath(DataFolderPath()), ignored);
        }
    }

    bool folderExisted = false;
};

TEST_F(StartUp, WithoutAFileUsesTheDefaultsAndCreatesNothing) {
    AppState state;
    InitializeAppState(state, [] { return std::string("2026.12.08 23:30:10"); });
    EXPECT_EQ(state.dataFolder, DataFolderPath());
    EXPECT_EQ(state.helpFilePath, HelpFilePath());
    EXPECT_EQ(state.interval, "01:00:00");
    EXPECT_EQ(state.pauseLength, "00:05:00");
    EXPECT_EQ(state.nextPauseStart, "2026.12.09 00:30:10");
    EXPECT_EQ(state.pauseEnd, "2026.12.09 00:35:10");
    EXPECT_EQ(std::filesystem::exists(FileSystemPath(DataFolderPath())), folderExisted);
}

TEST_F(StartUp, TakesTheSettingsFile) {
    CreateFolder(DataFolderPath());
    WriteBytes(DataFolderPath() + L"\\config", "00:45:00\r\n00:02:30\r\n");
    AppState state;
    InitializeAppState(state, [] { return std::string("2026.12.08 09:00:00"); });
    EXPECT_EQ(state.interval, "00:45:00");
    EXPECT_EQ(state.pauseLength, "00:02:30");
    EXPECT_EQ(state.nextPauseStart, "2026.12.08 09:45:00");
    EXPECT_EQ(state.pauseEnd, "2026.12.08 09:47:30");
}

}  // namespace
