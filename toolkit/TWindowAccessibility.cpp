#include "toolkit/TWindow.h"

#include "toolkit/AccessibleClient.h"
#include "toolkit/TWindowState.h"

#include <utility>

std::vector<TAccessibleItem> TWindow::GetAccessibleItems() const {
    std::vector<TAccessibleItem> items;
    for (const TControl* control : state->controls.Items()) {
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

LRESULT TWindow::AnswerAccessibleObject(HWND hwnd, WPARAM flags) {
    if (!state->comInitialized) {
        state->comInitialized = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    }
    constexpr TAccessibleContent content{
        [](HWND window) {
            const TWindow* const owner = FromHandle(window);
            return owner != nullptr ? owner->GetAccessibleItems() : std::vector<TAccessibleItem>{};
        },
        [](HWND window) {
            const TWindow* const owner = FromHandle(window);
            return owner != nullptr ? &owner->GetAccessibleDescription() : nullptr;
        }};
    return AnswerClientObject(hwnd, flags, content);
}
