// The launcher on systems whose code page is not Japanese: names with accents survive a start and a
// close, paths split where they should, the program's own Japanese texts read right, and files whose
// names the code page cannot hold still start. The test itself runs under Japanese; Wine gives each
// process the code page of its own locale, so the launcher is started under another one.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 100;
const int kTop = 100;
const std::string e = "\xE9"; // é in code page 1252

std::string SettingsFile() { return QuietLauncherIni({{"CMDEXE", "0"}}); }

POINT Cell(int c, int r) { return CellCentre(kLeft, kTop, c, r); }

std::wstring WideText(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, (LPARAM)text);
    return text;
}

// A file "<name>.ran" written by a marker started from folder, whatever name it was started under.
bool MarkerRan(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.ran").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// A copy of the marker program named (UTF-16) name in folder; returns its Linux path for a drop.
std::string PlaceWideMarker(const std::string& folder, const std::wstring& name, const std::string& utf8Name) {
    std::wstring target(folder.begin(), folder.end()); // the test folders are ASCII
    target += L"\\" + name;
    std::string bin = BinaryFolder();
    std::wstring marker = std::wstring(bin.begin(), bin.end()) + L"\\marker.exe";
    EXPECT_TRUE(CopyFileW(marker.c_str(), target.c_str(), FALSE));
    return UnixPath(folder) + "/" + utf8Name;
}

// The value of the line that starts with key in an icons.dat.
std::string Value(const std::string& file, const std::string& key) {
    size_t at = file.find(key);
    if (at == std::string::npos)
        return "(missing)";
    at += key.size();
    return file.substr(at, file.find("\r\n", at) - at);
}

class CodePage : public testing::Test {
protected:
    void TearDown() override {
        if (launcher.Running())
            CloseLauncher(launcher);
        SetLauncherLocale("");
    }
    void Start(const char* locale, const std::string& name, const std::string& icons) {
        SetLauncherLocale(locale);
        folder = NewProgramFolder(name);
        WriteFile(folder + "\\setting.ini", SettingsFile());
        if (!icons.empty())
            WriteFile(folder + "\\icons.dat", icons);
        ASSERT_TRUE(StartLauncher(launcher, folder));
    }
    // Drops the file with the given Linux path on cell (c, 1), then clicks it: the program starts.
    void DropAndStart(int c, const std::string& unixPath, const std::string& markerFolder) {
        POINT at = Cell(c, 1);
        MoveMouse(at.x, at.y);
        ASSERT_EQ(DropUnixFileAt(at, unixPath), 0);
        ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(at.x - 12, at.y) != RGB(255, 255, 255); }))
            << "the dropped file shows an icon";
        Click(at.x, at.y);
        EXPECT_TRUE(WaitUntil([&] { return MarkerRan(markerFolder); }, 15000)) << "the dropped program started";
    }
    Launcher launcher;
    std::string folder;
};

TEST_F(CodePage, WesternSystemKeepsAccentsSplitsPathsAndReadsJapanese) {
    std::string file = "1?NAME?caf" + e + "\r\n1?FILEPATH?C:\\caf" + e + "\\x.exe\r\n1?CURDIR?C:\\caf" + e +
                       "\r\n1?ICONPATH?C:\\caf" + e + "\\x.exe\r\n1?COMMAND?caf" + e + "\r\n1?ICONINDEX?0\r\n";
    ASSERT_NO_FATAL_FAILURE(Start("en_US.UTF-8", "cp1252", file));

    // A document in a folder named with é: its name, command and working folder split at the right '\'.
    std::string docs = NewFolder("cp1252_docs");
    ASSERT_TRUE(CreateDirectoryW((std::wstring(docs.begin(), docs.end()) + L"\\Jos\u00e9").c_str(), NULL));
    HANDLE doc = CreateFileW((std::wstring(docs.begin(), docs.end()) + L"\\Jos\u00e9\\report.doc").c_str(),
                             GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(doc, INVALID_HANDLE_VALUE);
    CloseHandle(doc);
    POINT at = Cell(1, 1);
    MoveMouse(at.x, at.y);
    ASSERT_EQ(DropUnixFileAt(at, UnixPath(docs) + "/Jos\xC3\xA9/report.doc"), 0);
    ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(at.x - 12, at.y) != RGB(255, 255, 255); }));

    // The not-found box is in Japanese on this system too.
    HoverWindow(launcher.window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == launcher.window; }, 8000));
    TypeText("zzq");
    PressKey(VK_RETURN);
    HWND dialog = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindDialog(launcher, "zzq")) != NULL; }, 10000));
    EXPECT_EQ(WideText(GetDlgItem(dialog, 0xFFFF)),
              L"'zzq' が見つかりません。名前を正しく入力したかどうかを確認してから、やりなおしてください");
    SaveScreenshot("codepage-1252-not-found");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 8000));

    // The board's menu, whose show/hide item the program names at run time.
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(launcher.window) != FALSE; }, 8000));
    RightClick(Cell(5, 4).x, Cell(5, 4).y);
    HWND menu = NULL;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowA("#32768", NULL)) != NULL && IsWindowVisible(menu); }));
    // Another process cannot read the menu's items under Wine: the screenshot shows them.
    SaveScreenshot("codepage-1252-menu");
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));

    ASSERT_TRUE(CloseLauncher(launcher));
    std::string dir = docs + "\\Jos" + e;
    std::string dropped = "2?NAME?report.doc\r\n2?FILEPATH?" + dir + "\\report.doc\r\n2?CURDIR?" + dir +
                          "\r\n2?ICONPATH?" + dir + "\\report.doc\r\n2?COMMAND?report\r\n2?ICONINDEX?0\r\n";
    EXPECT_EQ(ReadFile(folder + "\\icons.dat"), file + dropped) << "every value kept, byte for byte";
}

TEST_F(CodePage, JapaneseNameOnAWesternSystemStarts) {
    ASSERT_NO_FATAL_FAILURE(Start("en_US.UTF-8", "cp1252_kanji", ""));
    std::string programs = NewFolder("cp1252_programs");
    std::string path = PlaceWideMarker(programs, L"\u65e5\u672c\u8a9e.exe", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.exe");
    ASSERT_NO_FATAL_FAILURE(DropAndStart(0, path, programs));
    ASSERT_TRUE(CloseLauncher(launcher));
    std::string saved = ReadFile(folder + "\\icons.dat");
    EXPECT_EQ(Value(saved, "1?NAME?"), "___.exe") << "named as the code page can show it";
    EXPECT_EQ(Value(saved, "1?COMMAND?"), "___");
    std::string path8dot3 = Value(saved, "1?FILEPATH?");
    EXPECT_EQ(path8dot3.find('?'), std::string::npos) << path8dot3;
    EXPECT_NE(GetFileAttributesA(path8dot3.c_str()), INVALID_FILE_ATTRIBUTES) << "a path that opens: " << path8dot3;
}

TEST_F(CodePage, EmojiNameOnAJapaneseSystemStarts) {
    ASSERT_NO_FATAL_FAILURE(Start("ja_JP.UTF-8", "cp932_emoji", ""));
    std::string programs = NewFolder("cp932_programs");
    std::string path = PlaceWideMarker(programs, L"memo\U0001F600.exe", "memo\xF0\x9F\x98\x80.exe");
    ASSERT_NO_FATAL_FAILURE(DropAndStart(0, path, programs));
}

} // namespace
