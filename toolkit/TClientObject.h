#pragma once

#include "toolkit/TAccessibleContent.h"
#include "toolkit/TAccessibleObject.h"
#include "toolkit/TComReference.h"

#include <optional>
#include <vector>

// The client object of a window for screen readers: the system's own, with the texts the window
// paints itself added as static-text children and every child in layout order. It reads the window
// afresh at each question and fails once the window has gone.
class TClientObject final : public TAccessibleObject {
public:
    // Takes over the reference to the system's object.
    TClientObject(HWND windowHandle, IAccessible* standardObject, const TAccessibleContent& windowContent);

    // IDispatch: clients of this object use the IAccessible calls themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
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
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override;

private:
    // What a question about one child number is about: the system's object of the window or of a
    // child window (asked with id), a painted text, or nothing (status says why).
    struct TTarget {
        TTarget();
        TComReference<IAccessible> object;
        VARIANT id;
        std::optional<TAccessibleItem> text;
        HRESULT status = E_INVALIDARG;
    };

    ~TClientObject() override = default;

    bool Alive() const;
    std::vector<TAccessibleItem> Items() const;
    // CHILDID_SELF is the system's object, a child window's number its own object (whose name the
    // item may replace), a painted text's number the text.
    void Resolve(const VARIANT& child, TTarget& target) const;

    // Answers a question about one child: a painted text through answerText, anything else the
    // system answers through ask, a child that cannot be resolved with the reason.
    template <typename AnswerText, typename Ask>
    HRESULT Answer(const VARIANT& child, AnswerText answerText, Ask ask) const {
        TTarget target;
        Resolve(child, target);
        if (target.text) {
            return answerText(*target.text);
        }
        return target.object.Get() != nullptr ? ask(*target.object.Get(), target.id) : target.status;
    }

    // A text question that a painted text has no answer to.
    HRESULT AskText(const VARIANT& child, BSTR* result,
                    HRESULT (STDMETHODCALLTYPE IAccessible::*question)(VARIANT, BSTR*)) const;

    HWND window;
    TComReference<IAccessible> standard;
    TAccessibleContent content;
};
