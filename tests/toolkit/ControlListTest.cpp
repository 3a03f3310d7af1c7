#include "toolkit/TControlList.h"

#include "TCaseName.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct TItem {
    char name;
};

using TList = TControlList<TItem>;

// What the item offered second does to the list while it is offered the message.
struct TChangeCase {
    std::string name;
    std::function<void(std::unique_ptr<TList>& list, std::vector<TItem>& items)> change;
    std::string offered;
};

class ControlListChangeTest : public testing::TestWithParam<TChangeCase> {};

TEST_P(ControlListChangeTest, OffersEveryItemStillThereOnceAndStopsWhenTheListGoes) {
    std::vector<TItem> items{{'A'}, {'B'}, {'C'}, {'D'}, {'N'}};
    auto list = std::make_unique<TList>();
    for (std::size_t index = 0; index < 4; ++index) {
        list->Attach(&items[index]);
    }
    std::string offered;
    TList* const dispatching = list.get();
    const bool taken = dispatching->Dispatch([&](TItem& item) {
        offered += item.name;
        if (item.name == 'B') {
            GetParam().change(list, items);
        }
        return false;
    });
    EXPECT_FALSE(taken);
    EXPECT_EQ(offered, GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ControlListChangeTest,
    testing::Values(TChangeCase{"Nothing", [](auto&, auto&) {}, "ABCD"},
                    TChangeCase{"DetachItself", [](auto& list, auto& items) { list->Detach(&items[1]); }, "ABCD"},
                    TChangeCase{"DetachEarlier", [](auto& list, auto& items) { list->Detach(&items[0]); }, "ABCD"},
                    TChangeCase{"DetachLater", [](auto& list, auto& items) { list->Detach(&items[2]); }, "ABD"},
                    TChangeCase{"DetachUnknown", [](auto& list, auto& items) { list->Detach(&items[4]); }, "ABCD"},
                    TChangeCase{"AttachNew", [](auto& list, auto& items) { list->Attach(&items[4]); }, "ABCDN"},
                    TChangeCase{"ListGoes", [](auto& list, auto&) { list.reset(); }, "AB"}),
    TCaseName());

TEST(ControlListTest, StopsAtTheFirstItemThatTakesIt) {
    std::vector<TItem> items{{'A'}, {'B'}, {'C'}};
    TList list;
    for (TItem& item : items) {
        list.Attach(&item);
    }
    std::string offered;
    EXPECT_TRUE(list.Dispatch([&](TItem& item) {
        offered += item.name;
        return item.name == 'B';
    }));
    EXPECT_EQ(offered, "AB");
}

// A nested dispatch (a message sent while one is handled) and one left by an exception each let go
// of their cursor, so a later detach moves only the cursors still running.
TEST(ControlListTest, NestedAndThrowingDispatchesLeaveTheOuterOneIntact) {
    std::vector<TItem> items{{'A'}, {'B'}, {'C'}};
    TList list;
    for (TItem& item : items) {
        list.Attach(&item);
    }
    std::string outer;
    list.Dispatch([&](TItem& item) {
        outer += item.name;
        if (item.name == 'A') {
            EXPECT_THROW(list.Dispatch([](TItem&) -> bool { throw std::runtime_error("control failed"); }),
                         std::runtime_error);
            std::string inner;
            list.Dispatch([&](TItem& nested) {
                inner += nested.name;
                return false;
            });
            EXPECT_EQ(inner, "ABC");
            list.Detach(&items[0]);
        }
        return false;
    });
    EXPECT_EQ(outer, "ABC");
}

}  // namespace
