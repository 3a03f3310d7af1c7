#pragma once

#include <windows.h>

// Selects a newly created GDI object (pen, brush, bitmap or font) into a device context and owns it:
// on destruction the previous object is selected again and the new one deleted.
class TSelectedObject {
public:
    TSelectedObject(HDC dcHandle, HGDIOBJ newObject);
    ~TSelectedObject();
    TSelectedObject(const TSelectedObject&) = delete;
    TSelectedObject& operator=(const TSelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ object;
    HGDIOBJ previous;
};
