#include "toolkit/AccessibleClient.h"

#include "toolkit/OleAccess.h"
#include "toolkit/TWindow.h"

#include <oleacc.h>

#include <optional>
#include <vector>

namespace {

// Holds one COM reference and releases it.
template <typename T>
class TComReference {
public:
    TComReference() = default;
    explicit TComReference(T* object) : pointer(object) {}
    ~TComReference() {
        if (pointer != nullptr) {
            pointer->Release();
        }
    }
    TComReference(const TComReference&) = delete;
    TComReference& operator=(const TComReference&) = delete;

    T* Get() const { return pointer; }
    T** Out() { return &pointer; }
    T* Detach() {
        T* const object = pointer;
        pointer = nullptr;
        return object;
    }

private:
    T* pointer = nullptr;
};

// The child number a client asks about; nullopt for anything but a 32-bit number.
std::optional<LONG> ChildId(const VARIANT& child) {
    if (child.vt != VT_I4) {
        return std::nullopt;
    }
    return child.lVal;
}

HRESULT Text(const std::wstring& text, BSTR* result) {
    if (result == nullptr) {
        return E_POINTER;
    }
    *result = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *result != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT Nothing(BSTR* result) {
    if (result == nullptr) {
        return E_POINTER;
    }
    *result = nullptr;
    return S_FALSE;
}

// What a question about one child number is about: the system's object of the window or of a
// child window (asked with id), a painted text, or nothing (status says why).
struct TTarget {
    TTarget() : object(nullptr), id(), text(), status(E_INVALIDARG) { VariantInit(&id); }
    ~TTarget() {
        if (object != nullptr) {
            object->Release();
        }
    }
    TTarget(const TTarget&) = delete;
    TTarget& operator=(const TTarget&) = delete;

    IAccessible* object;
    VARIANT id;
    std::optional<TAccessibleItem> text;
    HRESULT status;
};

IAccessible* ChildObject(const TAccessibleItem& item);

// The IUnknown part every object here shares: counted references, and IAccessible with its
// IDispatch as the only interfaces.
class TAccessibleObject : public IAccessible {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *result = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *result = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

protected:
    TAccessibleObject() = default;
    virtual ~TAccessibleObject() = default;

private:
    LONG references = 1;
};

class TClientObject final : public TAccessibleObject {
public:
    TClientObject(HWND windowHandle, IAccessible* standardObject) : window(windowHandle), standard(standardObject) {}


    // IDispatch: clients of this object use the IAccessible calls themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Alive() ? standard.Get()->get_accParent(parent) : RPC_E_DISCONNECTED;
    }

    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        if (!Alive()) {
            return RPC_E_DISCONNECTED;
        }
        *count = static_cast<LONG>(Items().size());
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
        if (result == nullptr) {
            return E_POINTER;
        }
        *result = nullptr;
        TTarget target;
        Resolve(child, target);
        if (ChildId(child) == CHILDID_SELF || (target.object == nullptr && !target.text)) {
            return E_INVALIDARG;
        }
        // A painted text is a simple element, answered by this object under its number.
        if (target.text) {
            return S_FALSE;
        }
        return target.object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result));
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return Text(target.text->name, name);
        }
        return target.object != nullptr ? target.object->get_accName(target.id, name) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return Nothing(value);
        }
        return target.object != nullptr ? target.object->get_accValue(target.id, value) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return Nothing(description);
        }
        if (target.object == standard.Get()) {
            if (const TWindow* const owner = TWindow::FromHandle(window);
                owner != nullptr && !owner->GetAccessibleDescription().empty()) {
                return Text(owner->GetAccessibleDescription(), description);
            }
        }
        return target.object != nullptr ? target.object->get_accDescription(target.id, description) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (role == nullptr) {
            return E_POINTER;
        }
        VariantInit(role);
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            role->vt = VT_I4;
            role->lVal = ROLE_SYSTEM_STATICTEXT;
            return S_OK;
        }
        return target.object != nullptr ? target.object->get_accRole(target.id, role) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (state == nullptr) {
            return E_POINTER;
        }
        VariantInit(state);
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            state->vt = VT_I4;
            state->lVal = STATE_SYSTEM_READONLY | (IsWindowVisible(window) ? 0 : STATE_SYSTEM_INVISIBLE);
            return S_OK;
        }
        return target.object != nullptr ? target.object->get_accState(target.id, state) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return Nothing(help);
        }
        return target.object != nullptr ? target.object->get_accHelp(target.id, help) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            if (topic != nullptr) {
                *topic = 0;
            }
            return Nothing(file);
        }
        return target.object != nullptr ? target.object->get_accHelpTopic(file, target.id, topic) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return Nothing(shortcut);
        }
        return target.object != nullptr ? target.object->get_accKeyboardShortcut(target.id, shortcut) : target.status;
    }

    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Alive() ? standard.Get()->get_accFocus(focus) : RPC_E_DISCONNECTED;
    }

    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Alive() ? standard.Get()->get_accSelection(selection) : RPC_E_DISCONNECTED;
    }

    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return Nothing(action);
        }
        return target.object != nullptr ? target.object->get_accDefaultAction(target.id, action) : target.status;
    }

    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return target.object != nullptr ? target.object->accSelect(flags, target.id) : target.status;
    }

    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            POINT corner{target.text->position.x, target.text->position.y};
            ClientToScreen(window, &corner);
            *left = corner.x;
            *top = corner.y;
            *width = target.text->size.width;
            *height = target.text->size.height;
            return S_OK;
        }
        return target.object != nullptr ? target.object->accLocation(left, top, width, height, target.id)
                                        : target.status;
    }

    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
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

    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
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

    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return DISP_E_MEMBERNOTFOUND;
        }
        return target.object != nullptr ? target.object->accDoDefaultAction(target.id) : target.status;
    }

    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~TClientObject() = default;

    bool Alive() const { return IsWindow(window) != FALSE && TWindow::FromHandle(window) != nullptr; }

    std::vector<TAccessibleItem> Items() const {
        const TWindow* const owner = TWindow::FromHandle(window);
        return owner != nullptr ? owner->GetAccessibleItems() : std::vector<TAccessibleItem>{};
    }

    // CHILDID_SELF is the system's object, a child window's number its own object (whose name the
    // item may replace), a painted text's number the text.
    void Resolve(const VARIANT& child, TTarget& target) const {
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
            target.object = standard.Get();
            target.object->AddRef();
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
            target.object = ChildObject(item);
            target.status = E_FAIL;
        }
    }

    HWND window;
    TComReference<IAccessible> standard;
};

