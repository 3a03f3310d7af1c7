#include "ui/ReportSaveFailure.h"

#include "core/TextIds.h"

#include <windows.h>

#include <iterator>

std::wstring FailureReason(const TTexts& texts, std::error_code error) {
    const std::wstring code = std::to_wstring(static_cast<DWORD>(error.value()));
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(error.value()), 0, text, static_cast<DWORD>(std::size(text)),
                                  nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' ')) {
        --length;
    }
    return length == 0 ? texts.Format(IDS_SAVE_FAILED_CODE, {code})
                       : texts.Format(IDS_SAVE_FAILED_REASON, {std::wstring(text, length), code});
}

void ReportSaveFailure(const TWindow& owner, const TTexts& texts, const std::wstring& file, std::error_code error) {
    const std::wstring text = texts.Format(IDS_SAVE_FAILED, {file, FailureReason(texts, error)});
    MessageBoxW(owner.GetHandle(), text.c_str(), texts.Text(IDS_PROGRAM_NAME).c_str(), MB_OK | MB_ICONWARNING);
}
