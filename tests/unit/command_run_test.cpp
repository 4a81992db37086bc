// The order of platform calls for every road of Enter in the command box, through a recording fake.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "launcher/command/command.h"

namespace {

IconEntry table[kSlotCount + 1];

using Calls = std::vector<std::string>;

struct RecordingPlatform : Platform {
    std::string boxText;
    std::vector<std::string> existing; // paths for which FindFile is true
    int shellResult = 42;
    Calls calls;
    std::string shown; // the text the not-found box names

    int ReadBoxText(char* out, int size) override {
        calls.push_back("ReadBoxText");
        int n = (int)boxText.size() < size - 1 ? (int)boxText.size() : size - 1;
        std::memcpy(out, boxText.data(), n);
        out[n] = '\0';
        return n;
    }
    void SetBoxText(const char* text) override {
        calls.push_back("SetBoxText(" + std::string(text) + ")");
        boxText = text;
    }
    void SelectBoxText(int start, int end) override {
        calls.push_back("SelectBoxText(" + std::to_string(start) + "," + std::to_string(end) + ")");
    }
    void FocusBox() override { calls.push_back("FocusBox"); }
    void HideMainWindow() override { calls.push_back("HideMainWindow"); }
    void ShowMainWindow() override { calls.push_back("ShowMainWindow"); }
    void HideHoverLabel() override { calls.push_back("HideHoverLabel"); }
    bool FindFile(const char* path) override {
        calls.push_back("FindFile(" + std::string(path) + ")");
        for (const std::string& e : existing)
            if (e == path)
                return true;
        return false;
    }
    void WindowsFolder(char* out, int size) override {
        calls.push_back("WindowsFolder(" + std::to_string(size) + ")");
        std::strcpy(out, "C:\\windows");
    }
    void ChangeDirectory(const char* path) override { calls.push_back("ChangeDirectory(" + std::string(path) + ")"); }
    int ShellOpen(const char* file, const char* parameters) override {
        calls.push_back("ShellOpen(" + std::string(file) + "|" + (parameters ? std::string(parameters) : "NULL") + ")");
        return shellResult;
    }
    void ShowNotFound(const char* text) override {
        calls.push_back("ShowNotFound");
        shown = text;
    }
};

// Installs a platform for one test and takes it away again.
struct Installed {
    explicit Installed(Platform& p) { InstallPlatform(&p); }
    ~Installed() { InstallPlatform(nullptr); }
};

class RunCommand : public testing::Test {
protected:
    void SetUp() override {
        InstallPlatform(&platform);
        std::memset(table, 0, sizeof table);
        settings = SettingsStore{};
        settings.PageCount = 13;
        settings.IconCountColumn = 15;
        settings.IconCountRow = 15;
        std::strcpy(settings.CMDEXE, "1");
        std::strcpy(settings.CMDCURDIR, "D:\\work");
        std::strcpy(TypedPrefix, "me");
    }
    static void Occupy(int slot, const char* command, const char* filePath, const char* curDir) {
        table[slot].icon = &table[slot];
        std::strcpy(table[slot].command, command);
        std::strcpy(table[slot].filePath, filePath);
        std::strcpy(table[slot].curDir, curDir);
    }
    void Run(const std::string& text) {
        platform.boxText = text;
        RunCommandText(table, settings);
    }
    void TearDown() override { InstallPlatform(nullptr); }
    SettingsStore settings;
    RecordingPlatform platform;
};

TEST_F(RunCommand, AliasOpensItsSlotFromItsFolderWhateverCmdExeSays) {
    Occupy(7, "memo", "C:\\Tools\\memo.exe", "C:\\Tools");
    for (const char* cmdExe : {"1", "0", ""}) {
        std::strcpy(settings.CMDEXE, cmdExe);
        platform.calls.clear();
        platform.shellResult = 2; // a failed open of an alias is not reported
        std::strcpy(TypedPrefix, "me");
        Run("MEMO");
        EXPECT_EQ(platform.calls, (Calls{"ReadBoxText", "HideMainWindow", "ChangeDirectory(C:\\Tools)",
                                         "ShellOpen(C:\\Tools\\memo.exe|NULL)", "HideHoverLabel", "SetBoxText()"}))
            << cmdExe;
        EXPECT_STREQ(TypedPrefix, "");
    }
}

TEST_F(RunCommand, ShellRunsFromCmdCurDir) {
    platform.existing = {"D:\\work"};
    Run("notepad a b.txt");
    EXPECT_EQ(platform.calls, (Calls{"ReadBoxText", "HideMainWindow", "FindFile(D:\\work)", "ChangeDirectory(D:\\work)",
                                     "ShellOpen(notepad|a b.txt)", "HideHoverLabel", "SetBoxText()"}));
    EXPECT_STREQ(TypedPrefix, "");
}

TEST_F(RunCommand, ShellRunsFromTheWindowsFolderWhenCmdCurDirIsMissing) {
    for (const char* folder : {"D:\\gone", ""}) {
        std::strcpy(settings.CMDCURDIR, folder);
        platform.calls.clear();
        Run("notepad");
        Calls expected = {"ReadBoxText",
                          "HideMainWindow",
                          "FindFile(D:\\gone)",
                          "WindowsFolder(512)",
                          "ChangeDirectory(C:\\windows)",
                          "ShellOpen(notepad|)",
                          "HideHoverLabel",
                          "SetBoxText()"};
        if (folder[0] == '\0')
            expected.erase(expected.begin() + 2); // an empty folder is not looked for
        EXPECT_EQ(platform.calls, expected) << folder;
    }
}

TEST_F(RunCommand, ShellFailureShowsNotFoundAndBringsTheWindowBack) {
    platform.existing = {"D:\\work"};
    platform.shellResult = 32; // 32 and below are failures
    Run("nosuchprog -x");
    EXPECT_EQ(platform.calls, (Calls{"ReadBoxText", "HideMainWindow", "FindFile(D:\\work)", "ChangeDirectory(D:\\work)",
                                     "ShellOpen(nosuchprog|-x)", "HideHoverLabel", "ShowNotFound",
                                     "SelectBoxText(0,13)", "ShowMainWindow", "FocusBox"}));
    EXPECT_EQ(platform.shown, "nosuchprog -x");
    EXPECT_STREQ(TypedPrefix, "me"); // only a launch empties it
}

TEST_F(RunCommand, WithCmdExeOffAnUnknownTextLaunchesNothing) {
    Occupy(3, "memo", "C:\\memo.exe", "C:\\");
    for (const char* cmdExe : {"0", "", "2"}) {
        std::strcpy(settings.CMDEXE, cmdExe);
        platform.calls.clear();
        Run("memo2");
        EXPECT_EQ(platform.calls, (Calls{"ReadBoxText", "HideMainWindow", "HideHoverLabel", "ShowNotFound",
                                         "SelectBoxText(0,5)", "ShowMainWindow", "FocusBox"}))
            << cmdExe;
        EXPECT_EQ(platform.shown, "memo2");
    }
}

TEST_F(RunCommand, EmptyBoxDoesNothing) {
    Run("");
    EXPECT_EQ(platform.calls, (Calls{"ReadBoxText"}));
}

TEST_F(RunCommand, AliasFollowedByASpaceGoesToTheShell) {
    Occupy(5, "memo", "C:\\memo.exe", "C:\\");
    platform.existing = {"D:\\work"};
    Run("memo ");
    EXPECT_EQ(platform.calls[4], "ShellOpen(memo|)");
}

TEST_F(RunCommand, LeadingSpaceGivesAnEmptyProgram) {
    platform.existing = {"D:\\work"};
    platform.shellResult = 2;
    Run(" notepad");
    EXPECT_EQ(platform.calls[4], "ShellOpen(|notepad)");
    EXPECT_EQ(platform.calls[6], "ShowNotFound");
}

TEST_F(RunCommand, TextsUpTo511BytesAreRunWhole) {
    platform.existing = {"D:\\work"};
    for (int length : {99, 100, 120, (kTextSize - 1)}) {
        const std::string arguments(length - 5, 'x');
        platform.calls.clear();
        Run("prog " + arguments);
        ASSERT_EQ(platform.calls.size(), 7u) << length;
        EXPECT_EQ(platform.calls[4], "ShellOpen(prog|" + arguments + ")") << length;
    }
}

TEST_F(RunCommand, LongerTextsAreNeverCutAndRun) {
    Occupy(1, "prog", "C:\\prog.exe", "C:\\");
    platform.existing = {"D:\\work"};
    for (int length : {(kTextSize - 1) + 1, 2000}) {
        const std::string text = "prog" + std::string(length - 4, ' ');
        platform.calls.clear();
        Run(text);
        EXPECT_EQ(platform.calls, (Calls{"ReadBoxText", "HideMainWindow", "HideHoverLabel", "ShowNotFound",
                                         "SelectBoxText(0,-1)", "ShowMainWindow", "FocusBox"}))
            << length;
        EXPECT_EQ(platform.shown, text.substr(0, (kTextSize - 1)));
    }
}

TEST_F(RunCommand, FirstSlotWinsOnCaseOnlyDuplicates) {
    Occupy(7, "Memo", "C:\\seven.exe", "C:\\7");
    Occupy(40, "MEMO", "C:\\forty.exe", "C:\\40");
    for (const char* typed : {"Memo", "MEMO", "memo"}) {
        platform.calls.clear();
        Run(typed);
        EXPECT_EQ(platform.calls[3], "ShellOpen(C:\\seven.exe|NULL)") << typed;
    }
}

TEST(LaunchSlot, FreeOrOutOfRangeSlotsOpenNothing) {
    std::memset(table, 0, sizeof table);
    table[12].icon = &table[12];
    std::strcpy(table[12].filePath, "C:\\Windows\\notepad.exe");
    std::strcpy(table[12].curDir, "C:\\Windows");
    RecordingPlatform platform;
    Installed installed(platform);
    EXPECT_EQ(LaunchSlot(table, 11), 0);
    EXPECT_EQ(LaunchSlot(table, 0), 0);
    EXPECT_EQ(LaunchSlot(table, kSlotCount + 1), 0);
    EXPECT_EQ(LaunchSlot(table, -3), 0);
    EXPECT_TRUE(platform.calls.empty());
    platform.shellResult = 2;
    EXPECT_EQ(LaunchSlot(table, 12), 1);
    EXPECT_EQ(platform.calls, (Calls{"ChangeDirectory(C:\\Windows)", "ShellOpen(C:\\Windows\\notepad.exe|NULL)"}));
}

TEST(ShellRun, ResultsAbove32AreSuccess) {
    RecordingPlatform platform;
    Installed installed(platform);
    const struct { int shell, expected; } cases[] = {{0, 0}, {2, 0}, {31, 0}, {32, 0}, {33, 33}, {42, 42}};
    for (const auto& c : cases) {
        platform.shellResult = c.shell;
        EXPECT_EQ(ShellRun("a b"), c.expected) << c.shell;
    }
}

} // namespace
