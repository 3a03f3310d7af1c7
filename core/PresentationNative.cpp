#include "core/Presentation.h"

bool IsPresenting() {
    return false;
}
