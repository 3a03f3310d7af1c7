#include "core/Settings.h"
#include "core/SettingsContent.h"

#include "TCaseName.h"
#include "TTestFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace {

struct TLoadCase {
    const char* name;
    std::string bytes;
    std::string interval;
    std::string pauseLength;
};

class LoadedFiles : public testing::TestWithParam<TLoadCase> {};

TEST_P(LoadedFiles, GiveUsableValues) {
    TTestFolder folder;
    WriteBytes(folder.Wide(L"config"), GetParam().bytes);
    std::string interval = "01:00:00";
    std::string pauseLength = "00:05:00";
    TSettingsOptions options;
    LoadSettings(folder.Wide(), interval, pauseLength, options);
    EXPECT_EQ(interval, GetParam().interval);
    EXPECT_EQ(pauseLength, GetParam().pauseLength);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LoadedFiles,
    testing::Values(
        TLoadCase{"CrLf", "00:45:00\r\n00:02:30\r\n", "00:45:00", "00:02:30"},
        TLoadCase{"Lf", "00:45:00\n00:02:30\n", "00:45:00", "00:02:30"},
        TLoadCase{"NoFinalLineEnd", "00:45:00\r\n00:02:30", "00:45:00", "00:02:30"},
        TLoadCase{"MoreLines", "00:45:00\r\n00:02:30\r\n11:11:11\r\n", "00:45:00", "00:02:30"},
        TLoadCase{"LongTail", "00:45:00\r\n00:02:30\r\n" + std::string(10000, 'x'), "00:45:00", "00:02:30"},
        TLoadCase{"TrailingBlankKept", "00:45:00 \r\n00:02:30\r\n", "00:45:00 ", "00:02:30"},
        TLoadCase{"SingleDigitsKept", "1:2:3\r\n0:0:0\r\n", "1:2:3", "0:0:0"},
        TLoadCase{"LoneCrBelongsToValue", "00:45:00\r00:02:30\r\n", "00:45:00\r00:02:30", "00:05:00"},
        TLoadCase{"OneLineWithEnd", "00:45:00\r\n", "00:45:00", "00:05:00"},
        TLoadCase{"OneLineWithoutEnd", "00:45:00", "00:45:00", "00:05:00"},
        TLoadCase{"Empty", "", "01:00:00", "00:05:00"},
        TLoadCase{"BlankLines", "\r\n\r\n", "01:00:00", "00:05:00"},
        TLoadCase{"Truncated", "00:4", "01:00:00", "00:05:00"},
        TLoadCase{"AboveADay", "25:00:00\r\n00:02:30\r\n", "01:00:00", "00:02:30"},
        TLoadCase{"MinutesOutOfRange", "00:45:00\r\n00:90:00\r\n", "00:45:00", "00:05:00"},
        TLoadCase{"Negative", "-1:00:00\r\n00:00:-5\r\n", "01:00:00", "00:05:00"},
        TLoadCase{"Garbage", std::string("\x00\xff\x1a garbage\n\xef\xbb\xbf", 15), "01:00:00", "00:05:00"},
        TLoadCase{"ByteOrderMark", "\xef\xbb\xbf" "00:45:00\r\n00:02:30\r\n", "01:00:00", "00:02:30"}),
    TCaseName());

TEST(LoadSettings, WithoutAFileKeepsTheDefaultsAndCreatesNothing) {
    TTestFolder folder;
    std::string interval = "01:00:00";
    std::string pauseLength = "00:05:00";
    TSettingsOptions options;
    LoadSettings(folder.Wide(L"Tavelin"), interval, pauseLength, options);
    EXPECT_EQ(interval, "01:00:00");
    EXPECT_EQ(pauseLength, "00:05:00");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "Tavelin"));
}

TEST(ReadSettingsLines, FollowsTheLineReadingRuleBeforeAnyCheck) {
    const struct {
        std::string bytes;
        std::string interval;
        std::string pauseLength;
    } cases[] = {{"a\r\nb\r\n", "a", "b"},
                 {"a\r\n", "a", ""},
                 {"a", "a", "keep"},
                 {"", "", "keep"},
                 {"a\r", "a\r", "keep"},
                 {"\n\n", "", ""},
                 {"\n", "", ""},
                 {"a\nb", "a", "b"},
                 {"a\r\nb\r", "a", "b\r"},
                 {"a\rb\n", "a\rb", ""},
                 {"a\r\r\n\r\n", "a\r", ""},
                 {"a\nb\nc\n", "a", "b"},
                 {std::string("a\0b\n\0", 5), std::string("a\0b", 3), std::string("\0", 1)}};
    for (const auto& entry : cases) {
        std::string interval = "keep";
        std::string pauseLength = "keep";
        ReadSettingsLines(entry.bytes, interval, pauseLength);
        EXPECT_EQ(interval, entry.interval) << testing::PrintToString(entry.bytes);
        EXPECT_EQ(pauseLength, entry.pauseLength) << testing::PrintToString(entry.bytes);
    }
}

