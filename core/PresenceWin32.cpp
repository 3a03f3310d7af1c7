#include "core/Presence.h"

#include "core/SystemLibrary.h"
#include "core/Win32Handles.h"

#include <array>

namespace {

// Owns an open registry key.
class TRegistryKey {
public:
    TRegistryKey(HKEY parent, const std::wstring& path) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &opened) == ERROR_SUCCESS) {
            key.Reset(opened);
        }
    }

    HKEY Get() const { return key.Get(); }

    // The value as a 64-bit number; 0 when it is missing or of another kind.
    std::uint64_t Number(const wchar_t* name) const {
        std::uint64_t value = 0;
        DWORD type = 0;
        DWORD size = sizeof(value);
        if (RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
            type != REG_QWORD || size != sizeof(value)) {
            return 0;
        }
        return value;
    }

    // Calls visit with each subkey's name until it returns true; whether one did.
    template <typename TVisit>
    bool AnySubkey(TVisit visit) const {
        std::array<wchar_t, 256> name{};
        for (DWORD index = 0;; ++index) {
            DWORD length = static_cast<DWORD>(name.size());
            const LONG result = RegEnumKeyExW(key.Get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_MORE_DATA) {
                continue;
            }
            if (result != ERROR_SUCCESS) {
                return false;
            }
            if (visit(std::wstring(name.data(), length))) {
                return true;
            }
        }
    }

private:
    TRegistryHandle key;
};

bool InUse(HKEY parent, const std::wstring& name) {
    const TRegistryKey entry(parent, name);
    return entry.Get() != nullptr && entry.Number(L"LastUsedTimeStart") != 0 && entry.Number(L"LastUsedTimeStop") == 0;
}

// Packaged apps have their entry right under the device's key; desktop programs one each under
// "NonPackaged", named by their path.
bool DeviceInUse(const std::wstring& deviceKey) {
    const TRegistryKey device(HKEY_CURRENT_USER, deviceKey);
    if (device.Get() == nullptr) {
        return false;
    }
    return device.AnySubkey([&](const std::wstring& name) {
        if (name != L"NonPackaged") {
            return InUse(device.Get(), name);
        }
        const TRegistryKey desktop(device.Get(), name);
        return desktop.Get() != nullptr &&
               desktop.AnySubkey([&](const std::wstring& program) { return InUse(desktop.Get(), program); });
    });
}

}  // namespace

std::uint64_t MillisecondsSinceLastInput() {
    LASTINPUTINFO info{};
    info.cbSize = sizeof(info);
    if (!GetLastInputInfo(&info)) {
        return 0;
    }
    // Both are the 32-bit tick count, so the difference is right across its wrap after 49.7 days.
    return static_cast<DWORD>(GetTickCount() - info.dwTime);
}

bool IsDisplayRequired() {
    // Looked up at run time: powrprof.dll is not loaded by the program otherwise. SystemExecutionState
    // reflects SetThreadExecutionState's requests, not PowerCreateRequest's.
    using TCallNtPowerInformation = LONG(WINAPI*)(POWER_INFORMATION_LEVEL, void*, ULONG, void*, ULONG);
    const TLibrary library(LoadSystemLibrary(L"powrprof.dll"));
    if (!library) {
        return false;
    }
    const auto call = reinterpret_cast<TCallNtPowerInformation>(
        reinterpret_cast<void*>(GetProcAddress(library.Get(), "CallNtPowerInformation")));
    EXECUTION_STATE state = 0;
    const bool read = call != nullptr && call(SystemExecutionState, nullptr, 0, &state, sizeof(state)) == 0;
    return read && (state & ES_DISPLAY_REQUIRED) != 0;
}

bool IsCaptureInUse(const std::wstring& consentStore) {
    return DeviceInUse(consentStore + L"\\microphone") || DeviceInUse(consentStore + L"\\webcam");
}
