#include "core/ResourceTexts.h"

#include "core/LanguageChoice.h"
#include "core/TextIds.h"

#include <windows.h>

#include <vector>

namespace {

constexpr WORD EnglishLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_NEUTRAL);

// String tables are stored in blocks of sixteen counted strings; block n holds ids 16(n-1) to 16n-1.
LPCWSTR BlockOf(int id) {
    return MAKEINTRESOURCEW(static_cast<WORD>(id / 16 + 1));
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<std::uint16_t>*>(languages)->push_back(language);
    return TRUE;
}

// Looked up by hand rather than with LoadStringW, which picks the language by rules of its own.
std::wstring Find(HMODULE module, int id, WORD language) {
    const HRSRC resource = FindResourceExW(module, RT_STRING, BlockOf(id), language);
    const HGLOBAL loaded = resource == nullptr ? nullptr : LoadResource(module, resource);
    const auto* entry = loaded == nullptr ? nullptr : static_cast<const WCHAR*>(LockResource(loaded));
    if (entry == nullptr) {
        return {};
    }
    const WCHAR* const end = entry + SizeofResource(module, resource) / sizeof(WCHAR);
    for (int skip = id % 16; skip > 0 && entry < end; --skip) {
        entry += 1 + *entry;
    }
    return entry < end && entry + 1 + *entry <= end ? std::wstring(entry + 1, *entry) : std::wstring();
}

}  // namespace

TTexts ResourceTexts(std::uint16_t language) {
    const HMODULE module = GetModuleHandleW(nullptr);
    std::vector<std::uint16_t> languages;
    EnumResourceLanguagesW(module, RT_STRING, BlockOf(IDS_LANGUAGE_TAG), AddLanguage,
                           reinterpret_cast<LONG_PTR>(&languages));
    const WORD chosen = ChooseLanguage(language, languages);
    return TTexts([module, chosen](int id) {
        std::wstring text = Find(module, id, chosen);
        return text.empty() && chosen != EnglishLanguage ? Find(module, id, EnglishLanguage) : text;
    });
}

TTexts UserResourceTexts() {
    return ResourceTexts(GetUserDefaultUILanguage());
}
