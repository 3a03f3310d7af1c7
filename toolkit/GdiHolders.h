#pragma once

#include "core/TScopedHandle.h"
#include "toolkit/TColor.h"

#include <windows.h>

// The scoped holders for drawing: each takes one device context or one change to a context's state
// for the length of a scope and gives it back when it goes, also while an exception passes. Defined
// here, as each is a call or two that the compiler does best to inline.

// A GDI object (pen, brush, bitmap, font) owned outright and deleted when it goes.
template <typename Object>
using TGdiObject = TScopedHandle<Object, &DeleteObject>;

// The device context of a window (null: the whole screen), released when the holder goes.
class TWindowDC {
public:
    explicit TWindowDC(HWND windowHandle) : window(windowHandle), dc(GetDC(windowHandle)) {}
    ~TWindowDC() { ReleaseDC(window, dc); }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    HDC GetHandle() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// The device context of a window's WM_PAINT, between BeginPaint and EndPaint.
class TPaintDC {
public:
    explicit TPaintDC(HWND windowHandle) : window(windowHandle), paint{} { BeginPaint(window, &paint); }
    ~TPaintDC() { EndPaint(window, &paint); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;

    HDC GetHandle() const { return paint.hdc; }

private:
    HWND window;
    PAINTSTRUCT paint;
};

// A memory device context drawing into a bitmap it does not own; the bitmap is selected out again
// before the context goes, so the bitmap can be deleted afterwards.
class TMemoryDC {
public:
    explicit TMemoryDC(HBITMAP bitmap) : dc(CreateCompatibleDC(nullptr)), previous(SelectObject(dc, bitmap)) {}
    ~TMemoryDC() {
        if (previous != nullptr) {
            SelectObject(dc, previous);
        }
        DeleteDC(dc);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;

    HDC GetHandle() const { return dc; }

private:
    HDC dc;
    HGDIOBJ previous;
};

// Selects a newly created GDI object (pen, brush, bitmap or font) into a device context and owns it:
// on destruction the previous object is selected again and the new one deleted, by its own handle,
// so an object whose selection failed does not leak either.
class TSelectedObject {
public:
    TSelectedObject(HDC dcHandle, HGDIOBJ newObject)
        : dc(dcHandle), object(newObject), previous(SelectObject(dcHandle, newObject)) {}
    // Selected out first: a selected object cannot be deleted.
    ~TSelectedObject() {
        if (previous != nullptr) {
            SelectObject(dc, previous);
        }
        DeleteObject(object);
    }
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ object;
    HGDIOBJ previous;
};

// Selects a font that someone else owns into a device context and selects the previous one back on
// destruction; unlike TSelectedObject it deletes nothing. A null font leaves the context as it is.
class TSelectedFont {
public:
    TSelectedFont(HDC dcHandle, HFONT font)
        : dc(dcHandle), previous(font != nullptr ? SelectObject(dcHandle, font) : nullptr) {}
    ~TSelectedFont() {
        if (previous != nullptr) {
            SelectObject(dc, previous);
        }
    }
    TSelectedFont(const TSelectedFont&) = delete;
    TSelectedFont& operator=(const TSelectedFont&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};

// Sets a device context's background mode for one scope and restores the previous mode.
class TBackgroundMode {
public:
    TBackgroundMode(HDC dcHandle, bool transparent)
        : dc(dcHandle), previousMode(SetBkMode(dcHandle, transparent ? TRANSPARENT : OPAQUE)) {}
    // 0 means the mode could not be set, so there is nothing to restore.
    ~TBackgroundMode() {
        if (previousMode != 0) {
            SetBkMode(dc, previousMode);
        }
    }
    TBackgroundMode(const TBackgroundMode&) = delete;
    TBackgroundMode& operator=(const TBackgroundMode&) = delete;

private:
    HDC dc;
    int previousMode;
};

// Sets a device context's text colour for one scope and restores the previous colour.
class TTextColor {
public:
    TTextColor(HDC dcHandle, TColor color) : dc(dcHandle), previousColor(SetTextColor(dcHandle, color.ToColorRef())) {}
    ~TTextColor() {
        if (previousColor != CLR_INVALID) {
            SetTextColor(dc, previousColor);
        }
    }
    TTextColor(const TTextColor&) = delete;
    TTextColor& operator=(const TTextColor&) = delete;

private:
    HDC dc;
    COLORREF previousColor;
};
