#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The rules that turn a translated text into what the user reads, the same for every language:
// "{0}", "{1}", ... stand for values, and '|' separates the forms a count chooses from. A language is
// known by its tag ("de", "pt-BR"); its rules go by the part before the '-'.

// The pattern with each "{n}" replaced by values[n]; a placeholder with no value stays as written.
std::wstring FillPlaceholders(std::wstring_view pattern, const std::vector<std::wstring>& values);

// The form at index among the '|'-separated ones; the last form when there are fewer.
std::wstring_view FormAt(std::wstring_view forms, std::size_t index);

// How many plural forms the language has, and which one a count takes: one for Japanese and
// Chinese, three for Polish and Russian, two (singular for 1, or for 0 and 1 in French and
// Portuguese) for the others.
std::size_t PluralFormCount(std::wstring_view tag);
std::size_t PluralForm(std::wstring_view tag, std::int64_t count);

// The same for the article before a number: English has "A" and "An" (see ArticleForm); the other
// languages' texts say it without an article that depends on the number.
std::size_t ArticleFormCount(std::wstring_view tag);
std::size_t ArticleForm(std::wstring_view tag, std::int64_t number);
