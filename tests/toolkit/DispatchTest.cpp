#include "toolkit/TWindow.h"

#include "TRecordingControl.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using TLog = std::vector<std::string>;

// The default procedure answers this with the caption's length, so an unconsumed message shows.
constexpr UINT Probe = WM_GETTEXTLENGTH;

class DispatchTest : public testing::Test {
protected:
    DispatchTest() {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            controls[i] = std::make_unique<TRecordingControl>(*window, log, std::string(1, "ABC"[i]), Probe);
        }
    }

    TLog log;
    std::unique_ptr<TWindow> window = std::make_unique<TWindow>(L"dispatch", false, nullptr);
    HWND handle = window->GetHandle();
    std::array<std::unique_ptr<TRecordingControl>, 3> controls;
};

struct TConsumeCase {
    int consumer;  // -1: none
    std::optional<LRESULT> result;
    TLog offered;
    LRESULT returned;
};

class ConsumeTest : public DispatchTest, public testing::WithParamInterface<TConsumeCase> {};

TEST_P(ConsumeTest, OffersInAttachmentOrderUntilOneConsumes) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
        controls[i]->consume = static_cast<int>(i) == GetParam().consumer;
        controls[i]->result = controls[i]->consume ? GetParam().result : std::nullopt;
    }
    EXPECT_EQ(SendMessageW(handle, Probe, 0, 0), GetParam().returned);
    EXPECT_EQ(log, GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(Consumers, ConsumeTest,
                         testing::Values(TConsumeCase{-1, 42, {"A", "B", "C"}, 8},  // the caption "dispatch"
                                         TConsumeCase{0, 42, {"A"}, 42}, TConsumeCase{1, 42, {"A", "B"}, 42},
                                         TConsumeCase{2, std::nullopt, {"A", "B", "C"}, 0}));

enum class TChange { DetachLater, DetachEarlier, AttachNew, DestroyWindow };

class ChangeTest : public DispatchTest, public testing::WithParamInterface<std::pair<TChange, TLog>> {};

TEST_P(ChangeTest, DispatchFollowsTheListAsItIsNow) {
    std::unique_ptr<TRecordingControl> added;
    const std::array<std::function<void()>, 4> changes{
        [this] { controls[2].reset(); }, [this] { controls[0].reset(); },
        [&] { added = std::make_unique<TRecordingControl>(*window, log, "D", Probe); },
        [this] {
            controls = {};
            window.reset();
        }};
    controls[1]->action = changes[static_cast<std::size_t>(GetParam().first)];
    SendMessageW(handle, Probe, 0, 0);
    EXPECT_EQ(log, GetParam().second);
    EXPECT_EQ(IsWindow(handle) != FALSE, window != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangeTest,
                         testing::Values(std::pair{TChange::DetachLater, TLog{"A", "B"}},
                                         std::pair{TChange::DetachEarlier, TLog{"A", "B", "C"}},
                                         std::pair{TChange::AttachNew, TLog{"A", "B", "C", "D"}},
                                         std::pair{TChange::DestroyWindow, TLog{"A", "B"}}));

TEST_F(DispatchTest, CloseAndSizeOnlyRunTheirCallbacks) {
    TLog calls;
    const TRecordingControl closeWatcher(*window, log, "close", WM_CLOSE);
    const TRecordingControl sizeWatcher(*window, log, "size", WM_SIZE);
    EXPECT_EQ(SendMessageW(handle, WM_CLOSE, 0, 0), 0);  // no callback yet
    window->SetOnResize([&] { calls.push_back("resize"); });
    window->SetOnClose([&] {
        // A callback may replace itself while it runs.
        window->SetOnClose([&] { calls.push_back("second close"); });
        calls.push_back("close");
    });
    window->Move(TPoint(30, 30), TSize(321, 123));
    window->SetOnResize(nullptr);
    window->Move(TPoint(30, 30), TSize(333, 133));
    EXPECT_EQ(SendMessageW(handle, WM_CLOSE, 0, 0), 0);
    SendMessageW(handle, WM_CLOSE, 0, 0);

    EXPECT_EQ(calls, (TLog{"resize", "close", "second close"}));
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_EQ(window->GetSize(), TSize(333, 133));
    EXPECT_TRUE(log.empty());
}

TEST(WindowTest, IsOfTheOneClassAndLeavesItsListAndItsControlsOnDestruction) {
    TWindowList list;
    std::array<std::unique_ptr<TWindow>, 3> windows;
    for (auto& window : windows) {
        window = std::make_unique<TWindow>(L"listed", false, &list);
        wchar_t className[16] = {};
        GetClassNameW(window->GetHandle(), className, 16);
        EXPECT_STREQ(className, L"TWindow");
        EXPECT_EQ(GetPropW(window->GetHandle(), L"ControllingObject"), window.get());
    }
    // A control left attached is only let go, never deleted by the window.
    struct TWitness : TWindow::TControl {
        TWitness(TWindow& ownerWindow, bool& gone) : TControl(ownerWindow), destroyed(gone) {}
        ~TWitness() override { destroyed = true; }
        bool& destroyed;
    };
    bool destroyed = false;
    const HWND first = windows[0]->GetHandle();
    {
        const TWitness witness(*windows[0], destroyed);
        windows[0].reset();
        EXPECT_FALSE(destroyed);
    }
    EXPECT_EQ(list, (TWindowList{windows[2].get(), windows[1].get()}));
    EXPECT_FALSE(IsWindow(first));
}

}  // namespace
