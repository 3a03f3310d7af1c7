#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <optional>
#include <string>

// A text drawn by the toolkit itself in its window's font and text colour, centred on a rectangle of
// its background colour, and shown to screen readers as a static text.
// The text never changes; a window showing a changing text replaces the control.
class TControlText : public TWindow::TControl {
public:
    // On the window's background colour, whatever it is when painted.
    TControlText(TWindow& ownerWindow, const std::wstring& content);
    // On a background colour of its own.
    TControlText(TWindow& ownerWindow, const std::wstring& content, TColor background);
    ~TControlText() override;

    void Paint(HDC& dc) override;
    bool GetAccessibleItem(TAccessibleItem& item) const override;

    void Move(TPoint newPosition, TSize newSize);
    TSize GetNaturalSize() const;

    const std::wstring& GetText() const;
    TPoint GetPosition() const;
    TSize GetSize() const;

private:
    TPoint position;
    TSize size;
    std::optional<TColor> backgroundColor;
    std::wstring text;
};
