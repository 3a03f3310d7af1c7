#include "toolkit/TWindow.h"

#include "toolkit/AccessibleClient.h"
#include "toolkit/Dpi.h"
#include "toolkit/TSelectedObject.h"
#include "toolkit/TWindowDC.h"

#include <objbase.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr const wchar_t* ClassName = L"TWindow";
constexpr const wchar_t* PropertyName = L"ControllingObject";

// Called through a copy, so a callback may replace itself or destroy its window while it runs.
void CallIfSet(const TCallback& callback) {
    if (callback) {
        const TCallback call = callback;
        call();
    }
}

void RegisterWindowClass(WNDPROC procedure) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = nullptr;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // No brush: WM_PAINT covers the whole client area, so erasing would only flicker.
    windowClass.hbrBackground = nullptr;
    windowClass.lpszClassName = ClassName;
    // From the second window on the class exists and the refusal is expected.
    RegisterClassW(&windowClass);
}

class TScreenBitmap {
public:
    TScreenBitmap(int width, int height) {
        const TWindowDC screen(nullptr);
        handle = CreateCompatibleBitmap(screen.GetHandle(), width, height);
    }
    ~TScreenBitmap() { DeleteObject(handle); }
    TScreenBitmap(const TScreenBitmap&) = delete;
    TScreenBitmap& operator=(const TScreenBitmap&) = delete;

    HBITMAP GetHandle() const { return handle; }

private:
    HBITMAP handle;
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

}  // namespace

struct TWindow::TState {
    // A dispatch in progress; a control that detaches during it moves the cursor so no control is
    // skipped, and a window destroyed during it ends it.
    struct TCursor {
        std::size_t next;
        bool windowGone;
    };

    // Keeps a cursor known to the state for one dispatch, also when a control throws.
    class TCursorRegistration {
    public:
        TCursorRegistration(TState& windowState, TCursor& dispatchCursor) : owner(windowState), cursor(dispatchCursor) {
            owner.cursors.push_back(&cursor);
        }
        ~TCursorRegistration() {
            if (!cursor.windowGone) {
                std::erase(owner.cursors, &cursor);
            }
        }
        TCursorRegistration(const TCursorRegistration&) = delete;
        TCursorRegistration& operator=(const TCursorRegistration&) = delete;

    private:
        TState& owner;
        TCursor& cursor;
    };

    TState() = default;
    ~TState() {
        if (handle != nullptr) {
            // Messages sent while the window is destroyed go straight to the default procedure.
            RemovePropW(handle, PropertyName);
            DestroyWindow(handle);
        }
        if (comInitialized) {
            CoUninitialize();
        }
    }
    TState(const TState&) = delete;
    TState& operator=(const TState&) = delete;

    void Detach(TControl* control) {
        const auto found = std::find(controls.begin(), controls.end(), control);
        if (found == controls.end()) {
            return;
        }
        const auto index = static_cast<std::size_t>(found - controls.begin());
        controls.erase(found);
        for (TCursor* cursor : cursors) {
            if (index < cursor->next) {
                --cursor->next;
            }
        }
    }

    HWND handle = nullptr;
    TColor background{0, 0, 0};
    TColor text{0, 0, 0};
    std::wstring accessibleDescription;
    // COM hands the accessible object to the reader; started on the first question, so a user without
    // a reader never loads it.
    bool comInitialized = false;
    std::int32_t dpi = DefaultDpi;
    std::unique_ptr<TFont> font;
    std::vector<TControl*> controls;
    std::vector<TCursor*> cursors;
};

TWindow::TControl::TControl(TWindow& ownerWindow) : owner(&ownerWindow) {
    owner->state->controls.push_back(this);
}

HFONT TWindow::TControl::OwnerFont() const {
    return owner != nullptr ? owner->GetFont() : nullptr;
}

TWindow::TControl::~TControl() {
    if (owner != nullptr) {
        owner->state->Detach(this);
    }
}

bool TWindow::TControl::ProcessMessage(TMessage&) {
    return false;
}

void TWindow::TControl::Paint(HDC&) {}

bool TWindow::TControl::GetAccessibleItem(TAccessibleItem&) const {
    return false;
}

TWindow::TWindow(const std::wstring& title, bool show, TWindowList* dialogWindows)
    : state(std::make_unique<TState>()), dialogList(dialogWindows) {
    RegisterWindowClass(&TWindow::WindowProcedure);
    state->handle = CreateWindowExW(0, ClassName, title.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, nullptr, nullptr);
    ReadSystemColors();
    state->dpi = WindowDpi(state->handle);
    state->font = std::make_unique<TFont>(state->dpi);
    SetPropW(state->handle, PropertyName, this);
    if (show) {
        ShowWindow(state->handle, SW_SHOW);
    }
    if (dialogList != nullptr) {
        dialogList->push_back(this);
    }
}

