#pragma once

#include "toolkit/TAccessibleItem.h"

#include <oleacc.h>

// The system's object of a child window, named by the item where it gives a name; null on failure.
IAccessible* ChildObject(const TAccessibleItem& item);
