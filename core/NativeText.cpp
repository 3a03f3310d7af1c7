#include "core/NativeText.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::u8string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char8_t>(c);
    } else if (c < 0x800) {
        out += static_cast<char8_t>(0xC0 | (c >> 6));
        out += static_cast<char8_t>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char8_t>(0xE0 | (c >> 12));
        out += static_cast<char8_t>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char8_t>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char8_t>(0xF0 | (c >> 18));
        out += static_cast<char8_t>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char8_t>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char8_t>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u8string Utf8FromWide(const std::wstring& text) {
    std::u8string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        // Where wchar_t is 16 bits wide, characters beyond the first plane come as surrogate pairs.
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            const auto low = static_cast<char32_t>(text[i + 1]);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            }
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            c = Replacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::wstring WideFromUtf8(const std::string& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out += static_cast<wchar_t>(Replacement);
            ++i;
            continue;
        }
        if (sizeof(wchar_t) == 2 && c >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(c);
        }
        i += length;
    }
    return out;
}
