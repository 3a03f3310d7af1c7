#pragma once

#include <windows.h>

// The answer to WM_GETOBJECT for OBJID_CLIENT of a TWindow: the system's own client object, with
// the texts the window paints itself added as static-text children and every child in layout
// order. The object reads the window afresh on each question and fails once the window has gone.
LRESULT AnswerClientObject(HWND window, WPARAM flags);
