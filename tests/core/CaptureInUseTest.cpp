#include "core/Presence.h"

#include "TCaseName.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::wstring Store = L"Software\\TavelinTest\\ConsentStore";

struct TEntry {
    const wchar_t* path;  // under the store
    std::uint64_t start;
    std::uint64_t stop;
};

struct TCaptureCase {
    const char* name;
    std::vector<TEntry> entries;
    bool inUse;
};

class CaptureInUse : public testing::TestWithParam<TCaptureCase> {
protected:
    ~CaptureInUse() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TavelinTest"); }

    static void Write(const TEntry& entry) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (Store + L"\\" + entry.path).c_str(), 0, nullptr, 0, KEY_WRITE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"LastUsedTimeStart", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&entry.start),
                       sizeof(entry.start));
        RegSetValueExW(key, L"LastUsedTimeStop", 0, REG_QWORD, reinterpret_cast<const BYTE*>(&entry.stop),
                       sizeof(entry.stop));
        RegCloseKey(key);
    }
};

TEST_P(CaptureInUse, WhileAnEntryHasStartedAndNotStopped) {
    for (const TEntry& entry : GetParam().entries) {
        Write(entry);
    }
    EXPECT_EQ(IsCaptureInUse(Store), GetParam().inUse);
}

const std::uint64_t Started = 134090000000000000;
const wchar_t* const Desktop = L"microphone\\NonPackaged\\C:#Program Files#Talk#Talk.exe";
const wchar_t* const Packaged = L"webcam\\Microsoft.WindowsCamera_8wekyb3d8bbwe";

INSTANTIATE_TEST_SUITE_P(
    Cases, CaptureInUse,
    testing::Values(TCaptureCase{"NoStore", {}, false},
                    TCaptureCase{"DesktopMicrophoneInUse", {{Desktop, Started, 0}}, true},
                    TCaptureCase{"DesktopMicrophoneStopped", {{Desktop, Started, Started + 1}}, false},
                    TCaptureCase{"PackagedCameraInUse", {{Packaged, Started, 0}}, true},
                    TCaptureCase{"PackagedCameraStopped", {{Packaged, Started, Started + 1}}, false},
                    TCaptureCase{"NeverStarted", {{Desktop, 0, 0}}, false},
                    TCaptureCase{"OneOfManyInUse",
                                 {{L"microphone\\NonPackaged\\C:#a.exe", Started, Started + 5},
                                  {L"microphone\\App_1", Started, Started + 5},
                                  {L"webcam\\NonPackaged\\C:#b.exe", Started, Started + 5},
                                  {L"webcam\\NonPackaged\\C:#c.exe", Started, 0}},
                                 true},
                    TCaptureCase{"OtherDevicesDoNotCount", {{L"location\\App_1", Started, 0}}, false}),
    TCaseName());

}  // namespace
