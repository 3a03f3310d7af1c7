#pragma once

#include <oleacc.h>

#include <optional>
#include <string>

// The child number a client asks about; nullopt for anything but a 32-bit number.
std::optional<LONG> ChildId(const VARIANT& child);

// Answers a text question with the text.
HRESULT Text(const std::wstring& text, BSTR* result);

// Answers a text question for an element that has no such text.
HRESULT Nothing(BSTR* result);
