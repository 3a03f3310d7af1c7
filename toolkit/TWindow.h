#pragma once

#include "toolkit/TAccessibleItem.h"
#include "toolkit/TCallback.h"
#include "toolkit/TFont.h"
#include "toolkit/TColor.h"
#include "toolkit/TPoint.h"
#include "toolkit/TSize.h"
#include "toolkit/TWindowList.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// Owns one top-level system window of the class "TWindow". Its behaviour is the list of attached
// controls plus a resize and a close callback; one window procedure serves every TWindow.
// The system window, the controls and the dialog list point at this object, so it never moves.
class TWindow {
public:
    // One window message as offered to the controls; a consuming control may set result.
    struct TMessage {
        HWND hwnd;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;
    };

    // Anything that wants to see a window's messages or draw into it. Attaches itself to the
    // owner on construction and detaches on destruction, so it must go before its window.
    class TControl {
    public:
        explicit TControl(TWindow& ownerWindow);
        virtual ~TControl();
        TControl(const TControl&) = delete;
        TControl& operator=(const TControl&) = delete;

        // True when the control consumed the message.
        virtual bool ProcessMessage(TMessage& message);
        // Draws into the window's off-screen surface; must leave the device context as it found it.
        virtual void Paint(HDC& dc);
        // What screen readers are told of the control, if anything beyond the system's own answer.
        virtual bool GetAccessibleItem(TAccessibleItem& item) const;

    protected:
        // The owner's font, for measuring and drawing in it; none once the owner has gone.
        HFONT OwnerFont() const;

        // Null once the window has gone before the control.
        TWindow* owner;

    private:
        // Lets a window that goes first release the controls still attached to it.
        friend class TWindow;
    };

    TWindow(const std::wstring& title, bool show, TWindowList* dialogList);
    ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND GetHandle() const;
    TPoint GetPosition() const;
    TSize GetSize() const;
    TSize GetClientSize() const;
    // The system's button face and button text colours, read again whenever the colours, high
    // contrast or the theme change.
    TColor GetBackgroundColor() const;
    TColor GetTextColor() const;

    // The DPI the window is drawn at, the font made for it (for the child controls and the texts
    // drawn into the window) and a length given at 96 DPI scaled to it.
    std::int32_t GetDpi() const;
    HFONT GetFont() const;
    std::int32_t Scale(std::int32_t lengthAt96) const;

    void Invalidate();
    void Move(TPoint position, TSize size);
    void Show(bool activate);
    void Hide();

    // The window's elements for screen readers in layout order (top to bottom, then left to right):
    // what the controls describe and every other child window.
    std::vector<TAccessibleItem> GetAccessibleItems() const;
    // What a screen reader reads as the window's description; empty leaves the system's.
    void SetAccessibleDescription(const std::wstring& description);
    const std::wstring& GetAccessibleDescription() const;
    // Tells screen readers that something of the window (the control's element, or the window itself
    // for null) changed.
    void NotifyAccessibleEvent(DWORD event, const TControl* control) const;
    // The TWindow of a system window, null for any other window.
    static const TWindow* FromHandle(HWND handle);

    void SetOnResize(const TCallback& callback);
    void SetOnClose(const TCallback& callback);
    // Called when the window has moved to a monitor of another DPI, after the font of the children
    // was replaced and the window took the rectangle the system proposed.
    void SetOnDpiChanged(const TCallback& callback);

private:
    struct TState;

    static LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintOffScreen();
    // The accessible client object screen readers ask for with WM_GETOBJECT.
    LRESULT AnswerAccessibleObject(HWND hwnd, WPARAM flags);
    void ChangeDpi(std::int32_t dpi, const RECT& proposed);
    void ReadSystemColors();
    // Reads the colours again and repaints, the children included, shown or hidden.
    void TakeNewColors(UINT message);

    std::unique_ptr<TState> state;
    TCallback onResize;
    TCallback onClose;
    TCallback onDpiChanged;
    TWindowList* dialogList;
};
