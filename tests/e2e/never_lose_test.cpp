// What the launcher's files survive: a close on a full disk, in a read-only folder or with icons.dat
// locked by another program keeps both files byte for byte and says so in one box; files held only
// for a moment are still saved; a launcher killed at any moment leaves them as the last save did, and
// the next launcher's Run-dialog takeover works.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/common/test_kit.h"
#include "tests/common/titled_dialog.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 100;
const int kTop = 100;
const char kIconsText[] = "アイコンの設定(icons.dat)を保存できませんでした。\n以前の内容が残っています。";
const char kBothText[] =
    "アイコンの設定(icons.dat)と設定(setting.ini)を保存できませんでした。\n以前の内容が残っています。";
const char kRunTitle[] = "ファイル名を指定して実行";

// A hand-kept setting.ini: a person's own notes, and only some of the launcher's keys, so a save
// writes more than the file holds. Its size is just under two 4 KiB pages: on a full tmpfs a rewrite
// in place fits again in its own pages, a longer one is cut.
std::string SettingsFile(const char* takeover) {
    std::string notes = "[MyNotes]\r\n";
    for (int i = 0; i < 120; i++)
        notes += "Note" + std::to_string(i) + "=keep this line of my own notes exactly as it is\r\n";
    std::string keys = PartialSettingsIni({{"CMDEXE", "1"},
                                           {"WINR", takeover},
                                           {"ShortCut", "0"},
                                           {"DSPBMP", "0"},
                                           {"ICONRECT", "0"},
                                           {"IconCountRow", "7"},
                                           {"IconCountColumn", "10"},
                                           {"PageCount", "5"},
                                           {"Left", std::to_string(kLeft)},
                                           {"Top", std::to_string(kTop)}});
    std::string pad = "Pad=\r\n";
    pad.insert(4, 8192 - 40 - notes.size() - keys.size() - pad.size(), 'p');
    return notes + pad + keys;
}

POINT Cell(int c, int r) { return CellCentre(kLeft, kTop, c, r); }

