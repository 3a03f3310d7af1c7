#pragma once

#include "toolkit/TAccessibleContent.h"

#include <windows.h>

// The answer to WM_GETOBJECT for OBJID_CLIENT of a window: the system's own client object, with
// the texts the window paints itself added as static-text children and every child in layout
// order. The object asks the window for its content afresh on each question and
// fails once the window has gone.
LRESULT AnswerClientObject(HWND window, WPARAM flags, const TAccessibleContent& content);
