#include "toolkit/TWindow.h"

#include "toolkit/GdiHolders.h"
#include "toolkit/TWindowState.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr const wchar_t* ClassName = L"TWindow";
constexpr const wchar_t* PropertyName = WindowPropertyName;

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

// A bitmap the screen can take, of a window's client size.
HBITMAP CompatibleBitmap(TSize size) {
    const TWindowDC screen(nullptr);
    return CreateCompatibleBitmap(screen.GetHandle(), size.width, size.height);
}

}  // namespace

TWindow::TControl::TControl(TWindow& ownerWindow) : owner(&ownerWindow) {
    owner->state->controls.Attach(this);
}

HFONT TWindow::TControl::OwnerFont() const {
    return owner != nullptr ? owner->GetFont() : nullptr;
}

TWindow::TControl::~TControl() {
    if (owner != nullptr) {
        owner->state->controls.Detach(this);
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
    for (TControl* control : state->controls.Items()) {
        control->owner = nullptr;
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

const TWindow* TWindow::FromHandle(HWND handle) {
    if (handle == nullptr) {
        return nullptr;
    }
    wchar_t className[16] = {};
    GetClassNameW(handle, className, 16);
    if (std::wcscmp(className, ClassName) != 0) {
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
            return AnswerAccessibleObject(hwnd, wParam);
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
    const bool consumed = state->controls.Dispatch([&record](TControl& control) { return control.ProcessMessage(record); });
    return consumed ? record.result : DefWindowProcW(hwnd, message, wParam, lParam);
}

void TWindow::PaintOffScreen() {
    const TSize client = GetClientSize();
    const TGdiObject<HBITMAP> bitmap(CompatibleBitmap(client));
    {
        const TMemoryDC memory(bitmap.Get());
        const TSelectedObject pen(memory.GetHandle(), CreatePen(PS_NULL, 0, 0));
        const TSelectedObject brush(memory.GetHandle(), CreateSolidBrush(state->background.ToColorRef()));
        // The null pen leaves out the right and bottom edge, hence one more pixel each way.
        Rectangle(memory.GetHandle(), 0, 0, client.width + 1, client.height + 1);
    }
    {
        const TMemoryDC memory(bitmap.Get());
        // Indexed: a control may attach another while it paints.
        const std::vector<TControl*>& controls = state->controls.Items();
        for (std::size_t index = 0; index < controls.size(); ++index) {
            HDC dc = memory.GetHandle();
            controls[index]->Paint(dc);
        }
    }
    const TMemoryDC memory(bitmap.Get());
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
