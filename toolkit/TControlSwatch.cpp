#include "toolkit/TControlSwatch.h"

#include "toolkit/GdiHolders.h"

TControlSwatch::TControlSwatch(TWindow& ownerWindow, int systemColor)
    : TControl(ownerWindow), color(systemColor), position(0, 0), size(1, 1) {}

TControlSwatch::~TControlSwatch() = default;

void TControlSwatch::Paint(HDC& dc) {
    if (owner == nullptr) {
        return;
    }
    const TSelectedObject brush(dc, CreateSolidBrush(GetSysColor(color)));
    const TSelectedObject pen(dc, CreatePen(PS_SOLID, 1, owner->GetTextColor().ToColorRef()));
    Rectangle(dc, position.x, position.y, position.x + size.width, position.y + size.height);
}

void TControlSwatch::Move(TPoint newPosition, TSize newSize) {
    position = newPosition;
    size = newSize;
    if (owner != nullptr) {
        owner->Invalidate();
    }
}
