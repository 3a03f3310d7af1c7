#include "core/TTexts.h"

#include "core/TextForms.h"
#include "core/TextIds.h"

#include <utility>

TTexts::TTexts(TLookup textLookup) : lookup(std::move(textLookup)), tag(lookup(IDS_LANGUAGE_TAG)) {}

std::wstring TTexts::Text(int id) const {
    return lookup(id);
}

std::wstring TTexts::Format(int id, const std::vector<std::wstring>& values) const {
    return FillPlaceholders(lookup(id), values);
}

std::wstring TTexts::Counted(int id, std::int64_t count) const {
    return FillPlaceholders(FormAt(lookup(id), PluralForm(tag, count)), {std::to_wstring(count)});
}

std::wstring TTexts::WithArticle(int id, std::int64_t number) const {
    return FillPlaceholders(FormAt(lookup(id), ArticleForm(tag, number)), {std::to_wstring(number)});
}

const std::wstring& TTexts::Tag() const {
    return tag;
}
