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

TEST(SaveFile, CopyNameFitsExactlyOrNotAtAll) {
    char name[7] = "xxxxxx";
    EXPECT_TRUE(CopyNameOf("ab", name, 7));
    EXPECT_STREQ(name, "ab.new");
    EXPECT_FALSE(CopyNameOf("abc", name, 7));
}

} // namespace
