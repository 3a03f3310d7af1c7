#include "ui/TInstanceLock.h"
#include "ui/TInstanceMailbox.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <string>
#include <thread>

namespace {

// A name no other test run uses, so that runs side by side in one session do not meet.
std::wstring UniqueName(const wchar_t* kind) {
    return std::wstring(L"Local\\Tavelin.Test.") + kind + L"." + std::to_wstring(GetCurrentProcessId());
}

// The holder runs on a thread of its own, as another process would: the mutex belongs to a thread.
class LockHolder {
public:
    LockHolder(const std::wstring& name, bool abandon)
        : thread([this, name, abandon] {
              if (abandon) {
                  // Ends without letting go, as a process that crashed or was ended from outside.
                  const HANDLE mutex = CreateMutexW(nullptr, TRUE, name.c_str());
                  ready.set_value();
                  release.get_future().wait();
                  CloseHandle(mutex);
              } else {
                  const TInstanceLock lock(name);
                  ready.set_value();
                  release.get_future().wait();
              }
          }) {
        ready.get_future().wait();
    }
    ~LockHolder() { End(); }

    void End() {
        if (thread.joinable()) {
            release.set_value();
            thread.join();
        }
    }

private:
    std::promise<void> ready;
    std::promise<void> release;
    std::thread thread;
};

class LockTakeOver : public testing::TestWithParam<bool> {};

TEST_P(LockTakeOver, WaitsForTheHolderToEnd) {
    const std::wstring name = UniqueName(L"TakeOver");
    LockHolder holder(name, GetParam());
    TInstanceLock lock(name);
    ASSERT_FALSE(lock.IsHeld());
    EXPECT_FALSE(lock.WaitToHold(200));
    EXPECT_FALSE(lock.IsHeld());
    holder.End();
    EXPECT_TRUE(lock.WaitToHold(5000));
    EXPECT_TRUE(lock.IsHeld());
    EXPECT_FALSE(TInstanceLock(name).IsHeld()) << "now held here";
}

INSTANTIATE_TEST_SUITE_P(Instance, LockTakeOver, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& entry) {
                             return entry.param ? "Abandoned" : "Released";
                         });

class MailboxTest : public testing::Test {
protected:
    MailboxTest() {
        mailbox.SetOnOpen([this] { ++opens; });
        mailbox.SetOnQuit([this] { ++quits; });
    }

    std::wstring title = UniqueName(L"Mailbox");
    TInstanceMailbox mailbox{title};
    int opens = 0;
    int quits = 0;
};

TEST_F(MailboxTest, IsFoundByItsTitleAndAnswersEachRequestWithItsAction) {
    LockHolder holder(UniqueName(L"MailboxLock"), false);
    TInstanceLock lock(UniqueName(L"MailboxLock"));
    const HWND found = FindInstanceMailbox(title, lock, 2000);
    ASSERT_NE(found, nullptr);
    EXPECT_FALSE(IsWindowVisible(found));

    AskToOpenConfiguration(found);
    EXPECT_EQ(opens, 1);
    EXPECT_EQ(quits, 0);

    // The request is posted; this process does not end, so the wait runs out.
    EXPECT_FALSE(AskToQuit(found, 0));
    DrainMessages();
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(opens, 1);
}

TEST_F(MailboxTest, WithoutAMailboxWaitsForTheLockOrGivesUp) {
    const std::wstring other = title + L".missing";
    {
        LockHolder holder(UniqueName(L"Hung"), false);
        TInstanceLock lock(UniqueName(L"Hung"));
        const ULONGLONG start = GetTickCount64();
        EXPECT_EQ(FindInstanceMailbox(other, lock, 600), nullptr);
        EXPECT_GE(GetTickCount64() - start, 500u) << "an instance that does not answer is waited for";
        EXPECT_FALSE(lock.IsHeld());
    }
    LockHolder holder(UniqueName(L"Ending"), false);
    TInstanceLock lock(UniqueName(L"Ending"));
    std::thread ending([&holder] {
        Sleep(300);
        holder.End();
    });
    EXPECT_EQ(FindInstanceMailbox(other, lock, 10000), nullptr);
    EXPECT_TRUE(lock.IsHeld()) << "an instance that ends leaves the lock to the new start";
    ending.join();
}

}  // namespace
