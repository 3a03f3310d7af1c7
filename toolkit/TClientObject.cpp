#include "toolkit/TClientObject.h"

#include "toolkit/AccessibleValues.h"
#include "toolkit/ChildObject.h"

TClientObject::TTarget::TTarget() {
    VariantInit(&id);
}

TClientObject::TClientObject(HWND windowHandle, IAccessible* standardObject, const TAccessibleContent& windowContent)
    : window(windowHandle), standard(standardObject), content(windowContent) {}

HRESULT STDMETHODCALLTYPE TClientObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TClientObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TClientObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TClientObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accParent(IDispatch** parent) {
    return Alive() ? standard.Get()->get_accParent(parent) : RPC_E_DISCONNECTED;
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    if (!Alive()) {
        return RPC_E_DISCONNECTED;
    }
    *count = static_cast<LONG>(Items().size());
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accChild(VARIANT child, IDispatch** result) {
    if (result == nullptr) {
        return E_POINTER;
    }
    *result = nullptr;
    TTarget target;
    Resolve(child, target);
    if (ChildId(child) == CHILDID_SELF || (target.object.Get() == nullptr && !target.text)) {
        return E_INVALIDARG;
    }
    // A painted text is a simple element, answered by this object under its number.
    if (target.text) {
        return S_FALSE;
    }
    return target.object.Get()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result));
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accName(VARIANT child, BSTR* name) {
    return Answer(
        child, [name](const TAccessibleItem& text) { return Text(text.name, name); },
        [name](IAccessible& object, const VARIANT& id) { return object.get_accName(id, name); });
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accValue(VARIANT child, BSTR* value) {
    return AskText(child, value, &IAccessible::get_accValue);
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accDescription(VARIANT child, BSTR* description) {
    return Answer(
        child, [description](const TAccessibleItem&) { return Nothing(description); },
        [this, description](IAccessible& object, const VARIANT& id) {
            if (&object == standard.Get()) {
                if (const std::wstring* const own = content.description(window); own != nullptr && !own->empty()) {
                    return Text(*own, description);
                }
            }
            return object.get_accDescription(id, description);
        });
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) {
        return E_POINTER;
    }
    VariantInit(role);
    return Answer(
        child,
        [role](const TAccessibleItem&) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_STATICTEXT;
            return S_OK;
        },
        [role](IAccessible& object, const VARIANT& id) { return object.get_accRole(id, role); });
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) {
        return E_POINTER;
    }
    VariantInit(state);
    return Answer(
        child,
        [this, state](const TAccessibleItem&) {
            state->vt = VT_I4;
            state->lVal = STATE_SYSTEM_READONLY | (IsWindowVisible(window) ? 0 : STATE_SYSTEM_INVISIBLE);
            return S_OK;
        },
        [state](IAccessible& object, const VARIANT& id) { return object.get_accState(id, state); });
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accHelp(VARIANT child, BSTR* help) {
    return AskText(child, help, &IAccessible::get_accHelp);
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return Answer(
        child,
        [file, topic](const TAccessibleItem&) {
            if (topic != nullptr) {
                *topic = 0;
            }
            return Nothing(file);
        },
        [file, topic](IAccessible& object, const VARIANT& id) { return object.get_accHelpTopic(file, id, topic); });
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return AskText(child, shortcut, &IAccessible::get_accKeyboardShortcut);
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accFocus(VARIANT* focus) {
    return Alive() ? standard.Get()->get_accFocus(focus) : RPC_E_DISCONNECTED;
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accSelection(VARIANT* selection) {
    return Alive() ? standard.Get()->get_accSelection(selection) : RPC_E_DISCONNECTED;
}

HRESULT STDMETHODCALLTYPE TClientObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return AskText(child, action, &IAccessible::get_accDefaultAction);
}

HRESULT STDMETHODCALLTYPE TClientObject::accSelect(LONG flags, VARIANT child) {
    return Answer(
        child, [](const TAccessibleItem&) { return DISP_E_MEMBERNOTFOUND; },
        [flags](IAccessible& object, const VARIANT& id) { return object.accSelect(flags, id); });
}

HRESULT STDMETHODCALLTYPE TClientObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child,
        [=, this](const TAccessibleItem& text) {
            POINT corner{text.position.x, text.position.y};
            ClientToScreen(window, &corner);
            *left = corner.x;
            *top = corner.y;
            *width = text.size.width;
            *height = text.size.height;
            return S_OK;
        },
        [=](IAccessible& object, const VARIANT& id) { return object.accLocation(left, top, width, height, id); });
}