class SavedSettings : public testing::Test {
protected:
    // An application-data folder whose name needs more than ASCII: accents, Cyrillic, and a
    // character outside the Basic Multilingual Plane.
    TTestFolder appData{L"tavelin-\u00e9t\u00e9-\u041f\u0440\u0438\u0432\u0435\u0442-\U0001F600"};
    std::wstring dataFolder = appData.Wide(L"Tavelin");

    std::vector<std::filesystem::path> FilesInDataFolder() const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(appData.Path() / "Tavelin")) {
            files.push_back(entry.path().filename());
        }
        return files;
    }
};

TEST_F(SavedSettings, CreateTheFolderAndWriteExactlyTheBytes) {
    SaveSettings(dataFolder, "01:30:00", "00:10:00", {});
    EXPECT_EQ(ReadBytes(dataFolder + L"\\config"), "01:30:00\r\n00:10:00\r\n");
    EXPECT_EQ(FilesInDataFolder(), std::vector<std::filesystem::path>{"config"});
}

TEST_F(SavedSettings, ReplaceLongerContentAndReadBack) {
    CreateFolder(dataFolder);
    // Longer times than the new ones: lines after them would be kept as a newer version's.
    WriteBytes(dataFolder + L"\\config", "12:00:00 and a long tail of old content\r\n12:00:00 and more\r\n");
    SaveSettings(dataFolder, "00:45:00", "00:02:30", {});
    EXPECT_EQ(ReadBytes(dataFolder + L"\\config"), "00:45:00\r\n00:02:30\r\n");
    std::string interval = "01:00:00";
    std::string pauseLength = "00:05:00";
    TSettingsOptions options;
    LoadSettings(dataFolder, interval, pauseLength, options);
    EXPECT_EQ(interval, "00:45:00");
    EXPECT_EQ(pauseLength, "00:02:30");
    EXPECT_EQ(FilesInDataFolder(), std::vector<std::filesystem::path>{"config"});
}

TEST_F(SavedSettings, ReportNoErrorWhenSaved) {
    EXPECT_FALSE(SaveSettings(dataFolder, "01:30:00", "00:10:00", {}));
    EXPECT_FALSE(SaveSettings(dataFolder, "01:30:00", "00:10:00", {})) << "over an existing file";
    EXPECT_EQ(SettingsFilePath(dataFolder), dataFolder + L"\\config");
}

// Each failure gives the system's code for its cause, leaves what was there whole and leaves no
// temporary file behind. The codes are GetLastError's on Windows and errno's elsewhere.
struct TSaveFailureCase {
    const char* name;
    // Paths below the application-data folder: folders made first, then files with their content.
    std::vector<std::wstring> folders;
    std::vector<std::pair<std::wstring, std::string>> files;
    std::wstring dataFolder;
    int windowsError;
    int nativeError;
};

void PrintTo(const TSaveFailureCase& entry, std::ostream* output) {
    *output << entry.name;
}

class FailedSaves : public testing::TestWithParam<TSaveFailureCase> {};

constexpr int PathNotFound = 3;  // ERROR_PATH_NOT_FOUND
constexpr int AccessDenied = 5;  // ERROR_ACCESS_DENIED

std::vector<std::string> TreeOf(const std::filesystem::path& root) {
    std::vector<std::string> tree;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string name = std::filesystem::relative(entry.path(), root).generic_string();
        if (entry.is_directory()) {
            tree.push_back(name + "/");
            continue;
        }
        std::ifstream file(entry.path(), std::ios::binary);
        tree.push_back(name + "=" + std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    }
    std::sort(tree.begin(), tree.end());
    return tree;
}

