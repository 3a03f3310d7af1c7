#include "toolkit/TSelectedObject.h"

TSelectedObject::TSelectedObject(HDC dcHandle, HGDIOBJ newObject)
    : dc(dcHandle), object(newObject), previous(SelectObject(dcHandle, newObject)) {}

TSelectedObject::~TSelectedObject() {
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    // Deleted by its own handle, so an object whose selection failed does not leak.
    DeleteObject(object);
}
