#include "core/TIdeaTurn.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

struct TTurnCase {
    const char* name;
    std::size_t count;
    std::size_t place;
    std::vector<std::size_t> turn;
};

class IdeaTurn : public testing::TestWithParam<TTurnCase> {};

TEST_P(IdeaTurn, GoesRoundFromThePlaceChosen) {
    TIdeaTurn ideas(GetParam().count, GetParam().place);
    std::vector<std::size_t> turn;
    for (std::size_t pause = 0; pause < GetParam().turn.size(); ++pause) {
        turn.push_back(ideas.Next());
    }
    EXPECT_EQ(turn, GetParam().turn);
}

INSTANTIATE_TEST_SUITE_P(
    Ideas, IdeaTurn,
    testing::Values(TTurnCase{"FromTheFirst", 12, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1}},
                    TTurnCase{"FromTheLast", 12, 11, {11, 0, 1}},
                    TTurnCase{"PlaceTakenRoundTheCount", 12, 12 * 7 + 5, {5, 6, 7}},
                    TTurnCase{"LargestPlace", 12, static_cast<std::size_t>(-1), {3, 4}},
                    TTurnCase{"TwoIdeasAlternate", 2, 1, {1, 0, 1, 0}},
                    TTurnCase{"OneIdea", 1, 9, {0, 0}},
                    TTurnCase{"NoIdeas", 0, 9, {0, 0}}),
    [](const testing::TestParamInfo<TTurnCase>& entry) { return entry.param.name; });

// Whatever the place, a dozen pauses in a row show every idea once and never one twice running.
TEST(IdeaTurnFromEveryPlace, ShowsEveryIdeaOnceInADozenPauses) {
    for (std::size_t place = 0; place < 12; ++place) {
        SCOPED_TRACE(place);
        TIdeaTurn ideas(12, place);
        std::vector<int> seen(12, 0);
        std::size_t previous = ideas.Next();
        ++seen[previous];
        for (int pause = 1; pause < 12; ++pause) {
            const std::size_t index = ideas.Next();
            EXPECT_NE(index, previous);
            ++seen[index];
            previous = index;
        }
        EXPECT_EQ(seen, std::vector<int>(12, 1));
    }
}

}  // namespace