// Runs a shell command on the Linux side. Wine passes no exit code of a Linux process back, so the
// status comes through a file; -1 when the shell did not run.
int RunLinux(const std::string& command) {
    std::string folder = NewFolder("linux");
    std::string script = folder + "\\run.sh", status = folder + "\\status.txt";
    WriteFile(script, "(" + command + ") >/dev/null 2>&1\necho $? > '" + UnixPath(status) + "'\n");
    std::string line = "Z:\\bin\\sh \"" + UnixPath(script) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {}; // stale values for a Linux process: not closed (see DropFileAt)
    if (!CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    std::string text = WaitForText(status, 20000);
    if (text.empty())
        return -1;
    return std::atoi(text.c_str());
}

// The texts of the launcher's "保存エラー" boxes seen until it exits; each box is answered with OK.
std::vector<std::string> AnswerBoxesUntilExit(Launcher& launcher, DWORD timeoutMs = 30000) {
    std::vector<std::string> texts;
    std::vector<HWND> seen;
    WaitUntil(
        [&] {
            HWND box = FindDialog(launcher, "保存エラー");
            if (box != NULL && std::find(seen.begin(), seen.end(), box) == seen.end()) {
                seen.push_back(box);
                std::string text;
                for (HWND c = GetWindow(box, GW_CHILD); c != NULL; c = GetWindow(c, GW_HWNDNEXT)) {
                    char cls[32];
                    GetClassNameA(c, cls, sizeof cls);
                    std::string t = WindowText(c);
                    if (lstrcmpiA(cls, "Static") == 0 && t.size() > text.size())
                        text = t;
                }
                texts.push_back(text);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            return !launcher.Running();
        },
        timeoutMs);
    return texts;
}

class SaveFailure : public testing::Test {
protected:
    std::string folder, unixFolder;
    bool mounted = false;
    std::string settingsBefore, iconsBefore;

    // A folder of its own on a small tmpfs (root only); false when it cannot be had.
    bool MountFolder(const char* name) {
        folder = NewFolder(name);
        unixFolder = UnixPath(folder);
        mounted = RunLinux("mount -t tmpfs -o size=1m tmpfs '" + unixFolder + "'") == 0;
        return mounted;
    }
    void TearDown() override {
        if (mounted)
            RunLinux("umount -l '" + unixFolder + "'");
    }
    void Install(const char* takeover = "0") {
        std::string bin = BinaryFolder();
        ASSERT_TRUE(CopyFileA((bin + "\\ZeltLauncher.exe").c_str(), (folder + "\\ZeltLauncher.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA((bin + "\\ZeltHook.dll").c_str(), (folder + "\\ZeltHook.dll").c_str(), FALSE));
        std::string tool = PlaceMarker(folder, "tool.exe");
        settingsBefore = SettingsFile(takeover);
        iconsBefore = IconGroup(1, "alpha", tool, folder, "alpha") + IconGroup(2, "beta", tool, folder, "beta");
        WriteFile(folder + "\\setting.ini", settingsBefore);
        WriteFile(folder + "\\icons.dat", iconsBefore);
    }
    // A moved window and a dragged icon: both files have something new to save.
    void StartAndChange(Launcher& launcher) {
        ASSERT_TRUE(StartLauncher(launcher, folder));
        POINT icon = Cell(0, 1), free5 = Cell(4, 1), empty = Cell(4, 4);
        Drag(icon.x, icon.y, free5.x, free5.y);
        Drag(empty.x, empty.y, empty.x + 60, empty.y + 40);
        ASSERT_TRUE(WaitUntil([&] { return WindowRect(launcher.window).left == kLeft + 60; }));
        MoveMouse(kLeft + 260, kTop + 240);
    }
    // Closes as the menu does: the launcher exits after telling exactly once, with text.
    void CloseExpectingOneBox(Launcher& launcher, const char* text) {
        PostMessageA(launcher.window, WM_CLOSE, 0, 0);
        std::vector<std::string> boxes = AnswerBoxesUntilExit(launcher);
        EXPECT_FALSE(launcher.Running());
        EXPECT_EQ(boxes.size(), 1u);
        if (!boxes.empty()) {
            EXPECT_EQ(boxes[0], text);
        }
    }
    void ExpectFilesAsBefore() {
        EXPECT_EQ(ReadFile(folder + "\\setting.ini"), settingsBefore);
        EXPECT_EQ(ReadFile(folder + "\\icons.dat"), iconsBefore);
    }
};

TEST_F(SaveFailure, AFullDiskKeepsBothFilesAndSaysSoOnce) {
    if (!MountFolder("full"))
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root): the full-disk case is not run";
    Install();
    {
        Launcher launcher;
        StartAndChange(launcher);
        ASSERT_EQ(RunLinux("cat /dev/zero > '" + unixFolder + "/filler'; test $(df --output=avail -B1 '" + unixFolder +
                           "' | tail -1) -eq 0"),
                  0);
        CloseExpectingOneBox(launcher, kBothText);
        ExpectFilesAsBefore();
        EXPECT_FALSE(FileExists(folder + "\\setting.ini.new"));
        EXPECT_FALSE(FileExists(folder + "\\icons.dat.new"));
    }
    // Ending the Windows session: the same, without a box.
    Launcher launcher;
    StartAndChange(launcher);
    PostMessageA(launcher.window, WM_QUERYENDSESSION, 0, 0);
    EXPECT_TRUE(AnswerBoxesUntilExit(launcher).empty());
    EXPECT_FALSE(launcher.Running());
    ExpectFilesAsBefore();
}

TEST_F(SaveFailure, AReadOnlyFolderKeepsBothFilesAndSaysSoOnce) {
    if (!MountFolder("readonly"))
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root): the read-only case is not run";
    Install();
    // Read-only for root too, which a permission bit is not.
    ASSERT_EQ(RunLinux("mount -o remount,ro '" + unixFolder + "'"), 0);
    Launcher launcher;
    StartAndChange(launcher);
    CloseExpectingOneBox(launcher, kBothText);
    ExpectFilesAsBefore();
}

// A person's read-only files are never replaced, and block nothing once writable again; neither do
// read-only copies a killed save may have left.
TEST_F(SaveFailure, ReadOnlyFilesAreKeptAndSavedOnceWritableAgain) {
    folder = NewFolder("readonly_files");
    Install();
    const std::string files[] = {folder + "\\setting.ini", folder + "\\icons.dat"};
    for (const std::string& file : files)
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        Launcher launcher;
        StartAndChange(launcher);
        CloseExpectingOneBox(launcher, kBothText);
        ExpectFilesAsBefore();
    }
    for (const std::string& file : files) {
        EXPECT_FALSE(FileExists(file + ".new"));
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
        WriteFile(file + ".new", "stale");
        ASSERT_TRUE(SetFileAttributesA((file + ".new").c_str(), FILE_ATTRIBUTE_READONLY));
    }
    Launcher launcher;
    StartAndChange(launcher);
    PostMessageA(launcher.window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(AnswerBoxesUntilExit(launcher).empty());
    EXPECT_NE(ReadFile(files[0]).find("Left=" + std::to_string(kLeft + 60) + "\r\n"), std::string::npos);
    EXPECT_NE(ReadFile(files[1]), iconsBefore);
    for (const std::string& file : files)
        EXPECT_FALSE(FileExists(file + ".new"));
}

TEST_F(SaveFailure, IconsDatLockedByAnotherProgramIsKeptAndNamed) {
    folder = NewFolder("locked");
    Install();
    Launcher launcher;
    StartAndChange(launcher);
    HANDLE lock = CreateFileA((folder + "\\icons.dat").c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    CloseExpectingOneBox(launcher, kIconsText);
    CloseHandle(lock);
    EXPECT_EQ(ReadFile(folder + "\\icons.dat"), iconsBefore);
    EXPECT_FALSE(FileExists(folder + "\\icons.dat.new"));
    // setting.ini was free: saved, the person's notes and all.
    std::string saved = ReadFile(folder + "\\setting.ini");
    EXPECT_EQ(saved.find(SettingsFile("0").substr(0, 2000)), 0u);
    EXPECT_NE(saved.find("Left=" + std::to_string(kLeft + 60) + "\r\n"), std::string::npos);
}

// A virus scanner, the search indexer or a sync client holds the files for a moment as the launcher
// closes (open, but not for deletion): both are still saved, and hidden files stay hidden.
TEST_F(SaveFailure, FilesHeldForAMomentAtCloseAreStillSaved) {
    folder = NewFolder("held");
    Install();
    const std::string files[] = {folder + "\\icons.dat", folder + "\\setting.ini"};
    for (const std::string& file : files)
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    Launcher launcher;
    StartAndChange(launcher);
    HANDLE held[2];
    for (int i = 0; i < 2; i++) {
        held[i] = CreateFileA(files[i].c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING,
                              0, NULL);
        ASSERT_NE(held[i], INVALID_HANDLE_VALUE);
    }
    PostMessageA(launcher.window, WM_CLOSE, 0, 0);
    // Its copy written, the launcher is at the swap; the files are let go half a second later.
    EXPECT_TRUE(WaitUntil([&] { return FileExists(files[0] + ".new"); }));
    Pause(500);
    for (HANDLE h : held)
        CloseHandle(h);
    EXPECT_TRUE(AnswerBoxesUntilExit(launcher).empty());
    EXPECT_NE(ReadFile(files[0]), iconsBefore);
    EXPECT_NE(ReadFile(files[1]).find("Left=" + std::to_string(kLeft + 60) + "\r\n"), std::string::npos);
    for (const std::string& file : files)
        EXPECT_NE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u) << file;
}

// --- Killed at any moment -------------------------------------------------------------------------

INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)) {
        DestroyWindow(dialog);
        return TRUE;
    }
    return FALSE;
}

