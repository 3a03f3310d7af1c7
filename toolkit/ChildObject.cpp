#include "toolkit/ChildObject.h"

#include "toolkit/AccessibleValues.h"
#include "toolkit/TAccessibleObject.h"
#include "toolkit/TComReference.h"

#include <string>

namespace {

// A child window's own object with the name its item gives; everything else is the system's.
class TNamedObject final : public TAccessibleObject {
public:
    // Takes over the reference to the system's object.
    TNamedObject(IAccessible* systemObject, const std::wstring& accessibleName);

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* result) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR value) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    ~TNamedObject() override = default;

    TComReference<IAccessible> inner;
    std::wstring name;
};

TNamedObject::TNamedObject(IAccessible* systemObject, const std::wstring& accessibleName)
    : inner(systemObject), name(accessibleName) {}

HRESULT STDMETHODCALLTYPE TNamedObject::GetTypeInfoCount(UINT* count) {
    return inner.Get()->GetTypeInfoCount(count);
}

HRESULT STDMETHODCALLTYPE TNamedObject::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return inner.Get()->GetTypeInfo(index, locale, info);
}

HRESULT STDMETHODCALLTYPE TNamedObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) {
    return inner.Get()->GetIDsOfNames(iid, names, count, locale, ids);
}

HRESULT STDMETHODCALLTYPE TNamedObject::Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception, UINT* argument) {
    return inner.Get()->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accParent(IDispatch** parent) {
    return inner.Get()->get_accParent(parent);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accChildCount(LONG* count) {
    return inner.Get()->get_accChildCount(count);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accChild(VARIANT child, IDispatch** result) {
    return inner.Get()->get_accChild(child, result);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accName(VARIANT child, BSTR* result) {
    return ChildId(child) == CHILDID_SELF ? Text(name, result) : inner.Get()->get_accName(child, result);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accValue(VARIANT child, BSTR* value) {
    return inner.Get()->get_accValue(child, value);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accDescription(VARIANT child, BSTR* description) {
    return inner.Get()->get_accDescription(child, description);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accRole(VARIANT child, VARIANT* role) {
    return inner.Get()->get_accRole(child, role);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accState(VARIANT child, VARIANT* state) {
    return inner.Get()->get_accState(child, state);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accHelp(VARIANT child, BSTR* help) {
    return inner.Get()->get_accHelp(child, help);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return inner.Get()->get_accHelpTopic(file, child, topic);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return inner.Get()->get_accKeyboardShortcut(child, shortcut);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accFocus(VARIANT* focus) {
    return inner.Get()->get_accFocus(focus);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accSelection(VARIANT* selection) {
    return inner.Get()->get_accSelection(selection);
}

HRESULT STDMETHODCALLTYPE TNamedObject::get_accDefaultAction(VARIANT child, BSTR* action) {
    return inner.Get()->get_accDefaultAction(child, action);
}

HRESULT STDMETHODCALLTYPE TNamedObject::accSelect(LONG flags, VARIANT child) {
    return inner.Get()->accSelect(flags, child);
}

HRESULT STDMETHODCALLTYPE TNamedObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
    return inner.Get()->accLocation(left, top, width, height, child);
}

HRESULT STDMETHODCALLTYPE TNamedObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return inner.Get()->accNavigate(direction, start, end);
}

HRESULT STDMETHODCALLTYPE TNamedObject::accHitTest(LONG x, LONG y, VARIANT* hit) {
    return inner.Get()->accHitTest(x, y, hit);
}

HRESULT STDMETHODCALLTYPE TNamedObject::accDoDefaultAction(VARIANT child) {
    return inner.Get()->accDoDefaultAction(child);
}

HRESULT STDMETHODCALLTYPE TNamedObject::put_accName(VARIANT child, BSTR value) {
    return inner.Get()->put_accName(child, value);
}

HRESULT STDMETHODCALLTYPE TNamedObject::put_accValue(VARIANT child, BSTR value) {
    return inner.Get()->put_accValue(child, value);
}

}  // namespace

IAccessible* ChildObject(const TAccessibleItem& item) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(item.child, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return item.name.empty() ? object : new TNamedObject(object, item.name);
}