TEST_P(FailedSaves, GiveTheSystemsReasonAndChangeNothing) {
    const TSaveFailureCase& c = GetParam();
    TTestFolder appData;
    for (const std::wstring& folder : c.folders) {
        std::filesystem::create_directories(FileSystemPath(appData.Wide(folder)));
    }
    for (const auto& [file, content] : c.files) {
        WriteBytes(appData.Wide(file), content);
    }
    const std::vector<std::string> before = TreeOf(appData.Path());

    const std::error_code error = SaveSettings(appData.Wide(c.dataFolder), "00:45:00", "00:02:30", {});
#ifdef _WIN32
    EXPECT_EQ(error.value(), c.windowsError);
#else
    EXPECT_EQ(error.value(), c.nativeError);
#endif
    EXPECT_EQ(error.category(), std::system_category());
    EXPECT_EQ(TreeOf(appData.Path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FailedSaves,
    testing::Values(
        TSaveFailureCase{"DataFolderIsAFile", {}, {{L"Tavelin", "a file"}}, L"Tavelin", PathNotFound, ENOTDIR},
        TSaveFailureCase{"ParentMissing", {}, {}, L"missing\\parent\\Tavelin", PathNotFound, ENOENT},
        TSaveFailureCase{"ConfigIsAFolder", {L"Tavelin\\config"}, {}, L"Tavelin", AccessDenied, EISDIR},
        TSaveFailureCase{"ConfigIsAFolderWithContent", {L"Tavelin\\config"}, {{L"Tavelin\\config\\old", "kept"}},
                         L"Tavelin", AccessDenied, EISDIR},
        TSaveFailureCase{"TemporaryFileCannotBeMade",
                         {L"Tavelin\\config.tmp"},
                         {{L"Tavelin\\config", "12:00:00\r\n12:00:00\r\n"}, {L"Tavelin\\config.tmp\\in-the-way", ""}},
                         L"Tavelin", AccessDenied, EISDIR}),
    TCaseName());

// Sizes around the read chunk, with every byte value, so a lost or doubled chunk shows.
TEST(ReadWholeFile, GivesBackEveryByte) {
    TTestFolder folder;
    for (const std::size_t size : {0, 1, 4095, 4096, 4097, 10000}) {
        SCOPED_TRACE(testing::Message() << "size " << size);
        std::string bytes(size, '\0');
        for (std::size_t index = 0; index < size; ++index) {
            bytes[index] = static_cast<char>((index * 7 + index / 256) % 256);
        }
        WriteBytes(folder.Wide(L"file"), bytes);
        const auto content = ReadWholeFile(folder.Wide(L"file"));
        ASSERT_TRUE(content.has_value()) << size;
        EXPECT_EQ(content->size(), size);
        EXPECT_TRUE(*content == bytes) << "the bytes differ at size " << size;
    }
}

TEST(ReadWholeFile, GivesNothingForAMissingFileOrAFolder) {
    TTestFolder folder;
    EXPECT_EQ(ReadWholeFile(folder.Wide(L"missing")), std::nullopt);
    CreateFolder(folder.Wide(L"folder"));
    EXPECT_EQ(ReadWholeFile(folder.Wide(L"folder")), std::nullopt);
}

TEST(DataFolderPath, IsTheApplicationDataFolderWithTavelin) {
    EXPECT_EQ(DataFolderPath(), AppDataFolderPath() + L"\\Tavelin");
}

// What lies beside the program decides: only a folder named Settings makes the copy portable.
TEST(DataFolderPathFor, IsTheSettingsFolderBesideTheProgramOnlyWhereThatFolderExists) {
    enum class TBeside { nothing, settingsFolder, settingsFile, otherFolder };
    const struct {
        const char* name;
        TBeside beside;
        bool portable;
    } cases[] = {
        {"nothing beside", TBeside::nothing, false},
        {"a Settings folder", TBeside::settingsFolder, true},
        {"a file named Settings", TBeside::settingsFile, false},
        {"a folder of another name", TBeside::otherFolder, false},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        TTestFolder folder;
        if (row.beside == TBeside::settingsFolder) {
            CreateFolder(folder.Wide(L"Settings"));
        } else if (row.beside == TBeside::settingsFile) {
            WriteBytes(folder.Wide(L"Settings"), "not a folder");
        } else if (row.beside == TBeside::otherFolder) {
            CreateFolder(folder.Wide(L"config"));
        }
        const std::wstring expected = row.portable ? folder.Wide(L"Settings") : AppDataFolderPath() + L"\\Tavelin";
        EXPECT_EQ(DataFolderPathFor(folder.Wide(L"Tavelin.exe")), expected);
    }
}

TEST(DataFolderPathFor, SavesAndLoadsInThePortableFolderAndReportsAFailedSaveThere) {
    TTestFolder folder;
    CreateFolder(folder.Wide(L"Settings"));
    const std::wstring dataFolder = DataFolderPathFor(folder.Wide(L"Tavelin.exe"));
    ASSERT_FALSE(SaveSettings(dataFolder, "00:20:00", "00:02:00", {}));
    EXPECT_EQ(ReadWholeFile(folder.Wide(L"Settings\\config")), std::optional<std::string>("00:20:00\r\n00:02:00\r\n"));
    std::string interval = "01:00:00";
    std::string pauseLength = "00:05:00";
    TSettingsOptions options;
    LoadSettings(dataFolder, interval, pauseLength, options);
    EXPECT_EQ(interval + " " + pauseLength, "00:20:00 00:02:00");

    // A config that is a folder cannot be replaced: the save fails as any other would.
    RemoveFile(folder.Wide(L"Settings\\config"));
    CreateFolder(folder.Wide(L"Settings\\config"));
    EXPECT_TRUE(SaveSettings(dataFolder, "00:30:00", "00:03:00", {}));
    EXPECT_EQ(SettingsFilePath(dataFolder), folder.Wide(L"Settings\\config"));
}

}  // namespace
