#include "toolkit/TControlText.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/TextLines.h"

TControlText::TControlText(TWindow& ownerWindow, const std::wstring& content)
    : TControl(ownerWindow), position(0, 0), size(1, 1), text(content) {}

TControlText::TControlText(TWindow& ownerWindow, const std::wstring& content, TColor background)
    : TControl(ownerWindow), position(0, 0), size(1, 1), backgroundColor(background), text(content) {}

TControlText::~TControlText() = default;

void TControlText::Paint(HDC& dc) {
    if (owner == nullptr) {
        return;
    }
    {
        const TColor background = backgroundColor.value_or(owner->GetBackgroundColor());
        const TSelectedObject brush(dc, CreateSolidBrush(background.ToColorRef()));
        const TSelectedObject pen(dc, CreatePen(PS_NULL, 0, 0));
        Rectangle(dc, position.x, position.y, position.x + size.width, position.y + size.height);
    }
    const TSelectedFont font(dc, OwnerFont());
    const TSize block = MeasureTextLines(dc, text);
    // Centred, but a text larger than the rectangle starts at its left or top edge.
    const std::int32_t dx = size.width / 2 - block.width / 2;
    const std::int32_t dy = size.height / 2 - block.height / 2;
    const TBackgroundMode transparent(dc, true);
    const TTextColor color(dc, owner->GetTextColor());
    DrawTextLines(dc, text, TPoint(position.x + (dx > 0 ? dx : 0), position.y + (dy > 0 ? dy : 0)));
}

void TControlText::Move(TPoint newPosition, TSize newSize) {
    position = newPosition;
    size = newSize;
    if (owner != nullptr) {
        owner->Invalidate();
    }
}

TSize TControlText::GetNaturalSize() const {
    const TWindowDC screen(nullptr);
    const TSelectedFont font(screen.GetHandle(), OwnerFont());
    return MeasureTextLines(screen.GetHandle(), text);
}

bool TControlText::GetAccessibleItem(TAccessibleItem& item) const {
    item.name = text;
    item.child = nullptr;
    item.position = position;
    item.size = size;
    return true;
}

const std::wstring& TControlText::GetText() const {
    return text;
}

TPoint TControlText::GetPosition() const {
    return position;
}

TSize TControlText::GetSize() const {
    return size;
}
