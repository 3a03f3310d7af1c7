#include "toolkit/ChildObject.h"

#include "toolkit/AccessibleValues.h"
#include "toolkit/OleAccess.h"
#include "toolkit/TAccessibleObject.h"
#include "toolkit/TComReference.h"

#include <string>

namespace {

// A child window's own object with the name its item gives; everything else is the system's.
class TNamedObject final : public TAccessibleObject {
public:
    // Takes over the reference to the system's object.
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

}  // namespace

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
