// Path splitting, including Shift-JIS names whose trail byte is 0x5C, the byte of '\'.
#include <gtest/gtest.h>

#include <string>

#include "launcher/common/paths.h"
#include "launcher/common/text.h"

namespace {

// "ソ" (0x83 0x5C), "表" (0x95 0x5C) and "能" (0x94 0x5C) in Shift-JIS.
const std::string kSo = "\x83\x5C";
const std::string kHyo = "\x95\x5C";
const std::string kNou = "\x94\x5C";

struct PathCase {
    std::string path, directory, fileName, baseName;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.path; }

class PathSplitting : public testing::TestWithParam<PathCase> {};

TEST_P(PathSplitting, SplitsLikeTheCommandLineOfTheSystem) {
    const PathCase& c = GetParam();
    char out[kTextSize];
    PathDirectory(out, c.path.c_str());
    EXPECT_EQ(out, c.directory);
    PathFileName(out, c.path.c_str());
    EXPECT_EQ(out, c.fileName);
    PathBaseName(out, c.fileName.c_str());
    EXPECT_EQ(out, c.baseName);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PathSplitting,
    testing::Values(PathCase{"C:\\Tools\\memo.txt", "C:\\Tools", "memo.txt", "memo"},
                    PathCase{"C:\\memo.txt", "C:", "memo.txt", "memo"},
                    PathCase{"memo.txt", "", "memo.txt", "memo"},
                    PathCase{"C:\\Tools\\a.tar.gz", "C:\\Tools", "a.tar.gz", "a.tar"},
                    PathCase{"C:/Tools/memo", "C:/Tools", "memo", "memo"},
                    PathCase{"C:\\My.Dir\\noext", "C:\\My.Dir", "noext", "noext"},
                    PathCase{"C:\\Windows\\", "C:\\Windows", "", ""},
                    PathCase{"\\\\server\\share\\x.exe", "\\\\server\\share", "x.exe", "x"},
                    // The trail byte 0x5C never splits a name.
                    PathCase{"C:\\" + kSo + "ft\\" + kHyo + ".txt", "C:\\" + kSo + "ft", kHyo + ".txt", kHyo},
                    PathCase{"C:\\" + kNou, "C:", kNou, kNou},
                    PathCase{"D:\\" + kSo + "\\" + kNou + kHyo + ".exe", "D:\\" + kSo, kNou + kHyo + ".exe",
                             kNou + kHyo}));

TEST(CopyText, CutsAtACharacterBoundary) {
    char out[6];
    CopyText(out, sizeof out, "abcdefgh");
    EXPECT_STREQ(out, "abcde");
    // "ab" + two double-byte characters: the second does not fit whole in 5 bytes.
    std::string mixed = "ab" + kSo + kHyo;
    CopyText(out, sizeof out, mixed.c_str());
    EXPECT_EQ(std::string(out), "ab" + kSo);
    CopyText(out, sizeof out, "\x83"); // a lone lead byte is no character
    EXPECT_STREQ(out, "");
}

TEST(CopyText, LongPathsStayWithinTheBuffer) {
    std::string deep = "C:\\" + std::string(600, 'd') + "\\" + std::string(300, 'f') + ".txt";
    char out[kTextSize];
    PathDirectory(out, deep.c_str());
    EXPECT_EQ(std::string(out).size(), 511u);
    PathFileName(out, deep.c_str());
    EXPECT_EQ(std::string(out), std::string(300, 'f') + ".txt");
}

} // namespace
