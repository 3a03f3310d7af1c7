#pragma once

#include "toolkit/TColor.h"
#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <string>

// A text drawn by the toolkit itself in its window's font, centred on a rectangle of its background
// colour.
// The text never changes; a window showing a changing text replaces the control.
class TControlText : public TWindow::TControl {
public:
    TControlText(TWindow& ownerWindow, const std::wstring& content, TColor background);
    ~TControlText() override;

    void Paint(HDC& dc) override;

    void Move(TPoint newPosition, TSize newSize);
    TSize GetNaturalSize() const;

    const std::wstring& GetText() const;
    TPoint GetPosition() const;
    TSize GetSize() const;

private:
    TPoint position;
    TSize size;
    TColor backgroundColor;
    std::wstring text;
};