TWindow::~TWindow() {
    if (dialogList != nullptr) {
        const auto found = std::find(dialogList->begin(), dialogList->end(), this);
        if (found != dialogList->end()) {
            std::iter_swap(found, dialogList->end() - 1);
            dialogList->pop_back();
        }
    }
    // The controls are not the window's to delete; those still attached are only let go.
    for (TControl* control : state->controls) {
        control->owner = nullptr;
    }
    for (TState::TCursor* cursor : state->cursors) {
        cursor->windowGone = true;
    }
    state.reset();
}

HWND TWindow::GetHandle() const {
    return state->handle;
}

TPoint TWindow::GetPosition() const {
    RECT rect{};
    GetWindowRect(state->handle, &rect);
    return TPoint(rect.left, rect.top);
}

TSize TWindow::GetSize() const {
    RECT rect{};
    GetWindowRect(state->handle, &rect);
    return TSize(rect.right - rect.left, rect.bottom - rect.top);
}

TSize TWindow::GetClientSize() const {
    RECT rect{};
    GetClientRect(state->handle, &rect);
    return TSize(rect.right - rect.left, rect.bottom - rect.top);
}

TColor TWindow::GetBackgroundColor() const {
    return state->background;
}

TColor TWindow::GetTextColor() const {
    return state->text;
}

void TWindow::ReadSystemColors() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    state->background = TColor(GetRValue(face), GetGValue(face), GetBValue(face));
    const COLORREF text = GetSysColor(COLOR_BTNTEXT);
    state->text = TColor(GetRValue(text), GetGValue(text), GetBValue(text));
}

std::vector<TAccessibleItem> TWindow::GetAccessibleItems() const {
    std::vector<TAccessibleItem> items;
    for (const TControl* control : state->controls) {
        TAccessibleItem item{L"", nullptr, TPoint(0, 0), TSize(0, 0), control};
        if (control->GetAccessibleItem(item)) {
            item.source = control;
            items.push_back(item);
        }
    }
    for (HWND child = GetWindow(state->handle, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        bool described = false;
        for (const TAccessibleItem& item : items) {
            described = described || item.child == child;
        }
        if (described) {
            continue;
        }
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, state->handle, reinterpret_cast<POINT*>(&rect), 2);
        items.push_back(TAccessibleItem{L"", child, TPoint(rect.left, rect.top),
                                        TSize(rect.right - rect.left, rect.bottom - rect.top), nullptr});
    }
    // A handful of items: an insertion sort, stable, keeps equal places in the order found.
    for (std::size_t sorted = 1; sorted < items.size(); ++sorted) {
        for (std::size_t index = sorted; index > 0; --index) {
            const TAccessibleItem& before = items[index - 1];
            const TAccessibleItem& after = items[index];
            const bool inOrder = before.position.y != after.position.y ? before.position.y < after.position.y
                                                                       : before.position.x <= after.position.x;
            if (inOrder) {
                break;
            }
            std::swap(items[index - 1], items[index]);
        }
    }
    return items;
}

void TWindow::SetAccessibleDescription(const std::wstring& description) {
    state->accessibleDescription = description;
}

const std::wstring& TWindow::GetAccessibleDescription() const {
    return state->accessibleDescription;
}

void TWindow::NotifyAccessibleEvent(DWORD event, const TControl* control) const {
    LONG child = CHILDID_SELF;
    if (control != nullptr) {
        const std::vector<TAccessibleItem> items = GetAccessibleItems();
        std::size_t index = 0;
        while (index < items.size() && items[index].source != control) {
            ++index;
        }
        if (index == items.size()) {
            return;
        }
        child = static_cast<LONG>(index) + 1;
    }
    NotifyWinEvent(event, state->handle, OBJID_CLIENT, child);
}

const TWindow* TWindow::FromHandle(HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    wchar_t className[16] = {};
    GetClassNameW(handle, className, 16);
    if (std::wstring(className) != ClassName) {
        return nullptr;
    }
    return static_cast<const TWindow*>(GetPropW(handle, PropertyName));
}

std::int32_t TWindow::GetDpi() const {
    return state->dpi;
}

HFONT TWindow::GetFont() const {
    return state->font->GetHandle();
}

std::int32_t TWindow::Scale(std::int32_t lengthAt96) const {
    return ScaleToDpi(lengthAt96, state->dpi);
}

void TWindow::Invalidate() {
    InvalidateRect(state->handle, nullptr, FALSE);
}