// A child window's own object with the name its item gives; everything else is the system's.
class TNamedObject final : public TAccessibleObject {
public:
    TNamedObject(IAccessible* systemObject, const std::wstring& accessibleName) : inner(systemObject), name(accessibleName) {}


    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return inner.Get()->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return inner.Get()->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
        return inner.Get()->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override {
        return inner.Get()->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return inner.Get()->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return inner.Get()->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
        return inner.Get()->get_accChild(child, result);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* result) override {
        return ChildId(child) == CHILDID_SELF ? Text(name, result) : inner.Get()->get_accName(child, result);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return inner.Get()->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return inner.Get()->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return inner.Get()->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return inner.Get()->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return inner.Get()->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return inner.Get()->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return inner.Get()->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return inner.Get()->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return inner.Get()->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return inner.Get()->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override { return inner.Get()->accSelect(flags, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return inner.Get()->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return inner.Get()->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override { return inner.Get()->accHitTest(x, y, hit); }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override { return inner.Get()->accDoDefaultAction(child); }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR value) override { return inner.Get()->put_accName(child, value); }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return inner.Get()->put_accValue(child, value);
    }

private:
    ~TNamedObject() = default;

    TComReference<IAccessible> inner;
    std::wstring name;
};

// The system's object of a child window, named by the item where it gives a name; null on failure.
IAccessible* ChildObject(const TAccessibleItem& item) {
    IAccessible* object = nullptr;
    const auto accessibleObjectFromWindow = OleAccess().accessibleObjectFromWindow;
    if (accessibleObjectFromWindow == nullptr ||
        FAILED(accessibleObjectFromWindow(item.child, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return item.name.empty() ? object : new TNamedObject(object, item.name);
}

}  // namespace

LRESULT AnswerClientObject(HWND window, WPARAM flags) {
    const TOleAccess& access = OleAccess();
    TComReference<IAccessible> standard;
    if (access.createStdAccessibleObject == nullptr || access.lresultFromObject == nullptr ||
        FAILED(access.createStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(standard.Out())))) {
        return 0;
    }
    TComReference<TClientObject> client(new TClientObject(window, standard.Detach()));
    return access.lresultFromObject(IID_IAccessible, flags, client.Get());
}
