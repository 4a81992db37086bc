// The icon table and icons.dat against a recording fake of the platform.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "launcher/board/icon_drop.h"
#include "launcher/board/icon_table.h"
#include "launcher/common/paths.h"
#include "launcher/settings/settings.h"

namespace {

// icons.dat is written in text mode: CR LF on Windows, LF elsewhere.
#ifdef _WIN32
const std::string kEol = "\r\n";
#else
const std::string kEol = "\n";
#endif
const std::string kSo = "\x83\x5C";  // "so" in Shift-JIS: trail byte 0x5C
const std::string kHyo = "\x95\x5C"; // "hyo"
IconHandle const kResourceIcon = (IconHandle)0x101;

// Files that exist, how many icons each holds, which have an associated icon; every handle handed out
// is tracked so a double or foreign destroy fails the test.
struct FakePlatform : Platform {
    std::set<std::string> files;
    std::map<std::string, int> iconCounts;
    std::set<std::string> associated;
    std::set<IconHandle> live;
    std::map<IconHandle, std::string> origin;
    std::vector<std::string> finds;
    int nextHandle = 0x1000;
    int badDestroys = 0;
    int extractions = 0;
    bool failReplace = false;

    IconHandle Make(const std::string& what) {
        IconHandle h = (IconHandle)(intptr_t)nextHandle++;
        live.insert(h);
        origin[h] = what;
        return h;
    }
    bool FindFile(const char* path) override {
        finds.push_back(path);
        return files.count(path) != 0;
    }
    IconHandle ExtractFileIcon(const char* path, int index) override {
        auto it = iconCounts.find(path);
        extractions++;
        if (it == iconCounts.end() || index < 0 || index >= it->second)
            return 0;
        return Make(std::string(path) + "#" + std::to_string(index));
    }
    IconHandle ExtractAssociated(const char* path, int) override {
        return associated.count(path) ? Make(std::string("assoc:") + path) : 0;
    }
    IconHandle ResourceIcon() override { return kResourceIcon; }
    void DestroyIconHandle(IconHandle icon) override {
        if (live.erase(icon) == 0)
            badDestroys++;
    }
    int CountFileIcons(const char* path) override {
        auto it = iconCounts.find(path);
        return it == iconCounts.end() ? 0 : it->second;
    }
    bool ReplaceFileWith(const char* source, const char* target) override {
        if (failReplace)
            return false;
#ifdef _WIN32
        std::remove(target); // rename does not replace there; the real platform uses MoveFileEx
#endif
        return std::rename(source, target) == 0;
    }
};

class IconTableTest : public ::testing::Test {
protected:
    FakePlatform platform;
    std::string folder;

