// The completion list's icon-to-image map: runs of colliding handles survive any deletion.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "launcher/command/image_map.h"

namespace {

ImageMap map; // 64 KiB: not on the stack

// count handles (multiples of 4, as real handles are) whose search starts at home.
std::vector<IconHandle> HandlesAt(unsigned home, int count) {
    std::vector<IconHandle> found;
    for (std::uintptr_t h = 4; (int)found.size() < count; h += 4)
        if (ImageMapHome((IconHandle)h) == home)
            found.push_back((IconHandle)h);
    return found;
}

TEST(ImageMap, EveryOtherHandleIsFoundAfterADeletionInsideARun) {
    const unsigned last = kImageMapSize - 1;
    struct Case {
        const char* name;
        unsigned home; // three handles start here, two at home + 1, one at home + 2
        int removed;   // index into the handles in insertion order
    } cases[] = {
        {"first of the run", 100, 0}, {"middle of the colliding three", 100, 2}, {"one homed later", 100, 3},
        {"end of the run", 100, 5},   {"run wrapping the table's end", last, 1}, {"wrapped entry", last, 4},
    };
    for (const Case& c : cases) {
        ClearImages(map);
        std::vector<IconHandle> a = HandlesAt(c.home, 3), b = HandlesAt((c.home + 1) % kImageMapSize, 2),
                                d = HandlesAt((c.home + 2) % kImageMapSize, 1);
        std::vector<IconHandle> handles = {a[0], b[0], a[1], d[0], a[2], b[1]};
        for (int i = 0; i < (int)handles.size(); i++)
            ASSERT_TRUE(AddImage(map, handles[i], 10 + i)) << c.name;
        ASSERT_TRUE(RemoveImage(map, handles[c.removed])) << c.name;
        EXPECT_FALSE(RemoveImage(map, handles[c.removed])) << c.name << ": removed twice";
        EXPECT_EQ(map.count, 5) << c.name;
        for (int i = 0; i < (int)handles.size(); i++)
            EXPECT_EQ(FindImage(map, handles[i]), i == c.removed ? -1 : 10 + i) << c.name << ", handle " << i;
    }
}

TEST(ImageMap, RefusesNullAndStopsAtHalfFull) {
    ClearImages(map);
    EXPECT_FALSE(AddImage(map, nullptr, 1));
    EXPECT_EQ(FindImage(map, nullptr), -1);
    for (std::uintptr_t h = 1; h <= kImageMapSize / 2; h++)
        ASSERT_TRUE(AddImage(map, (IconHandle)(h * 4), (int)h));
    EXPECT_FALSE(AddImage(map, (IconHandle)(std::uintptr_t)4, 7)) << "half full: not even an update";
    EXPECT_EQ(FindImage(map, (IconHandle)(std::uintptr_t)(kImageMapSize / 2 * 4)), kImageMapSize / 2);
}

} // namespace
