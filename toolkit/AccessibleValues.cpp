#include "toolkit/AccessibleValues.h"

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
