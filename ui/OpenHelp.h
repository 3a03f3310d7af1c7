#pragma once

#include <string>

// Opens the help file at its default topic in the system's help viewer, without waiting for it: the
// one of the language with the given tag when it lies beside it (see LanguageHelpFilePath), else
// the English one.
void OpenHelp(const std::wstring& helpFilePath, const std::wstring& languageTag);
