#pragma once

#include "toolkit/TWindow.h"

#include "core/TTexts.h"

#include <string>
#include <system_error>

// The system's description of the error in the user's language, without its line end, with its
// code; the code alone when the system has none.
std::wstring FailureReason(const TTexts& texts, std::error_code error);

// Tells the user in a message box owned by the given window that the settings could not be saved
// to the file, why (the system's own words for its error code), and that the new values apply
// until the program ends, in the language of the texts. Returns once the user has closed the box.
void ReportSaveFailure(const TWindow& owner, const TTexts& texts, const std::wstring& file, std::error_code error);
