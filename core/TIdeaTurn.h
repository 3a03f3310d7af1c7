#pragma once

#include <cstddef>

// Which of the ideas for a pause the next pause suggests: each in turn, the first one at a place
// chosen at each start, so that two pauses in a row never suggest the same one (given two ideas or
// more) and every idea comes before any comes again.
class TIdeaTurn {
public:
    // The place is taken round the count: any number will do, a random one best.
    TIdeaTurn(std::size_t count, std::size_t place);

    // The index of the next pause's idea, from 0 to count - 1; always 0 for no ideas.
    std::size_t Next();

private:
    std::size_t ideas;
    std::size_t next;
};
