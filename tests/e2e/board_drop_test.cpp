// Files dropped on the board through a real X drag-and-drop become icons with unique commands.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 100;
const int kTop = 100;

std::string SettingsFile() {
    std::string s = "[Config]\r\nCMDEXE=1\r\nWINR=0\r\nShortCut=0\r\n[Appearance]\r\nDSPBMP=0\r\n"
                    "[Icon]\r\nICONRECT=0\r\nIconCountRow=7\r\nIconCountColumn=10\r\nPageCount=5\r\n"
                    "[Rect]\r\nLeft=100\r\nTop=100\r\n[Page]\r\nNowPage=1\r\n";
    return s;
}

POINT Cell(int c, int r) { return POINT{kLeft + 35 + 33 * c + 16, kTop + 35 + 33 * (r - 1) + 16}; }

// The Linux path of a Windows path, from Wine's own kernel32.
std::string UnixPath(const std::string& path) {
    typedef char*(__cdecl * UnixName)(const WCHAR*);
    UnixName toUnix =
        (UnixName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (toUnix == NULL)
        return "";
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unix = toUnix(wide);
    if (unix == NULL)
        return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Runs the X drag-and-drop helper (a Linux program; Wine starts it directly) and waits for its result
// file, since the exit code of a Linux process does not reach a Windows one. Wine returns success for
// such a start but fills PROCESS_INFORMATION with stale stack values: closing those "handles" would
// close whatever handles of ours carry those numbers, such as the one to the launcher, so they are
// left alone.
int XDrop(POINT at, const std::string& path) {
    std::string helper = BinaryFolder() + "\\xdnd_drop";
    std::string result = NewFolder("drop_result") + "\\result.txt";
    std::string cmd = "\"" + helper + "\" " + std::to_string(at.x) + " " + std::to_string(at.y) + " \"" +
                      UnixPath(path) + "\" \"" + UnixPath(result) + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -(int)GetLastError();
    std::string text;
    if (!WaitUntil([&] { return !(text = ReadFile(result)).empty(); }, 20000))
        return 99;
    return std::atoi(text.c_str());
}

std::string Group(int slot, const std::string& name, const std::string& path, const std::string& dir,
                  const std::string& command) {
    std::string n = std::to_string(slot);
    return n + "?NAME?" + name + "\r\n" + n + "?FILEPATH?" + path + "\r\n" + n + "?CURDIR?" + dir + "\r\n" + n +
           "?ICONPATH?" + path + "\r\n" + n + "?COMMAND?" + command + "\r\n" + n + "?ICONINDEX?0\r\n";
}

TEST(BoardDrop, DroppedFilesBecomeIconsWithUniqueCommands) {
    std::string folder = NewProgramFolder("drop");
    WriteFile(folder + "\\setting.ini", SettingsFile());
    std::string docs = NewFolder("drop_docs");
    std::string other = NewFolder("drop_other");
    WriteFile(docs + "\\memo.txt", "a");
    WriteFile(other + "\\memo.txt", "b");
    CreateDirectoryA((docs + "\\My.Docs").c_str(), NULL);
    WriteFile(other + "\\My.Docs", "c");
    Launcher launcher;
    ASSERT_TRUE(StartLauncher(launcher, folder));
    ASSERT_FALSE(UnixPath(docs).empty());

    struct Drop {
        std::string path;
        POINT at;
    } drops[] = {
        {docs + "\\memo.txt", Cell(0, 1)},
        {other + "\\memo.txt", Cell(1, 1)}, // the same name again: "&" appended
        {docs + "\\My.Docs", Cell(2, 1)},   // a folder keeps its whole name
        {other + "\\My.Docs", Cell(3, 1)},  // a file loses its "extension"
        {other + "\\memo.txt", Cell(0, 1)}, // onto an occupied cell: ignored
    };
    for (const Drop& d : drops) {
        MoveMouse(d.at.x, d.at.y);
        ASSERT_EQ(XDrop(d.at, d.path), 0) << d.path;
        Pause(500);
        ASSERT_TRUE(launcher.Running()) << "after dropping " << d.path;
    }
    MoveMouse(kLeft + 200, kTop + 200);
    POINT icon = {Cell(0, 1).x - 12, Cell(0, 1).y};
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(icon.x, icon.y) != RGB(255, 255, 255); })) << "an icon is drawn";
    SaveScreenshot("board-after-drops");
    ASSERT_TRUE(CloseLauncher(launcher));
    std::string saved = ReadFile(folder + "\\icons.dat");
    std::string expected = Group(1, "memo.txt", docs + "\\memo.txt", docs, "memo") +
                           Group(2, "memo.txt", other + "\\memo.txt", other, "memo&") +
                           Group(3, "My.Docs", docs + "\\My.Docs", docs, "My.Docs") +
                           Group(4, "My.Docs", other + "\\My.Docs", other, "My");
    // Wine hands over the dropped paths as long names; the temporary folder may be given differently.
    EXPECT_EQ(saved, expected);
}

} // namespace
