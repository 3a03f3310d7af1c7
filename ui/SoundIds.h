#pragma once

// Ids of the sounds among the program's resources, shared by resources/Tavelin.rc and the code. A
// macro, as the resource compiler reads it too.
#define IDR_END_SOUND 3
