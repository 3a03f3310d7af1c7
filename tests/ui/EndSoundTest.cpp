#include "ui/TEndSound.h"

#include <gtest/gtest.h>

namespace {

bool SoundLibraryLoaded() {
    return GetModuleHandleW(L"winmm.dll") != nullptr;
}

// The test program holds no sound resource, so nothing is heard; what matters is what stays loaded.
TEST(EndSoundTest, LoadsTheSoundLibraryOnlyFromPlayToStop) {
    ASSERT_FALSE(SoundLibraryLoaded()) << "the test program must not link the sound library";
    {
        TEndSound sound;
        EXPECT_FALSE(sound.IsLoaded());
        // Played asynchronously, a missing sound is found missing only after Play has returned.
        sound.Play();
        EXPECT_TRUE(sound.IsLoaded());
        EXPECT_TRUE(SoundLibraryLoaded());
        sound.Stop();
        EXPECT_FALSE(sound.IsLoaded());
        EXPECT_FALSE(SoundLibraryLoaded());
        sound.Stop();
        sound.Play();
        EXPECT_TRUE(SoundLibraryLoaded());
    }
    EXPECT_FALSE(SoundLibraryLoaded()) << "let go when the sound goes";
}

}  // namespace