HRESULT STDMETHODCALLTYPE TClientObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_POINTER;
    }
    VariantInit(end);
    const std::optional<LONG> from = ChildId(start);
    if (!Alive()) {
        return RPC_E_DISCONNECTED;
    }
    if (!from) {
        return E_INVALIDARG;
    }
    const LONG count = static_cast<LONG>(Items().size());
    LONG to = 0;
    if (*from == CHILDID_SELF) {
        if (direction == NAVDIR_FIRSTCHILD) {
            to = 1;
        } else if (direction == NAVDIR_LASTCHILD) {
            to = count;
        } else {
            return standard.Get()->accNavigate(direction, start, end);
        }
    } else if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) {
        to = *from + 1;
    } else if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) {
        to = *from - 1;
    }
    if (to < 1 || to > count) {
        return S_FALSE;
    }
    end->vt = VT_I4;
    end->lVal = to;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE TClientObject::accHitTest(LONG x, LONG y, VARIANT* hit) {
    if (hit == nullptr) {
        return E_POINTER;
    }
    VariantInit(hit);
    if (!Alive()) {
        return RPC_E_DISCONNECTED;
    }
    POINT point{x, y};
    ScreenToClient(window, &point);
    const std::vector<TAccessibleItem> items = Items();
    for (std::size_t index = 0; index < items.size(); ++index) {
        const TAccessibleItem& item = items[index];
        if (point.x >= item.position.x && point.x < item.position.x + item.size.width &&
            point.y >= item.position.y && point.y < item.position.y + item.size.height) {
            hit->vt = VT_I4;
            hit->lVal = static_cast<LONG>(index + 1);
            return S_OK;
        }
    }
    return standard.Get()->accHitTest(x, y, hit);
}

HRESULT STDMETHODCALLTYPE TClientObject::accDoDefaultAction(VARIANT child) {
    return Answer(
        child, [](const TAccessibleItem&) { return DISP_E_MEMBERNOTFOUND; },
        [](IAccessible& object, const VARIANT& id) { return object.accDoDefaultAction(id); });
}

HRESULT STDMETHODCALLTYPE TClientObject::put_accName(VARIANT, BSTR) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE TClientObject::put_accValue(VARIANT, BSTR) {
    return E_NOTIMPL;
}

bool TClientObject::Alive() const {
    return IsWindow(window) != FALSE && content.description(window) != nullptr;
}

std::vector<TAccessibleItem> TClientObject::Items() const {
    return content.items(window);
}

void TClientObject::Resolve(const VARIANT& child, TTarget& target) const {
    const std::optional<LONG> id = ChildId(child);
    if (!Alive()) {
        target.status = RPC_E_DISCONNECTED;
        return;
    }
    if (!id) {
        return;
    }
    target.id.vt = VT_I4;
    target.id.lVal = CHILDID_SELF;
    if (*id == CHILDID_SELF) {
        standard.Get()->AddRef();
        target.object.Reset(standard.Get());
        return;
    }
    const std::vector<TAccessibleItem> items = Items();
    if (*id < 1 || static_cast<std::size_t>(*id) > items.size()) {
        return;
    }
    const TAccessibleItem& item = items[static_cast<std::size_t>(*id - 1)];
    if (item.child == nullptr) {
        target.text = item;
    } else {
        target.object.Reset(ChildObject(item));
        target.status = E_FAIL;
    }
}

HRESULT TClientObject::AskText(const VARIANT& child, BSTR* result,
                               HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR*)) const {
    return Answer(
        child, [result](const TAccessibleItem&) { return Nothing(result); },
        [result, question](IAccessible& object, const VARIANT& id) { return (object.*question)(id, result); });
}
