#include "toolkit/WrapText.h"

#include <vector>

namespace {

std::vector<std::wstring> Words(const std::wstring& text) {
    std::vector<std::wstring> words;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t space = text.find(L' ', start);
        const std::size_t end = space == std::wstring::npos ? text.size() : space;
        if (end > start) {
            words.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return words;
}

}  // namespace

std::wstring WrapText(const std::wstring& text, std::int32_t maxWidth, const TTextWidth& width) {
    std::wstring wrapped;
    std::wstring line;
    const auto endLine = [&] {
        if (!line.empty()) {
            wrapped += (wrapped.empty() ? L"" : L"\n") + line;
            line.clear();
        }
    };
    for (const std::wstring& word : Words(text)) {
        const std::wstring joined = line.empty() ? word : line + L" " + word;
        if (width(joined) <= maxWidth) {
            line = joined;
            continue;
        }
        endLine();
        if (width(word) <= maxWidth) {
            line = word;
            continue;
        }
        // Too wide alone: as many characters on each line as fit.
        for (const wchar_t character : word) {
            const std::wstring longer = line + character;
            if (!line.empty() && width(longer) > maxWidth) {
                endLine();
                line = std::wstring(1, character);
            } else {
                line = longer;
            }
        }
    }
    endLine();
    return wrapped;
}
