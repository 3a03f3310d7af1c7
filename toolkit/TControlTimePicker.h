#pragma once

#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <memory>
#include <string>

// A "SysDateTimePick32" child window that edits a time of day as duration text HH:MM:SS.
class TControlTimePicker : public TWindow::TControl {
public:
    TControlTimePicker(TWindow& ownerWindow, const std::wstring& format);
    ~TControlTimePicker() override;

    void SetValue(const std::string& duration);
    std::string GetValue() const;
    TSize GetNaturalSize() const;
    void Move(TPoint position, TSize size);
    void SetFocus();
    HWND GetHandle() const;
    // The name screen readers give the picker: the text of the label the window paints beside it.
    void SetAccessibleName(const std::wstring& name);
    bool GetAccessibleItem(TAccessibleItem& item) const override;

private:
    struct TState;
    std::unique_ptr<TState> state;
};
