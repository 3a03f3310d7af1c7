#pragma once

#include "toolkit/TCallback.h"
#include "toolkit/TSize.h"
#include "toolkit/TPoint.h"
#include "toolkit/TWindow.h"

#include <memory>
#include <string>

// A push button child window with a click callback; the default button also takes IDOK (Enter).
class TControlButton : public TWindow::TControl {
public:
    TControlButton(TWindow& ownerWindow, const std::wstring& label, bool isDefault);
    ~TControlButton() override;

    bool ProcessMessage(TWindow::TMessage& message) override;

    void SetOnClick(const TCallback& callback);
    TSize GetNaturalSize() const;
    void Move(TPoint position, TSize size);
    void Enable();
    void Disable();
    HWND GetHandle() const;

private:
    struct TState;
    std::unique_ptr<TState> state;
};
