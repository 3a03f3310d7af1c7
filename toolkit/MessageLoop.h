#pragma once

#include "toolkit/TWindowList.h"

// Fetches and dispatches messages until the quit message arrives or fetching fails; the windows in
// the list get dialog-style keyboard handling (Tab, Enter as IDOK, Esc as IDCANCEL).
void RunMessageLoop(TWindowList& dialogWindows);

// Ends RunMessageLoop by posting the quit message.
void Quit();