    void SetUp() override {
        std::memset(IconTable, 0, sizeof IconTable);
        InstallPlatform(&platform);
        Settings.PageCount = 5;
        Settings.IconCountRow = 7;
        Settings.IconCountColumn = 10;
        static int serial;
        auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("icontable_" + std::to_string(stamp) + "_" + std::to_string(serial++));
        std::filesystem::create_directories(dir);
        folder = dir.string();
        platform.files = {"C:\\Windows\\notepad.exe", "C:\\Windows", "C:\\doc.txt", "C:\\x.ico"};
        platform.iconCounts = {{"C:\\Windows\\notepad.exe", 1}, {"C:\\x.ico", 3}};
        platform.associated = {"C:\\doc.txt"};
    }
    void TearDown() override {
        ClearAll();
        InstallPlatform(nullptr);
        EXPECT_TRUE(platform.live.empty()) << "every handle is released with the last slot showing it";
        EXPECT_EQ(platform.badDestroys, 0) << "a handle was destroyed twice or was never ours";
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void ClearAll() {
        for (int slot = 1; slot <= kSlotCount; slot++)
            ClearSlot(slot);
    }
    // What a handle shows: the file and index it was extracted from.
    std::string Picture(IconHandle h) { return platform.origin[h]; }
    std::string Path(const char* name) { return folder + "/" + name; }
    void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void Load(const std::string& bytes) {
        Write(Path("icons.dat"), bytes);
        ASSERT_EQ(LoadIconsFrom(Path("icons.dat").c_str()), 0);
    }
    // A slot filled as the file reader would fill it.
    void Fill(int slot, const char* name, const char* iconPath, int index = 0, const char* command = "") {
        IconEntry& e = IconTable[slot];
        std::snprintf(e.name, sizeof e.name, "%s", name);
        std::snprintf(e.filePath, sizeof e.filePath, "%s", iconPath);
        std::snprintf(e.iconPath, sizeof e.iconPath, "%s", iconPath);
        std::snprintf(e.command, sizeof e.command, "%s", command);
        e.iconIndex = index;
        e.icon = LoadSlotIcon(iconPath, index);
    }
};

std::string Group(int slot, const std::string& name, const std::string& path, const std::string& dir,
                  const std::string& iconPath, const std::string& command, int index) {
    std::string s = std::to_string(slot);
    return s + "?NAME?" + name + kEol + s + "?FILEPATH?" + path + kEol + s + "?CURDIR?" + dir + kEol + s +
           "?ICONPATH?" + iconPath + kEol + s + "?COMMAND?" + command + kEol + s + "?ICONINDEX?" +
           std::to_string(index) + kEol;
}

TEST_F(IconTableTest, SavedFileLoadsAndSavesByteForByte) {
    std::string file =
        Group(1, "memo", "C:\\Windows\\notepad.exe", "C:\\Windows", "C:\\Windows\\notepad.exe", "memo", 0) +
        Group(12, "what?why?", "C:\\doc.txt", "C:\\", "C:\\doc.txt", "q?", -3) +
        Group(71, kSo + "ft" + kHyo, "C:\\" + kSo + "\\a.exe", "C:\\" + kSo, "C:\\x.ico", kHyo, 2) +
        Group(3600, "", "", "", "", "", 2147483647) + Group(350, "neg", "", "", "C:\\gone.ico", "", -2147483647 - 1);
    Load(file);
    EXPECT_STREQ(IconTable[12].name, "what?why?");
    EXPECT_STREQ(IconTable[12].command, "q?");
    EXPECT_EQ(IconTable[12].iconIndex, -3);
    EXPECT_EQ(IconTable[350].iconIndex, -2147483647 - 1);
    EXPECT_EQ(IconTable[71].name, kSo + "ft" + kHyo);
    ASSERT_TRUE(SaveIconsTo(Path("out.dat").c_str()));
    // Groups come out in slot order.
    std::string sorted =
        Group(1, "memo", "C:\\Windows\\notepad.exe", "C:\\Windows", "C:\\Windows\\notepad.exe", "memo", 0) +
        Group(12, "what?why?", "C:\\doc.txt", "C:\\", "C:\\doc.txt", "q?", -3) +
        Group(71, kSo + "ft" + kHyo, "C:\\" + kSo + "\\a.exe", "C:\\" + kSo, "C:\\x.ico", kHyo, 2) +
        Group(350, "neg", "", "", "C:\\gone.ico", "", -2147483647 - 1) + Group(3600, "", "", "", "", "", 2147483647);
    EXPECT_EQ(Read(Path("out.dat")), sorted);
    // And once more: a file written by the writer is a fixed point.
    ClearAll();
    Load(sorted);
    ASSERT_TRUE(SaveIconsTo(Path("again.dat").c_str()));
    EXPECT_EQ(Read(Path("again.dat")), sorted);
}

TEST_F(IconTableTest, IconsComeFromTheFallbackChain) {
    Load(Group(1, "a", "", "", "C:\\Windows\\notepad.exe", "", 0) + // the file's own icon
         Group(2, "b", "", "", "C:\\x.ico", "", 2) +                // third icon of three
         Group(3, "c", "", "", "C:\\doc.txt", "", 0) +              // associated icon
         Group(4, "d", "", "", "C:\\missing.exe", "", 0) +          // gone: the program's icon
         Group(5, "e", "", "", "C:\\Windows", "", 0) +              // exists, no icon at all
         Group(6, "f", "", "", "C:\\x.ico", "", 3));                // index past the last icon
    EXPECT_EQ(Picture(IconTable[1].icon), "C:\\Windows\\notepad.exe#0");
    EXPECT_EQ(Picture(IconTable[2].icon), "C:\\x.ico#2");
    EXPECT_EQ(Picture(IconTable[3].icon), "assoc:C:\\doc.txt");
    EXPECT_EQ(IconTable[4].icon, kResourceIcon);
    EXPECT_EQ(IconTable[5].icon, kResourceIcon);
    EXPECT_EQ(IconTable[6].icon, kResourceIcon);
}

// A list of a file's icons shows at each index what a slot would, fallbacks included; nothing in it
// outlives its release (checked at tear-down).
TEST_F(IconTableTest, FileIconListsFollowTheSlotChain) {
    for (const char* path : {"C:\\x.ico", "C:\\doc.txt", "C:\\missing.exe", "C:\\Windows"}) {
        IconHandle icons[4];
        LoadFileIcons(path, 1, 4, icons);
        for (int i = 0; i < 4; i++) {
            IconHandle one = LoadSlotIcon(path, 1 + i);
            EXPECT_EQ(Picture(icons[i]), Picture(one)) << path << " #" << 1 + i;
            ReleaseIcon(one);
        }
        ReleaseFileIcons(icons, 4);
    }
}

// Handles the destroyed-icon listener was told of, each with whether it was still alive then.
std::vector<std::pair<IconHandle, bool>> toldDestroyed;
FakePlatform* listenedPlatform;

void RecordDestroyed(IconHandle icon) { toldDestroyed.push_back({icon, listenedPlatform->live.count(icon) == 1}); }

TEST_F(IconTableTest, SlotsShowingTheSamePictureShareOneHandle) {
    toldDestroyed.clear();
    listenedPlatform = &platform;
    SetIconDestroyedListener(RecordDestroyed);
    std::string file;
    for (int slot = 1; slot <= 40; slot++)
        file += Group(slot, "n", "", "", slot % 2 ? "C:\\x.ico" : "C:\\Windows\\notepad.exe", "", slot % 2);
    file += Group(41, "gone", "", "", "C:\\missing.exe", "", 0) + Group(42, "gone", "", "", "C:\\missing.exe", "", 0);
    Load(file);
    EXPECT_EQ(platform.extractions, 2) << "one per distinct file and index";
    EXPECT_EQ(platform.live.size(), 2u);
    EXPECT_EQ(IconTable[1].icon, IconTable[3].icon);
    EXPECT_NE(IconTable[1].icon, IconTable[2].icon);
    EXPECT_EQ(IconTable[41].icon, kResourceIcon);
    // The handle lives while any slot shows it; the last release destroys it, once.
    for (int slot = 1; slot <= 39; slot += 2)
        ClearSlot(slot);
    EXPECT_EQ(platform.live.size(), 1u);
    SwapSlots(2, 100); // the moved slot keeps the shared picture without a new extraction
    EXPECT_EQ(platform.extractions, 2);
    EXPECT_EQ(IconTable[100].icon, IconTable[4].icon);
    IconHandle extra = LoadSlotIcon("C:\\Windows\\notepad.exe", 0); // as the registration dialog does
    for (int slot = 4; slot <= 100; slot++)
        ClearSlot(slot);
    EXPECT_EQ(platform.live.size(), 1u) << "still held by the dialog's look-up";
    ReleaseIcon(extra);
    EXPECT_TRUE(platform.live.empty());
    // The listener hears of each destroyed handle once, while it is still alive, and of nothing else
    // (not the program's icon, not a release that leaves other users).
    SetIconDestroyedListener(nullptr);
    ASSERT_EQ(toldDestroyed.size(), 2u);
    EXPECT_NE(toldDestroyed[0].first, toldDestroyed[1].first);
    EXPECT_EQ(toldDestroyed[1].first, extra);
    EXPECT_TRUE(toldDestroyed[0].second && toldDestroyed[1].second);
    // Once gone, the next look-up extracts afresh.
    IconHandle again = LoadSlotIcon("C:\\x.ico", 1);
    EXPECT_EQ(platform.extractions, 3);
    ReleaseIcon(again);
    EXPECT_TRUE(platform.live.empty());
}

// Pictures whose hash searches all start in the first 32 places make one long run; after a third of
// them are given back out of order, every survivor is still found (a new share, no extraction) and
// every given-back one is extracted afresh.
TEST_F(IconTableTest, SharedHandlesAreFoundAgainInALongRunOfCollidingKeys) {
    const int kCount = 600;
    platform.files.insert("C:\\lib.dll");
    platform.iconCounts["C:\\lib.dll"] = 1 << 30;
    std::vector<int> indexes;
    for (int i = 0; (int)indexes.size() < kCount; i++)
        if (SharedIconHome("C:\\lib.dll", i) < 32)
            indexes.push_back(i);
    std::vector<IconHandle> held(kCount);
    for (int i = 0; i < kCount; i++)
        held[i] = LoadSlotIcon("C:\\lib.dll", indexes[i]);
    for (int i = kCount - 2; i >= 0; i -= 3)
        ReleaseIcon(held[i]);
    EXPECT_EQ(platform.live.size(), (size_t)(kCount - kCount / 3));
    // Survivors first, before a given-back key can refill a place of the run.
    for (int i = 0; i < kCount; i++)
        EXPECT_TRUE(i % 3 == 1 || LoadSlotIcon("C:\\lib.dll", indexes[i]) == held[i]) << i;
    EXPECT_EQ(platform.extractions, kCount);
    for (int i = 1; i < kCount; i += 3) {
        held[i] = LoadSlotIcon("C:\\lib.dll", indexes[i]);
        EXPECT_EQ(Picture(held[i]), "C:\\lib.dll#" + std::to_string(indexes[i]));
    }
    EXPECT_EQ(platform.extractions, kCount + kCount / 3);
    // Survivors were shared twice: one release leaves them alive.
    for (int i = 0; i < kCount; i++)
        if (i % 3 != 1)
            ReleaseIcon(held[i]);
    EXPECT_EQ(platform.live.size(), (size_t)kCount);
    for (IconHandle h : held)
        ReleaseIcon(h);
}

// A promising load extracts nothing and touches no file, yet occupies and saves the same slots; the
// icons are made on first need, or in idle time for the shown page, then the pages after and before it
// in turn, nearest first; at rest the table holds what an extracting load gives.
TEST_F(IconTableTest, PromisedIconsAreMadeNearestPageFirst) {
    for (const char* f : {"C:\\p1.exe", "C:\\p2.exe", "C:\\p3.exe", "C:\\p4.exe", "C:\\p5.exe", "C:\\last.exe"}) {
        platform.files.insert(f);
        platform.iconCounts[f] = 1;
    }
    // 70 slots a page.
    std::string file = Group(5, "a", "", "", "C:\\p1.exe", "", 0) + Group(75, "b", "", "", "C:\\p2.exe", "", 0) +
                       Group(80, "c", "", "", "C:\\x.ico", "", 1) + Group(145, "d", "", "", "C:\\p3.exe", "", 0) +
                       Group(215, "e", "", "", "C:\\p4.exe", "", 0) + Group(216, "f", "", "", "C:\\x.ico", "", 1) +
                       Group(285, "g", "", "", "C:\\p5.exe", "", 0) + Group(290, "h", "", "", "C:\\gone.exe", "", 0) +
                       Group(3600, "i", "", "", "C:\\last.exe", "", 0);
    Write(Path("icons.dat"), file);
    ASSERT_EQ(LoadIconsFrom(Path("icons.dat").c_str(), true), 0);
    EXPECT_EQ(platform.extractions, 0);
    EXPECT_TRUE(platform.finds.empty());
    ASSERT_TRUE(SaveIconsTo(Path("out.dat").c_str()));
    EXPECT_EQ(Read(Path("out.dat")), file);
    platform.finds.clear();
    EXPECT_EQ(Picture(SlotIcon(IconTable[3600])), "C:\\last.exe#0"); // needed before idle time reached it
    ClearSlot(285);                                                  // given back unmade
    while (MakeNextPromisedIcon(3, 7, 10)) {
    }
    EXPECT_EQ(platform.finds, (std::vector<std::string>{"C:\\last.exe", "C:\\p3.exe", "C:\\p4.exe", "C:\\x.ico",
                                                        "C:\\p2.exe", "C:\\gone.exe", "C:\\p1.exe"}));
    EXPECT_FALSE(IconsPromised());
    EXPECT_EQ(platform.live.size(), 6u);
    EXPECT_EQ(IconTable[80].icon, IconTable[216].icon);
    EXPECT_EQ(Picture(IconTable[145].icon), "C:\\p3.exe#0");
    EXPECT_EQ(IconTable[290].icon, kResourceIcon);
    EXPECT_EQ(IconTable[3600].icon, SlotIcon(IconTable[3600]));
}

TEST_F(IconTableTest, LineEndsAndTheLastLine) {
    struct Case {
        const char* bytes;
        const char* name;
    } cases[] = {
        {"1?NAME?memo\n", "memo"},
        {"1?NAME?memo\r\n", "memo"},
        {"1?NAME?memo", "memo"}, // no newline: only the line end is cut, and there is none
        {"1?NAME?\n", ""},
        {"1?NAME?old\n1?NAME?new\n", "new"}, // a later line overwrites
        // A lone lead byte is cut off, baring a CR that a saved line end would swallow on reload.
        {"1?NAME?memo\r\x8e\n", "memo"},
        {"1?NAME?a\rb\r\r\x8e\r\n", "a\rb"},
        {"1?NAME?x\r\x8e\r\x8e\n", "x"}, // the dropped CR was the second byte of the lead byte before it
    };
    for (const Case& c : cases) {
        ClearAll();
        Load(c.bytes);
        EXPECT_STREQ(IconTable[1].name, c.name) << c.bytes;
    }
}

TEST_F(IconTableTest, MalformedLinesAreIgnored) {
    Load(
        "0?NAME?zero\n0?ICONINDEX?0\n"                   // record 0 stays free and empty
        "3601?NAME?over\n-1?NAME?minus\n"                // outside the table
        "99999999999999999999?NAME?huge\n"               // would overflow atoi
        "2 NAME memo\n2?NAME memo\n"                     // one or no separator
        "2?name?lower\n2?NAMES?longer\n2?ICONINDEXX?1\n" // keys are exact
        " 4?NAME?blank before the number\n"
        "5x?NAME?digits then junk\n");
    IconEntry zero{};
    EXPECT_EQ(std::memcmp(&IconTable[0], &zero, sizeof zero), 0);
    for (int slot = 1; slot <= kSlotCount; slot++) {
        if (slot == 4 || slot == 5)
            continue;
        ASSERT_EQ(std::memcmp(&IconTable[slot], &zero, sizeof zero), 0) << "slot " << slot;
    }
    EXPECT_STREQ(IconTable[4].name, "blank before the number");
    EXPECT_STREQ(IconTable[5].name, "digits then junk");
}

TEST_F(IconTableTest, LongValuesAreCutAtACharacterBoundary) {
    std::string ascii60(60, 'n');
    std::string kanji(47, 'a');
    kanji += kSo + "z"; // the character fills bytes 48 and 49 exactly; "z" is one over
    std::string path600(600, 'p');
    Load("1?NAME?" + ascii60 + "\n1?COMMAND?" + kanji + "\n1?FILEPATH?" + path600 + "\n2?COMMAND?" +
         std::string(48, 'c') + kSo + "\n");
    EXPECT_EQ(std::string(IconTable[1].name), std::string(49, 'n'));
    EXPECT_EQ(std::string(IconTable[1].command), std::string(47, 'a') + kSo);
    EXPECT_EQ(std::string(IconTable[1].filePath), std::string(511, 'p'));
    EXPECT_EQ(std::string(IconTable[2].command), std::string(48, 'c')) << "half a character stays out";
}

TEST_F(IconTableTest, AnOverlongLineNeverSpillsIntoTheNextRecord) {
    // The reader takes 998 characters per read; the tail of this line would read as a record of slot 2.
    std::string head = "1?FILEPATH?";
    std::string line = head + std::string(998 - head.size(), 'x') + "2?NAME?spill\n";
    Load(line + "3?NAME?after\n");
    EXPECT_STREQ(IconTable[2].name, "");
    EXPECT_STREQ(IconTable[3].name, "after");
    EXPECT_EQ(std::string(IconTable[1].filePath), std::string(511, 'x'));
}

TEST_F(IconTableTest, IconIndexBeforeIconPathGivesTheProgramIcon) {
    Load("7?ICONINDEX?0\n7?ICONPATH?C:\\Windows\\notepad.exe\n7?NAME?early\n");
    EXPECT_EQ(IconTable[7].icon, kResourceIcon);
    EXPECT_STREQ(IconTable[7].iconPath, "C:\\Windows\\notepad.exe");
}

TEST_F(IconTableTest, GroupWithoutIconIndexStaysFreeAndIsDropped) {
    Load("8?NAME?half\n8?ICONPATH?C:\\x.ico\n" + Group(9, "whole", "", "", "C:\\x.ico", "w", 1));
    EXPECT_EQ(IconTable[8].icon, (IconHandle)0);
    EXPECT_STREQ(IconTable[8].name, "half");
    ASSERT_TRUE(SaveIconsTo(Path("icons.dat").c_str()));
    EXPECT_EQ(Read(Path("icons.dat")), Group(9, "whole", "", "", "C:\\x.ico", "w", 1));
}

TEST_F(IconTableTest, RepeatedIconIndexReleasesTheFirstHandle) {
    Load("1?ICONPATH?C:\\x.ico\n1?ICONINDEX?0\n1?ICONINDEX?1\n");
    EXPECT_EQ(platform.live.size(), 1u);
    EXPECT_EQ(Picture(IconTable[1].icon), "C:\\x.ico#1");
}

TEST_F(IconTableTest, MissingFileLeavesTheTableEmpty) {
    EXPECT_EQ(LoadIconsFrom(Path("none.dat").c_str()), 1);
    EXPECT_EQ(IconTable[1].icon, (IconHandle)0);
}

TEST_F(IconTableTest, FailedSaveKeepsThePreviousFile) {
    std::string old = Group(1, "old", "", "", "C:\\x.ico", "", 0);
    Write(Path("icons.dat"), old);
    Fill(1, "new", "C:\\x.ico");
    platform.failReplace = true;
    EXPECT_FALSE(SaveIconsTo(Path("icons.dat").c_str()));
    EXPECT_EQ(Read(Path("icons.dat")), old);
    EXPECT_FALSE(std::ifstream(Path("icons.dat.new")).good()) << "the temporary file is removed";
    // A folder that cannot hold the temporary file: nothing written, failure reported.
    EXPECT_FALSE(SaveIconsTo(Path("no/such/icons.dat").c_str()));
    platform.failReplace = false;
    EXPECT_TRUE(SaveIconsTo(Path("icons.dat").c_str()));
    EXPECT_EQ(Read(Path("icons.dat")), Group(1, "new", "C:\\x.ico", "", "C:\\x.ico", "", 0));
}

TEST_F(IconTableTest, FullTableSavesEverySlotInOrder) {
    for (int slot = 1; slot <= kSlotCount; slot++)
        Fill(slot, "n", "C:\\x.ico", slot % 3);
    ASSERT_TRUE(SaveIconsTo(Path("icons.dat").c_str()));
    std::string bytes = Read(Path("icons.dat"));
    EXPECT_EQ(bytes.find("1?NAME?n" + kEol + "1?FILEPATH?"), 0u);
    std::string last = kEol + "3600?ICONINDEX?0" + kEol;
    EXPECT_EQ(bytes.substr(bytes.size() - last.size()), last);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 6 * kSlotCount);
}

TEST_F(IconTableTest, SwapMovesToAFreeSlotAndExchangesOccupiedOnes) {
    Fill(1, "one", "C:\\x.ico", 1, "c1");
    Fill(2, "two", "C:\\Windows\\notepad.exe", 0, "c2");
    SwapSlots(1, 5); // onto a free, empty slot: a move
    EXPECT_EQ(IconTable[1].icon, (IconHandle)0);
    EXPECT_STREQ(IconTable[1].name, "");
    EXPECT_STREQ(IconTable[1].iconPath, "");
    EXPECT_STREQ(IconTable[5].name, "one");
    EXPECT_STREQ(IconTable[5].command, "c1");
    EXPECT_EQ(platform.origin[IconTable[5].icon], "C:\\x.ico#1");
    SwapSlots(5, 2); // two occupied slots change places
    EXPECT_STREQ(IconTable[5].name, "two");
    EXPECT_STREQ(IconTable[2].name, "one");
    EXPECT_EQ(platform.origin[IconTable[5].icon], "C:\\Windows\\notepad.exe#0");
    EXPECT_EQ(platform.origin[IconTable[2].icon], "C:\\x.ico#1");
    EXPECT_EQ(platform.live.size(), 2u) << "old handles are released, new ones extracted";
}

TEST_F(IconTableTest, SwapEdgeCases) {
    // Negative indexes become 0 in both slots after the exchange.
    Fill(1, "neg", "C:\\x.ico", -4);
    Fill(2, "pos", "C:\\x.ico", 2);
    SwapSlots(1, 2);
    EXPECT_EQ(IconTable[1].iconIndex, 2);
    EXPECT_EQ(IconTable[2].iconIndex, 0);
    // A free slot with a stale icon path (group without ICONINDEX) becomes occupied.
    std::snprintf(IconTable[10].iconPath, 512, "C:\\doc.txt");
    std::snprintf(IconTable[10].name, 50, "stale");
    SwapSlots(10, 11);
    EXPECT_NE(IconTable[11].icon, (IconHandle)0);
    EXPECT_STREQ(IconTable[11].name, "stale");
    EXPECT_EQ(IconTable[10].icon, (IconHandle)0);
    // An occupied entry with an empty icon path ends up free.
    IconTable[20].icon = kResourceIcon;
    std::snprintf(IconTable[20].name, 50, "nopath");
    SwapSlots(20, 21);
    EXPECT_EQ(IconTable[21].icon, (IconHandle)0);
    EXPECT_EQ(IconTable[20].icon, (IconHandle)0);
    EXPECT_STREQ(IconTable[21].name, "nopath");
    // Slot 0, slots past the table and a slot with itself change nothing.
    IconEntry before = IconTable[2];
    SwapSlots(2, 0);
    SwapSlots(2, kSlotCount + 1);
    SwapSlots(2, 2);
    EXPECT_EQ(std::memcmp(&before, &IconTable[2], sizeof before), 0);
    EXPECT_EQ(IconTable[0].icon, (IconHandle)0);
}

TEST_F(IconTableTest, SharedProgramIconIsNeverDestroyed) {
    Fill(1, "gone", "C:\\missing.exe");
    ASSERT_EQ(IconTable[1].icon, kResourceIcon);
    SwapSlots(1, 2);
    ClearSlot(2);
    EXPECT_EQ(platform.badDestroys, 0);
    Fill(3, "mine", "C:\\x.ico");
    ClearSlot(3);
    EXPECT_TRUE(platform.live.empty());
    IconEntry zero{};
    EXPECT_EQ(std::memcmp(&IconTable[3], &zero, sizeof zero), 0);
}

TEST_F(IconTableTest, CountIcons) {
    EXPECT_EQ(CountIcons("C:\\x.ico"), 3);
    EXPECT_EQ(CountIcons("C:\\doc.txt"), 1); // associated only; that icon is released again
    EXPECT_TRUE(platform.live.empty());
    EXPECT_EQ(CountIcons("C:\\missing"), 0);
}

TEST_F(IconTableTest, FindCommand) {
    // Board range: 5 pages x 7 rows x 10 columns = 350 slots.
    for (int slot = 1; slot <= 4; slot++)
        Fill(slot, "x", "C:\\x.ico", 0, slot == 3 ? "memo" : "other");
    std::snprintf(IconTable[351].command, 50, "hidden");
    std::snprintf(IconTable[300].command, 50, "Memo");
    struct Case {
        const char* text;
        int excluded;
        int expected;
    } cases[] = {
        {"memo", 0, 3},   {"memo", 3, 0},   // the slot's own command is no duplicate of itself
        {"other", 1, 2},                    // lowest other slot
        {"MEMO", 0, 0},                     // case counts
        {"Memo", 0, 300}, {"hidden", 0, 0}, // beyond the board's pages
        {"", 0, 5},                         // the first free slot: its command is empty
        {"", 5, 6},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindCommand(IconTable, BoardSlotCount(Settings), c.text, c.excluded), c.expected)
            << c.text << " excluding " << c.excluded;
}

TEST_F(IconTableTest, DroppedPathsBecomeEntriesWithUniqueCommands) {
    const std::string a47(47, 'a');
    struct Case {
        std::string path;
        bool folder;
        std::vector<std::string> taken; // commands of slots 1.. already on the board
        std::string name, command, curDir;
    } cases[] = {
        {"C:\\Tools\\memo.txt", false, {}, "memo.txt", "memo", "C:\\Tools"},
        {"C:\\Tools\\Games", true, {}, "Games", "Games", "C:\\Tools"},
        {"C:\\Tools\\v1.2", true, {}, "v1.2", "v1.2", "C:\\Tools"}, // a folder keeps its dots
        {"C:\\a.tar.gz", false, {}, "a.tar.gz", "a.tar", "C:"},
        {"C:\\Tools\\memo.txt", false, {"memo", "memo&"}, "memo.txt", "memo&&", "C:\\Tools"},
        {"C:\\Tools\\memo.txt", false, {"Memo"}, "memo.txt", "memo", "C:\\Tools"}, // case counts
        {"C:\\" + kSo + "\\x.exe", false, {}, "x.exe", "x", "C:\\" + kSo},         // 0x5C trail byte
        // A full field gives up its last character, never half of one, to end in "&".
        {"C:\\" + a47 + "bc.exe", false, {a47 + "bc"}, a47 + "bc.exe", a47 + "b&", "C:"},
        {"C:\\" + a47 + kSo + ".exe", false, {a47 + kSo}, a47 + kSo + ".exe", a47 + "&", "C:"},
        {"C:\\" + a47 + "b&.exe", false, {a47 + "b&", a47 + "&&"}, a47 + "b&.exe", std::string(46, 'a') + "&&&", "C:"},
    };
    const int boardSlots = BoardSlotCount(Settings);
    for (const Case& c : cases) {
        ClearAll();
        int slot = 1;
        for (const std::string& t : c.taken)
            Fill(slot++, "x", "C:\\x.ico", 0, t.c_str());
        std::snprintf(IconTable[boardSlots + 1].command, kNameSize, "%s", c.command.c_str()); // off the board
        RegisterDroppedPath(20, c.path.c_str(), c.folder, boardSlots);
        const IconEntry& e = IconTable[20];
        EXPECT_EQ(e.name, c.name.substr(0, kNameSize - 1)) << c.path;
        EXPECT_EQ(e.command, c.command) << c.path;
        EXPECT_EQ(e.curDir, c.curDir) << c.path;
        EXPECT_EQ(e.filePath, c.path) << c.path;
        EXPECT_EQ(e.iconPath, c.path) << c.path;
        EXPECT_EQ(e.iconIndex, 0) << c.path;
        EXPECT_NE(e.icon, nullptr) << c.path;
        std::memset(IconTable[boardSlots + 1].command, 0, kNameSize);
    }
}

TEST_F(IconTableTest, PathExists) {
    platform.files.insert("C:\\" + kSo); // a folder whose name ends in the byte 0x5C
    struct Case {
        std::string path;
        bool exists;
    } cases[] = {
        {"", false},
        {"C:\\Windows", true},
        {"C:\\Windows\\", true}, // the trailing separator is tried without
        {"C:\\Nowhere\\", false},
        {"C:\\" + kSo, true},
        {"C:\\" + kSo + "\\", true},
        {"C:\\Windows\\notepad.exe", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PathExists(c.path.c_str()), c.exists) << c.path;
    // "C:\so" ends in 0x5C, but as a trail byte: no second lookup without it.
    platform.finds.clear();
    PathExists(("C:\\x" + kSo).c_str());
    EXPECT_EQ(platform.finds.size(), 1u);
}

} // namespace
