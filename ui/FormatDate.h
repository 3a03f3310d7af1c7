#pragma once

#include <string>

// The date ("YYYY.MM.DD", a timestamp text's date) written by a Windows date picture ("ddd d MMM")
// with the names of the language of the tag ("de", "pt-BR"), or of the user's locale where Windows
// does not know the tag; empty for a date it cannot read.
std::wstring FormatDate(const std::string& date, const std::wstring& picture, const std::wstring& languageTag);
