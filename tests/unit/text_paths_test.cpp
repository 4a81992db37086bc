// Path splitting, including Shift-JIS names whose trail byte is 0x5C, the byte of '\'.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "launcher/common/code_page.h"
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
                    PathCase{"C:\\memo.txt", "C:", "memo.txt", "memo"}, PathCase{"memo.txt", "", "memo.txt", "memo"},
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

// The same operations under the lead bytes of other system code pages. Each row: the code page's
// table, a path, and how it splits and cuts there.
struct CodePageCase {
    const char* name;
    const unsigned char* leadBytes;
    std::string path, directory, fileName;
    int cutSize;     // CopyText of the path into this many bytes...
    std::string cut; // ...gives this
};

TEST(CodePages, SplitAndCutByTheSystemsLeadBytes) {
    const std::string e = "\xE9";       // é in 1252; a lead byte in 932 and 936
    const std::string gao = "\xB8\xE6"; // 告 in 936: E6 is a trail byte there, a lead byte in 932
    const std::string ga = "\x81\x5C";  // 936/949/950: a character whose trail byte is '\'
    const std::string nihon = "\xE6\x97\xA5\xE6\x9C\xAC", smile = "\xF0\x9F\x98\x80"; // 日本, 😀 in UTF-8
    const CodePageCase cases[] = {
        // Western: no lead bytes, so é is a character of its own, never half of one.
        {"1252", kLeadBytes1252, "C:\\Users\\Jos" + e + "\\report.doc", "C:\\Users\\Jos" + e, "report.doc", 100,
         "C:\\Users\\Jos" + e + "\\report.doc"},
        {"1252", kLeadBytes1252, "C:\\caf" + e, "C:", "caf" + e, 100, "C:\\caf" + e},
        {"1252", kLeadBytes1252, "C:\\caf" + e, "C:", "caf" + e, 7, "C:\\caf"},
        {"1252", kLeadBytes1252, "C:\\" + kSo + "\\x", "C:\\\x83\\", "x", 5, "C:\\\x83"}, // 0x5C splits here
        // Shift-JIS: the same é byte starts a character; a lone one at the end is dropped.
        {"932", kLeadBytes932, "C:\\caf" + e, "C:", "caf", 100, "C:\\caf"},
        {"932", kLeadBytes932, "C:\\" + kSo + "\\x", "C:\\" + kSo, "x", 6, "C:\\" + kSo},
        // GBK, Korean, Big5: lead bytes 0x81-0xFE, so 0xE6 after 0xB8 is a trail byte.
        {"936", kLeadBytes936, "C:\\" + gao + "\\a.txt", "C:\\" + gao, "a.txt", 6, "C:\\" + gao},
        {"936", kLeadBytes936, "C:\\" + ga + "\\b", "C:\\" + ga, "b", 4, "C:\\"},
        {"949", kLeadBytes949, "C:\\x" + ga + ".txt", "C:", "x" + ga + ".txt", 100, "C:\\x" + ga + ".txt"},
        {"950", kLeadBytes950, "D:\\" + ga + ga + "\\c", "D:\\" + ga + ga, "c", 6, "D:\\" + ga},
        {"950", kLeadBytes950, "D:\\\xA4", "D:", "", 100, "D:\\"}, // a lead byte as the last byte
        // UTF-8: characters of two to four bytes, none of whose later bytes is '\'.
        {"65001", nullptr, "C:\\" + nihon + "\\a", "C:\\" + nihon, "a", 9, "C:\\" + nihon.substr(0, 3)},
        {"65001", nullptr, "C:\\" + nihon, "C:", nihon, 10, "C:\\" + nihon},
        {"65001", nullptr, "D:\\x" + smile, "D:", "x" + smile, 8, "D:\\x"},
        {"65001", nullptr, "C:\\" + nihon.substr(0, 2), "C:", "", 100, "C:\\"}, // cut off by the end
        // A Western name read as UTF-8: the stray byte stands alone and keeps the '\' after it (at the
        // end of a text it is cut off, like a lone lead byte).
        {"65001", nullptr, "C:\\caf" + e + "\\m", "C:\\caf", "m", 100, "C:\\caf" + e + "\\m"},
    };
    for (const CodePageCase& c : cases) {
        UseCodePage((unsigned)std::atoi(c.name), c.leadBytes);
        char out[kTextSize];
        PathDirectory(out, c.path.c_str());
        EXPECT_EQ(out, c.directory) << c.name << ": " << c.path;
        PathFileName(out, c.path.c_str());
        EXPECT_EQ(out, c.fileName) << c.name << ": " << c.path;
        CopyText(out, c.cutSize, c.path.c_str());
        EXPECT_EQ(out, c.cut) << c.name << ": " << c.path << " in " << c.cutSize;
    }
    UseLeadBytes(kLeadBytes932);
}

// A name narrowed into the system code page lost something when the way back differs (Windows' answers).
TEST(CodePages, NarrowingTakesTheOptionsTheCodePageAllowsAndTellsALossyName) {
    const struct {
        unsigned codePage;
        bool options;
        const wchar_t *name, *back;
        bool exact;
    } cases[] = {
        {932, true, L"C:\\\u65e5\u672c\\a.txt", L"C:\\\u65e5\u672c\\a.txt", true},
        {932, true, L"C:\\caf\u00e9", L"C:\\caf?", false}, // no place for the letter
        {1252, true, L"C:\\caf\u00e9", L"C:\\caf\u00e9", true},
        {1252, true, L"C:\\\u65e5.txt", L"C:\\?.txt", false},                         // nor for a kanji
        {65001, false, L"C:\\\u65e5\u00e9\\a.txt", L"C:\\\u65e5\u00e9\\a.txt", true}, // a place for every one
        {65001, false, L"C:\\x\xd800.txt", L"C:\\x\ufffd.txt", false},                // an unpaired surrogate
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CodePageTakesNarrowingOptions(c.codePage), c.options) << c.codePage;
        EXPECT_EQ(NarrowedExactly(c.name, c.back), c.exact) << c.codePage;
    }
}

} // namespace
