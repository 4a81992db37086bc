// The takeover flag of the hook library's shared section.
#include <gtest/gtest.h>

#include <cstring>

#include "hook/hook_flag.h"
#include "hook/host_arguments.h"

namespace {

TEST(TakeoverFlag, HoldsAtMostOneCharacter) {
    // Sentinel bytes after the two-byte flag must survive any text.
    struct {
        char flag[2];
        char after[4];
    } shared;
    const char* texts[] = {"1", "0", "", "10", "yes", "1111111111111111"};
    for (const char* text : texts) {
        std::memset(&shared, 0xcc, sizeof shared);
        CopyTakeoverFlag(shared.flag, text);
        EXPECT_EQ(shared.flag[0], text[0]) << text;
        EXPECT_EQ(shared.flag[1], '\0') << text;
        for (char c : shared.after)
            EXPECT_EQ((unsigned char)c, 0xcc) << text;
    }
}

TEST(TakeoverFlag, OnlyExactlyOneRequestsTheHook) {
    char flag[2];
    CopyTakeoverFlag(flag, "1");
    EXPECT_TRUE(TakeoverRequested(flag));
    CopyTakeoverFlag(flag, "10"); // cut to "1", as a hand-edited file reads
    EXPECT_TRUE(TakeoverRequested(flag));
    CopyTakeoverFlag(flag, "0");
    EXPECT_FALSE(TakeoverRequested(flag));
    CopyTakeoverFlag(flag, "");
    EXPECT_FALSE(TakeoverRequested(flag));
    CopyTakeoverFlag(flag, nullptr);
    EXPECT_FALSE(TakeoverRequested(flag));
}

TEST(TakeoverFlag, RemovesOnlyAnInstalledRequestedHook) {
    EXPECT_TRUE(ShouldRemoveHook("1", true));
    EXPECT_FALSE(ShouldRemoveHook("1", false)); // the install failed, or it was removed already
    EXPECT_FALSE(ShouldRemoveHook("0", true));
    EXPECT_FALSE(ShouldRemoveHook("0", false));
}

TEST(HookHostArguments, TakesExactlyThreeNonZeroNumbers) {
    HookHostArguments a = {};
    ASSERT_TRUE(ParseHookHostArguments("  131234  52 4294967295 ", &a));
    EXPECT_EQ(a.window, 131234u);
    EXPECT_EQ(a.process, 52u);
    EXPECT_EQ(a.stopEvent, 4294967295u);
    for (const char* text : {"1 2", "1 2 3 4", "1 0 3", "1 2 4294967296", "1 2 3x", "-1 2 3", ""})
        EXPECT_FALSE(ParseHookHostArguments(text, &a)) << text;
}

} // namespace
