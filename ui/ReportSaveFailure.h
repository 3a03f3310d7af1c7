#pragma once

#include "toolkit/TWindow.h"

#include "core/TTexts.h"

#include <string>
#include <system_error>

// Tells the user in a message box owned by the given window that the settings could not be saved
// to the file, why (the system's own words for its error code), and that the new values apply
// until the program ends, in the language of the texts. Returns once the user has closed the box.
void ReportSaveFailure(const TWindow& owner, const TTexts& texts, const std::wstring& file, std::error_code error);
