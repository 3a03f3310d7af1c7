#pragma once

#include "toolkit/TCallback.h"
#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindow.h"

#include <string>

// A check box child window that the user toggles (a click, Space); in the tab order where it was
// made. Its label is its window text, so screen readers name it after the label themselves.
class TControlCheckBox : public TWindow::TControl {
public:
    TControlCheckBox(TWindow& ownerWindow, const std::wstring& label);
    ~TControlCheckBox() override;

    bool IsChecked() const;
    // Sets the box without calling the click callback, as the user did not click.
    void SetChecked(bool checked);
    // Called after each toggle by the user.
    void SetOnClick(const TCallback& callback);
    bool ProcessMessage(TWindow::TMessage& message) override;
    // The box, the gap after it and the label in the owner's font, at the owner's DPI.
    TSize GetNaturalSize() const;
    void Move(TPoint position, TSize size);
    HWND GetHandle() const;

private:
    HWND child;
    std::wstring text;
    TCallback onClick;
};
