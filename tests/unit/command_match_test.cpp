// Matching typed text against aliases, splitting a command line, and the completion state.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "launcher/command/command.h"
#include "launcher/command/completion_rules.h"

namespace {

IconEntry table[kSlotCount + 1];

// "テスト" in Shift-JIS: trail bytes 0x65 ('e') and 0x67 ('g') lie in a..z.
const std::string kTesuto = "\x83\x65\x83\x58\x83\x67";
// The same bytes folded: "ウスエ" (0x83 0x45 0x83 0x58 0x83 0x47).
const std::string kTesutoFolded = "\x83\x45\x83\x58\x83\x47";
// "ｍｅｍｏ", full-width letters (trail bytes 0x8D, 0x85, 0x8D, 0x8F).
const std::string kFullWidthMemo = "\x82\x8d\x82\x85\x82\x8d\x82\x8f";

class CommandTable : public testing::Test {
protected:
    void SetUp() override {
        std::memset(table, 0, sizeof table);
        std::memset(MatchList, 0, sizeof MatchList);
        std::memset(TypedPrefix, 0, sizeof TypedPrefix);
        settings = SettingsStore{};
        settings.PageCount = 13;
        settings.IconCountColumn = 15;
        settings.IconCountRow = 15;
    }
    static void Occupy(int slot, const std::string& command) {
        table[slot].icon = &table[slot];
        std::strcpy(table[slot].command, command.c_str());
    }
    int Slots() const { return BoardSlotCount(settings); }
    static std::vector<int> Matches() {
        std::vector<int> found;
        for (int i = 1; i < kMatchListSize && MatchList[i] != 0; i++)
            found.push_back(MatchList[i]);
        return found;
    }
    SettingsStore settings;
};

struct FoldCase_ {
    std::string text, folded;
};

TEST(FoldCase, FoldsAsciiLowerCaseLettersOnly) {
    const FoldCase_ cases[] = {
        {"memo", "MEMO"}, {"MeMo2_x", "MEMO2_X"},           {"`az{", "`AZ{"}, // the bytes either side of a..z stay
        {"@AZ[", "@AZ["}, {kFullWidthMemo, kFullWidthMemo}, {kTesuto, kTesutoFolded}, // trail bytes in a..z fold too
        {"", ""},
    };
    for (const FoldCase_& c : cases) {
        char buffer[64];
        std::strcpy(buffer, c.text.c_str());
        FoldCase(buffer);
        EXPECT_EQ(buffer, c.folded) << c.text;
    }
}

TEST_F(CommandTable, PrefixCollectsEveryCaseInSlotOrderWithTerminator) {
    Occupy(3, "MEMO");
    Occupy(5, "memo2");
    Occupy(9, "Me");
    Occupy(10, "M");   // shorter than the prefix
    Occupy(12, "xme"); // contains it, does not begin with it
    Occupy(20, "mEdit");
    Occupy(2925, "meLast");
    MatchList[8] = 77; // stale entry from an earlier, longer result
    CollectPrefixMatches(table, Slots(), "me");
    EXPECT_EQ(Matches(), (std::vector<int>{3, 5, 9, 20, 2925}));
    EXPECT_EQ(MatchList[0], 0);
    EXPECT_EQ(MatchList[6], 0);
    EXPECT_EQ(MatchList[8], 0);
    EXPECT_EQ(MatchCount(), 5);
}

TEST_F(CommandTable, PrefixSearchCoversOnlyTheBoardsSlots) {
    settings.PageCount = 2;
    settings.IconCountColumn = 10;
    settings.IconCountRow = 7; // 140 slots
    Occupy(140, "edit");
    Occupy(141, "edit2");
    CollectPrefixMatches(table, Slots(), "ed");
    EXPECT_EQ(Matches(), (std::vector<int>{140}));

    settings.PageCount = 0;
    CollectPrefixMatches(table, Slots(), "ed");
    EXPECT_EQ(Matches(), std::vector<int>{});
}

TEST_F(CommandTable, SlotCountNeverExceedsTheTable) {
    struct {
        int pages, columns, rows, expected;
    } cases[] = {{13, 15, 15, 2925}, {1, 4, 4, 16}, {0, 15, 15, 0}, {-1, 4, 4, 0}, {100, 100, 100, kSlotCount}};
    for (const auto& c : cases) {
        settings.PageCount = c.pages;
        settings.IconCountColumn = c.columns;
        settings.IconCountRow = c.rows;
        EXPECT_EQ(BoardSlotCount(settings), c.expected) << c.pages << "x" << c.columns << "x" << c.rows;
    }
}

TEST_F(CommandTable, PrefixLengthAgainstTheLongestCommand) {
    const std::string longest(kNameSize - 1, 'a'); // 49 bytes, the most a command holds
    Occupy(1, longest);
    CollectPrefixMatches(table, Slots(), longest.c_str());
    EXPECT_EQ(Matches(), (std::vector<int>{1}));
    CollectPrefixMatches(table, Slots(), (longest + "a").c_str()); // 50 bytes
    EXPECT_EQ(Matches(), std::vector<int>{});
    CollectPrefixMatches(table, Slots(), std::string(kTextSize - 1, 'A').c_str());
    EXPECT_EQ(Matches(), std::vector<int>{});
}

TEST_F(CommandTable, FreeSlotsWithStaleCommandsAreNeverOffered) {
    std::strcpy(table[4].command, "memo"); // texts of a group that had no ICONINDEX line
    Occupy(6, "memo");
    CollectPrefixMatches(table, Slots(), "m");
    EXPECT_EQ(Matches(), (std::vector<int>{6}));
    EXPECT_EQ(FindAliasSlot(table, Slots(), "memo", 4), 6);
}

TEST_F(CommandTable, MoreThan498MatchesStopAt498AndKeepTheTerminator) {
    for (int s = 1; s <= 600; s++)
        Occupy(s, "app" + std::to_string(s));
    CollectPrefixMatches(table, Slots(), "APP");
    EXPECT_EQ(MatchCount(), kMaxMatches);
    EXPECT_EQ(MatchList[1], 1);
    EXPECT_EQ(MatchList[498], 498);
    EXPECT_EQ(MatchList[499], 0);
    EXPECT_EQ(MatchList[0], 0);

    // Exactly 498 fit as well.
    for (int s = 499; s <= 600; s++)
        table[s] = IconEntry{};
    CollectPrefixMatches(table, Slots(), "app");
    EXPECT_EQ(MatchCount(), 498);
    EXPECT_EQ(MatchList[499], 0);
}

TEST_F(CommandTable, ShiftJisTrailBytesFoldOnBothSides) {
    Occupy(8, kTesuto);
    CollectPrefixMatches(table, Slots(), kTesuto.substr(0, 2).c_str());
    EXPECT_EQ(Matches(), (std::vector<int>{8}));
    EXPECT_EQ(FindAliasSlot(table, Slots(), kTesuto.c_str(), (int)kTesuto.size()), 8);
    // Folding both sides the same way makes the folded spelling an equal text.
    EXPECT_EQ(FindAliasSlot(table, Slots(), kTesutoFolded.c_str(), (int)kTesutoFolded.size()), 8);
}

struct AliasCase {
    std::string typed;
    int expected;
};

TEST_F(CommandTable, AliasLookupIgnoresAsciiCaseAndTheFirstSlotWins) {
    Occupy(2, "memo");
    Occupy(7, "Word");
    Occupy(40, "WORD");
    Occupy(41, "note pad");
    const AliasCase cases[] = {
        {"memo", 2},  {"MEMO", 2}, {"mEmO", 2},  {"word", 7},         {"WORD", 7},      {"Word", 7}, {"memo ", 0},
        {" memo", 0}, {"mem", 0},  {"memos", 0}, {kFullWidthMemo, 0}, {"NOTE PAD", 41}, {"", 0},
    };
    for (const AliasCase& c : cases)
        EXPECT_EQ(FindAliasSlot(table, Slots(), c.typed.c_str(), (int)c.typed.size()), c.expected) << c.typed;
}

TEST_F(CommandTable, AliasLookupTakesOnlyTheGivenLength) {
    Occupy(3, "calc");
    EXPECT_EQ(FindAliasSlot(table, Slots(), "calculator", 4), 3);
    EXPECT_EQ(FindAliasSlot(table, Slots(), "calc", 3), 0);
}

struct SplitCase {
    std::string text, program, arguments;
};

TEST(SplitCommandLine, CutsAtTheFirstSpaceWithoutQuoting) {
    const SplitCase cases[] = {
        {"notepad", "notepad", ""},
        {"notepad a.txt", "notepad", "a.txt"},
        {"notepad  a.txt", "notepad", " a.txt"}, // the second space stays in the arguments
        {" notepad", "", "notepad"},             // a leading space leaves no program
        {"memo ", "memo", ""},
        {"prog C:\\My Docs\\a.txt", "prog", "C:\\My Docs\\a.txt"},
        {"\"C:\\Program Files\\x.exe\" -v", "\"C:\\Program", "Files\\x.exe\" -v"},
        {"", "", ""},
    };
    for (const SplitCase& c : cases) {
        char program[kTextSize];
        char arguments[kTextSize];
        std::memset(program, 0xcc, sizeof program);
        std::memset(arguments, 0xcc, sizeof arguments);
        SplitCommandLine(c.text.c_str(), program, arguments);
        EXPECT_EQ(program, c.program) << c.text;
        EXPECT_EQ(arguments, c.arguments) << c.text;
    }
}

TEST(SplitCommandLine, LongestTextFitsEitherPart) {
    const std::string program((kTextSize - 1), 'p');
    char outProgram[kTextSize];
    char outArguments[kTextSize];
    SplitCommandLine(program.c_str(), outProgram, outArguments);
    EXPECT_EQ(outProgram, program);
    const std::string arguments((kTextSize - 1) - 2, 'a');
    SplitCommandLine(("p " + arguments).c_str(), outProgram, outArguments);
    EXPECT_EQ(outProgram, std::string("p"));
    EXPECT_EQ(outArguments, arguments);
}

class TypedPrefixTest : public testing::Test {
protected:
    void SetUp() override { std::memset(TypedPrefix, 0, sizeof TypedPrefix); }
};

TEST_F(TypedPrefixTest, KeyPressesStopAt511Bytes) {
    for (int i = 0; i < kTextSize - 2; i++)
        AppendTypedKey('A');
    EXPECT_EQ(std::strlen(TypedPrefix), 510u);
    AppendTypedKey('B'); // the 511th byte still fits
    EXPECT_EQ(std::strlen(TypedPrefix), 511u);
    EXPECT_EQ(TypedPrefix[510], 'B');
    for (int i = 0; i < 50; i++)
        AppendTypedKey('C'); // auto-repeat beyond the end is dropped
    EXPECT_EQ(std::strlen(TypedPrefix), 511u);
    EXPECT_EQ(TypedPrefix[510], 'B');
    EXPECT_EQ(TypedPrefix[511], '\0');
}

TEST_F(TypedPrefixTest, AppendsTheVirtualKeyCodeItself) {
    AppendTypedKey(0x41); // A
    AppendTypedKey(0x10); // Shift
    EXPECT_EQ(std::string(TypedPrefix), "A\x10");
}

struct RebuildCase {
    const char* before;
    const char* boxText;
    bool wholeText;
    int selectionStart;
    std::string after;
};

TEST_F(TypedPrefixTest, RebuildAtKeyRelease) {
    const RebuildCase cases[] = {
        {"M", "memo", true, 0, "memo"}, // no selection: the whole text
        {"XY", "", true, 0, ""},
        {"mE", "MEdit", false, 2, "ME"},      // the typed part takes the suggestion's case
        {"m\x10", "Memo", false, 1, "M\x10"}, // Shift appended at its press stays after it
        {"m", "MEMO", false, 1, "M"},
        {"", "MEMO", false, 3, "MEM"},      // nothing stale comes back after the copy
        {"memo", "MEMO", false, 0, "memo"}, // a selection from 0 keeps everything typed
    };
    for (const RebuildCase& c : cases) {
        std::memset(TypedPrefix, 'z', sizeof TypedPrefix); // stale bytes beyond the 0
        std::strcpy(TypedPrefix, c.before);
        RebuildTypedPrefix(c.boxText, c.wholeText, c.selectionStart);
        EXPECT_EQ(std::string(TypedPrefix), c.after) << c.before << " / " << c.boxText;
    }
}

TEST_F(TypedPrefixTest, RebuildNeverOverflows) {
    const std::string longText(2000, 'q');
    RebuildTypedPrefix(longText.c_str(), true, 0);
    EXPECT_EQ(std::strlen(TypedPrefix), 511u);
    RebuildTypedPrefix(longText.c_str(), false, 1500);
    EXPECT_EQ(std::strlen(TypedPrefix), 511u);
    EXPECT_EQ(TypedPrefix[511], '\0');
}

TEST(BoxKeys, PressesWalkTheListOnlyWhileItIsActive) {
    const struct {
        int key, active;
        const char* complement;
        KeyDownStep step;
    } cases[] = {
        {kKeyDown, 1, "1", KeyDownStep::StepDown}, {kKeyUp, 1, "1", KeyDownStep::StepUp},
        {kKeyDown, 1, "0", KeyDownStep::StepDown}, // a hidden list still walks
        {kKeyDown, 0, "1", KeyDownStep::Record},   {kKeyUp, 0, "0", KeyDownStep::Pass},
        {'A', 1, "1", KeyDownStep::Record},        {'A', 1, "0", KeyDownStep::Pass},
        {'A', 0, "2", KeyDownStep::Pass}, // only "1" is on
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoxKeyDownStep(c.key, c.active, c.complement), c.step) << c.key << " " << c.active << c.complement;
    const struct {
        int key;
        KeyUpStep step;
    } releases[] = {
        {kKeyUp, KeyUpStep::Ignore},     {kKeyDown, KeyUpStep::Ignore},    {kKeyBack, KeyUpStep::TakeText},
        {kKeyLeft, KeyUpStep::TakeText}, {kKeyRight, KeyUpStep::TakeText}, {kKeyDelete, KeyUpStep::TakeText},
        {'M', KeyUpStep::Complete},      {0x10, KeyUpStep::Complete}, // Shift completes like a letter
    };
    for (const auto& r : releases)
        EXPECT_EQ(BoxKeyUpStep(r.key), r.step) << r.key;
}

TEST_F(CommandTable, KeyReleaseCompletesWhatWasTyped) {
    Occupy(3, "memo");
    Occupy(9, "MemoPad");
    Occupy(12, "calc");
    const struct {
        const char* typed; // TypedPrefix before the release
        const char* box;
        const char* complement;
        int start, end; // the box's selection
        const char* prefix;
        int matches;
    } cases[] = {
        {"m", "m", "1", 1, 1, "m", 2},
        {"M", "memo", "1", 1, 4, "m", 2}, // the selected tail of a suggestion is no typed text
        {"ME", "memo", "1", 2, 4, "me", 2},
        {"memop", "MemoPad", "1", 7, 7, "MemoPad", 1},
        {"m", "memo", "0", 1, 4, "memo", 2}, // switched off: the whole text counts
        {"m", "memo", "2", 1, 4, "m", 2},    // any other value rebuilds like "1"
        {"x", "x", "1", 1, 1, "x", 0},
        {"", "", "1", 0, 0, "", 0},
    };
    for (const auto& c : cases) {
        std::strcpy(TypedPrefix, c.typed);
        CompletionActive = 1 - (c.matches > 0);
        EXPECT_EQ(CompleteTypedText(table, Slots(), c.box, c.complement, c.start, c.end), c.matches) << c.box;
        EXPECT_EQ(std::string(TypedPrefix), c.prefix) << c.box;
        EXPECT_EQ(CompletionActive, c.matches > 0 ? 1 : 0) << c.box;
    }
}

struct SizeCase {
    int matches, rowHeight, height, width;
};

TEST(CompletionListSize, RowsAndBorderUpToFiveThenSixRowsAndAScrollBar) {
    ListMetrics metrics = {80, 17, 16, 1, 1};
    const SizeCase cases[] = {
        {1, 17, 19, 82}, {5, 17, 87, 82},  {6, 17, 102, 98}, {7, 17, 103, 98}, {498, 17, 103, 98},
        {1, 16, 19, 82}, {5, 20, 102, 82}, {6, 20, 120, 98}, {7, 20, 121, 98}, // rows under 17 count as 17
    };
    for (const SizeCase& c : cases) {
        metrics.rowHeight = c.rowHeight;
        ListSize size = CompletionListSize(c.matches, metrics);
        EXPECT_EQ(size.height, c.height) << c.matches << " rows of " << c.rowHeight;
        EXPECT_EQ(size.width, c.width) << c.matches << " rows of " << c.rowHeight;
    }
    ListMetrics thick = {80, 17, 16, 2, 3};
    EXPECT_EQ(CompletionListSize(2, thick).height, 40);
    EXPECT_EQ(CompletionListSize(2, thick).width, 84);
    EXPECT_EQ(CompletionListSize(9, thick).width, 100);
}

// The list view's own order, measured under Wine: ascending keys, and equal keys latest insertion first.
TEST(ListViewOrder, AscendingKeysAndTheLaterOfEqualKeysFirst) {
    const struct {
        std::vector<const char*> keys;
        std::vector<int> order;
    } cases[] = {
        {{}, {}},
        {{"b", "a", "c"}, {1, 0, 2}},
        {{"a", "b", "a", "b", "a"}, {4, 2, 0, 3, 1}},
        {{"\x80", "a", "\x7f"}, {1, 2, 0}}, // bytes above 0x7f compare as unsigned
        {{"ab", "a", "abc"}, {1, 0, 2}},    // a key that is the start of another comes first
    };
    for (const auto& c : cases) {
        std::vector<int> order(c.keys.size(), -1);
        ListViewOrder(c.keys.data(), (int)c.keys.size(), order.data());
        EXPECT_EQ(order, c.order) << c.keys.size();
    }
}

} // namespace
