#include "toolkit/TFont.h"

#include "toolkit/Dpi.h"

TFont::TFont(std::int32_t dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    LOGFONTW font{};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE) {
        font = metrics.lfMessageFont;
    } else {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    }
    // The metrics are given at the system DPI; a window on another monitor needs them at its own.
    font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
    handle.Reset(CreateFontIndirectW(&font));
}

HFONT TFont::GetHandle() const {
    return handle.Get();
}
