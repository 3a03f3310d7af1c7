#pragma once

#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <windows.h>

// A square of a system colour (a GetSysColor index, so that high contrast reaches it) framed in the
// window's text colour, such as a chart's legend shows beside the name of what the colour stands for.
class TControlSwatch : public TWindow::TControl {
public:
    TControlSwatch(TWindow& ownerWindow, int systemColor);
    ~TControlSwatch() override;

    void Paint(HDC& dc) override;
    void Move(TPoint newPosition, TSize newSize);

private:
    int color;
    TPoint position;
    TSize size;
};
