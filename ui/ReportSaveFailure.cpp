#include "ui/ReportSaveFailure.h"

#include <windows.h>

#include <iterator>

namespace {

// The system's description of the error in the user's language, without its line end; the code
// alone when the system has none.
std::wstring Reason(std::error_code error) {
    const std::wstring code = std::to_wstring(static_cast<DWORD>(error.value()));
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(error.value()), 0, text, static_cast<DWORD>(std::size(text)),
                                  nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ')) {
        --length;
    }
    return length == 0 ? L"Error " + code + L"." : std::wstring(text, length) + L" (error " + code + L")";
}

}  // namespace

void ReportSaveFailure(const TWindow& owner, const std::wstring& file, std::error_code error) {
    const std::wstring text = L"The settings could not be saved to the file\n" + file + L"\n\n" + Reason(error) +
                              L"\n\nThe new values apply until Tavelin ends.";
    MessageBoxW(owner.GetHandle(), text.c_str(), L"Tavelin", MB_OK | MB_ICONWARNING);
}