void TWindow::Move(TPoint position, TSize size) {
    MoveWindow(state->handle, position.x, position.y, size.width, size.height, TRUE);
}

void TWindow::Show(bool activate) {
    ShowWindow(state->handle, SW_SHOW);
    if (activate) {
        SetForegroundWindow(state->handle);
    }
}

void TWindow::Hide() {
    ShowWindow(state->handle, SW_HIDE);
}

void TWindow::SetOnResize(const TCallback& callback) {
    onResize = callback;
}

void TWindow::SetOnClose(const TCallback& callback) {
    onClose = callback;
}

void TWindow::SetOnDpiChanged(const TCallback& callback) {
    onDpiChanged = callback;
}

LRESULT CALLBACK TWindow::WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* const window = static_cast<TWindow*>(GetPropW(hwnd, PropertyName));
    if (window == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->HandleMessage(hwnd, message, wParam, lParam);
}

LRESULT TWindow::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintOffScreen();
        return 0;
    case WM_SIZE:
        CallIfSet(onResize);
        return 0;
    case WM_CLOSE:
        // Never the default handling: closing would destroy the system window under the object.
        CallIfSet(onClose);
        return 0;
    case WM_DPICHANGED:
        ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == static_cast<LONG>(OBJID_CLIENT)) {
            if (!state->comInitialized) {
                state->comInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
            }
            return AnswerClientObject(hwnd, wParam);
        }
        break;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
        TakeNewColors(message);
        break;
    case WM_SETTINGCHANGE:
        if (wParam == SPI_SETHIGHCONTRAST) {
            TakeNewColors(message);
        }
        break;
    default:
        break;
    }

    TMessage record{hwnd, message, wParam, lParam, 0};
    TState::TCursor cursor{0, false};
    bool consumed = false;
    {
        const TState::TCursorRegistration registration(*state, cursor);
        // The list is read afresh after every control: controls may attach, detach or destroy the window.
        while (!cursor.windowGone && cursor.next < state->controls.size()) {
            TControl* const control = state->controls[cursor.next];
            ++cursor.next;
            if (control->ProcessMessage(record)) {
                consumed = true;
                break;
            }
        }
    }
    return consumed ? record.result : DefWindowProcW(hwnd, message, wParam, lParam);
}

void TWindow::PaintOffScreen() {
    const TSize client = GetClientSize();
    const TScreenBitmap bitmap(client.width, client.height);
    {
        const TMemoryDC memory(bitmap.GetHandle());
        const TSelectedObject pen(memory.GetHandle(), CreatePen(PS_NULL, 0, 0));
        const TSelectedObject brush(memory.GetHandle(), CreateSolidBrush(state->background.ToColorRef()));
        // The null pen leaves out the right and bottom edge, hence one more pixel each way.
        Rectangle(memory.GetHandle(), 0, 0, client.width + 1, client.height + 1);
    }
    {
        const TMemoryDC memory(bitmap.GetHandle());
        for (std::size_t index = 0; index < state->controls.size(); ++index) {
            HDC dc = memory.GetHandle();
            state->controls[index]->Paint(dc);
        }
    }
    const TMemoryDC memory(bitmap.GetHandle());
    const TPaintDC screen(state->handle);
    BitBlt(screen.GetHandle(), 0, 0, client.width, client.height, memory.GetHandle(), 0, 0, SRCCOPY);
}

void TWindow::TakeNewColors(UINT message) {
    ReadSystemColors();
    // Common controls learn of colour changes only from their parent.
    if (message == WM_SYSCOLORCHANGE) {
        for (HWND child = GetWindow(state->handle, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
        }
    }
    RedrawWindow(state->handle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void TWindow::ChangeDpi(std::int32_t dpi, const RECT& proposed) {
    auto font = std::make_unique<TFont>(dpi);
    state->dpi = dpi;
    // The children let go of the old font before it is deleted.
    for (HWND child = GetWindow(state->handle, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font->GetHandle()), TRUE);
    }
    state->font.swap(font);
    SetWindowPos(state->handle, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                 proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
    CallIfSet(onDpiChanged);
    Invalidate();
}

void RunMessageLoop(TWindowList& dialogWindows) {
    MSG message{};
    for (;;) {
        const BOOL fetched = GetMessageW(&message, nullptr, 0, 0);
        if (fetched == 0 || fetched == -1) {
            return;
        }
        bool processed = false;
        // Indexed: a window made or destroyed while a message is handled changes the list.
        for (std::size_t index = 0; !processed && index < dialogWindows.size(); ++index) {
            processed = IsDialogMessageW(dialogWindows[index]->GetHandle(), &message) != FALSE;
        }
        if (!processed) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Quit() {
    PostQuitMessage(0);
}
