#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Milliseconds since the session's last keyboard or mouse input; 0 where the platform cannot tell,
// so that the user always counts as present there.
std::uint64_t MillisecondsSinceLastInput();

// True while some program keeps the display on through SetThreadExecutionState(ES_DISPLAY_REQUIRED),
// as video players and call clients do; false when the state cannot be read.
bool IsDisplayRequired();

// The per-user record of the microphone's and the camera's use, under HKEY_CURRENT_USER.
inline const std::wstring CaptureConsentStore =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\CapabilityAccessManager\\ConsentStore";

// True while a program uses the microphone or the camera: an entry under "microphone" or "webcam" of
// the consent store, packaged or under "NonPackaged", whose use has started and not stopped. False
// where no such record is kept (Windows 7, 8).
bool IsCaptureInUse(const std::wstring& consentStore = CaptureConsentStore);
