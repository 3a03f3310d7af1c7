#include "toolkit/WrapForWindow.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/WrapText.h"

std::wstring WrapForWindow(const TWindow& window, const std::wstring& text, std::int32_t maxWidth) {
    const TWindowDC dc(window.GetHandle());
    const TSelectedFont font(dc.GetHandle(), window.GetFont());
    const auto width = [&dc](const std::wstring& part) {
        SIZE extent{};
        GetTextExtentPoint32W(dc.GetHandle(), part.c_str(), static_cast<int>(part.size()), &extent);
        return static_cast<std::int32_t>(extent.cx);
    };
    return WrapText(text, maxWidth, width);
}
