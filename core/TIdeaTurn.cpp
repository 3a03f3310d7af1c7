#include "core/TIdeaTurn.h"

TIdeaTurn::TIdeaTurn(std::size_t count, std::size_t place) : ideas(count), next(count == 0 ? 0 : place % count) {}

std::size_t TIdeaTurn::Next() {
    const std::size_t index = next;
    next = ideas == 0 ? 0 : (next + 1) % ideas;
    return index;
}
