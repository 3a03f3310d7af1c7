#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The texts a user reads, in one language: each found by its id (core/TextIds.h) through a lookup
// (the program's string tables, or a test's), and filled and given their form by the rules of
// core/TextForms.h.
class TTexts {
public:
    // The raw text of an id as its table holds it; empty when the table has none.
    using TLookup = std::function<std::wstring(int id)>;

    explicit TTexts(TLookup textLookup);

    std::wstring Text(int id) const;
    // The text with "{0}", "{1}", ... replaced by the values.
    std::wstring Format(int id, const std::vector<std::wstring>& values) const;
    // The plural form the count takes, the count as "{0}".
    std::wstring Counted(int id, std::int64_t count) const;
    // The form the article before the number takes, the number as "{0}".
    std::wstring WithArticle(int id, std::int64_t number) const;
    // The language's tag, as its table names it ("de", "pt-BR").
    const std::wstring& Tag() const;

private:
    TLookup lookup;
    std::wstring tag;
};