// Opens a Run dialog here and creates windows until the takeover closes it (each creation is a chance
// for the hook to act); true when it was taken over.
bool RunDialogTakenOver() {
    HWND run = CreateTitledDialog(kRunTitle, WS_POPUP | WS_CAPTION | WS_VISIBLE, PlainDialogProc);
    for (int i = 0; i < 20 && IsWindow(run); i++) {
        HWND w = CreateWindowExA(0, "STATIC", "trigger", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        Pause(300);
        DestroyWindow(w);
    }
    bool taken = !IsWindow(run);
    if (!taken)
        DestroyWindow(run);
    return taken;
}

class Killed : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // Wine's IME and COM helper windows come with the first dialog; let them exist first.
        CoInitialize(NULL);
        HWND w = CreateWindowExA(0, "STATIC", "warm-up", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
        Pause(300);
        DestroyWindow(w);
    }
};

TEST_F(Killed, AtStartUpIdleOrMidDragTheFilesStayAndTheNextTakeoverWorks) {
    std::string folder = NewProgramFolder("killed");
    std::string tool = PlaceMarker(folder, "tool.exe");
    std::string settings = SettingsFile("1");
    std::string icons = IconGroup(1, "alpha", tool, folder, "alpha") + IconGroup(2, "beta", tool, folder, "beta");
    WriteFile(folder + "\\setting.ini", settings);
    WriteFile(folder + "\\icons.dat", icons);
    {
        // A successful save first: a dragged icon, a moved window.
        Launcher saving;
        ASSERT_TRUE(StartLauncher(saving, folder));
        POINT icon = Cell(1, 1), free5 = Cell(4, 1), empty = Cell(4, 4);
        Drag(icon.x, icon.y, free5.x, free5.y);
        Drag(empty.x, empty.y, empty.x + 20, empty.y + 10);
        ASSERT_TRUE(WaitUntil([&] { return WindowRect(saving.window).left == kLeft + 20; }));
        ASSERT_TRUE(CloseLauncher(saving));
        settings = ReadFile(folder + "\\setting.ini");
        icons = ReadFile(folder + "\\icons.dat");
        ASSERT_EQ(icons, IconGroup(1, "alpha", tool, folder, "alpha") + IconGroup(5, "beta", tool, folder, "beta"));
    }
    const char* moments[] = {"start-up", "idle", "mid-drag"};
    for (const char* moment : moments) {
        SCOPED_TRACE(moment);
        Launcher launcher;
        if (std::string(moment) == "start-up") {
            // The process is up, its window not yet: loading files and installing the hook.
            PROCESS_INFORMATION& pi = launcher.process;
            std::string exe = folder + "\\ZeltLauncher.exe", line = "\"" + exe + "\"";
            STARTUPINFOA si = {};
            si.cb = sizeof si;
            ASSERT_TRUE(CreateProcessA(exe.c_str(), &line[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi));
            WaitForInputIdle(pi.hProcess, 0);
            Pause(40);
        } else {
            ASSERT_TRUE(StartLauncher(launcher, folder));
            if (std::string(moment) == "mid-drag") {
                // The window stands 20, 10 from where it started since the save.
                POINT icon = Cell(0, 1), free = Cell(3, 1);
                MoveMouse(icon.x + 20, icon.y + 10);
                LeftDown();
                Pause(150);
                MoveMouse(free.x + 20, free.y + 10);
                Pause(150);
            }
        }
        KillLauncher(launcher);
        if (std::string(moment) == "mid-drag")
            LeftUp();
        EXPECT_EQ(ReadFile(folder + "\\setting.ini"), settings);
        EXPECT_EQ(ReadFile(folder + "\\icons.dat"), icons);
    }
    // The next launcher reads the files as they were, and takes over the Run dialog.
    Launcher next;
    ASSERT_TRUE(StartLauncher(next, folder));
    EXPECT_EQ(WindowRect(next.window).left, kLeft + 20);
    MoveMouse(kLeft + 280, kTop + 250);
    ShowWindow(next.window, SW_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(next.window); }, 8000));
    EXPECT_TRUE(RunDialogTakenOver());
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(next.window) != FALSE; }, 8000));
    KillLauncher(next);
    // A launcher with the takeover off, after one killed with it on: the left-over hook keeps still.
    WriteFile(folder + "\\setting.ini", SettingsFile("0"));
    Launcher off;
    ASSERT_TRUE(StartLauncher(off, folder));
    ShowWindow(off.window, SW_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(off.window); }, 8000));
    EXPECT_FALSE(RunDialogTakenOver());
    EXPECT_FALSE(IsWindowVisible(off.window));
    EXPECT_TRUE(CloseLauncher(off));
}

} // namespace
