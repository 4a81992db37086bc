// Saving a file through its copy: the order of platform calls and the fall-backs when the platform
// refuses a step.
#include <gtest/gtest.h>

#include <string>

#include "launcher/common/file_save.h"
#include "launcher/common/platform.h"

namespace {

// What the platform and the content refuse; every step is logged as "step file".
struct Refusals {
    bool readOnly, remove, create, writeCopy, writeInPlace, rename;
};

struct Recorder : Platform, FileContent {
    Refusals refuse{};
    std::string log;
    void Note(const std::string& step) { log += (log.empty() ? "" : "|") + step; }

    bool FileIsReadOnly(const char*) override { return refuse.readOnly; }
    bool RemoveFile(const char* path) override {
        Note(std::string("remove ") + path);
        return !refuse.remove;
    }
    bool ReplaceFileWith(const char* source, const char* target) override {
        Note(std::string("replace ") + source + ">" + target);
        return !refuse.rename;
    }
    bool CreateEmptyFile(const char* path) override {
        Note(std::string("create ") + path);
        return !refuse.create;
    }
    unsigned kept = 0;
    unsigned KeptAttributes(const char*) override { return kept; }
    void SetKeptAttributes(const char* path, unsigned attributes) override {
        Note(std::string("attributes ") + path + "=" + std::to_string(attributes));
    }
    bool Write(const char* file, const char*) override {
        Note(std::string("write ") + file);
        return std::string(file) == "f.new" ? !refuse.writeCopy : !refuse.writeInPlace;
    }
};

TEST(SaveFile, StepsAndFallBacks) {
    struct Case {
        const char* name;
        Refusals refuse;
        bool saved;
        const char* log;
    } cases[] = {
        {"everything allowed", {}, true, "remove f.new|create f.new|write f.new|replace f.new>f"},
        {"a read-only file is never touched", {true, false, false, false, false, false}, false, ""},
        {"a stale copy that stays: written in place",
         {false, true, false, false, false, false},
         true,
         "remove f.new|write f"},
        {"no copy can be created: written in place",
         {false, false, true, false, false, false},
         true,
         "remove f.new|create f.new|write f"},
        {"in place refused too", {false, false, true, false, true, false}, false, "remove f.new|create f.new|write f"},
        {"the copy cannot be written (a full disk): the file stays",
         {false, false, false, true, false, false},
         false,
         "remove f.new|create f.new|write f.new|remove f.new"},
        {"the copy cannot be swapped in: the file stays",
         {false, false, false, false, false, true},
         false,
         "remove f.new|create f.new|write f.new|replace f.new>f|remove f.new"},
    };
    for (const Case& c : cases) {
        Recorder r;
        r.refuse = c.refuse;
        InstallPlatform(&r);
        EXPECT_EQ(SaveFile("f", r), c.saved) << c.name;
        EXPECT_EQ(r.log, c.log) << c.name;
    }
    InstallPlatform(nullptr);
}

// A hidden (2) file stays so: the copy before it takes the name; in place, plain only while written.
TEST(SaveFile, AHiddenFileStaysHiddenOnEitherRoad) {
    const char* logs[] = {"remove f.new|create f.new|write f.new|attributes f.new=2|replace f.new>f",
                          "remove f.new|create f.new|attributes f=0|write f|attributes f=2"};
    for (int inPlace = 0; inPlace < 2; inPlace++) {
        Recorder r;
        r.kept = 2;
        r.refuse.create = inPlace == 1;
        InstallPlatform(&r);
        EXPECT_TRUE(SaveFile("f", r));
        EXPECT_EQ(r.log, logs[inPlace]);
    }
    InstallPlatform(nullptr);
}

// A held file is let go within moments; other refusals (a missing folder 3, a full disk 112) last.
TEST(SaveFile, ARenameIsTriedAgainOnlyWhileAnotherProgramMayHoldTheFile) {
    const struct {
        unsigned long error, waitedMs;
        bool again;
    } cases[] = {{5, 0, true}, {32, 0, true}, {32, 1950, true}, {5, 1951, false}, {3, 0, false}, {112, 0, false}};
    for (const auto& c : cases)
        EXPECT_EQ(RetryRename(c.error, c.waitedMs), c.again) << c.error << " after " << c.waitedMs;
}

TEST(SaveFile, CopyNameFitsExactlyOrNotAtAll) {
    char name[7] = "xxxxxx";
    EXPECT_TRUE(CopyNameOf("ab", name, 7));
    EXPECT_STREQ(name, "ab.new");
    EXPECT_FALSE(CopyNameOf("abc", name, 7));
}

} // namespace
