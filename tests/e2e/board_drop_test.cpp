// Files dropped on the board through a real X drag-and-drop become icons with unique commands.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/common/test_kit.h"
#include "tests/e2e/harness.h"

using namespace e2e;

namespace {

const int kLeft = 100;
const int kTop = 100;

std::string SettingsFile() { return QuietLauncherIni(); }

POINT Cell(int c, int r) { return CellCentre(kLeft, kTop, c, r); }

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
        {docs + "\\memo.txt", Cell(0, 1)},  {other + "\\memo.txt", Cell(1, 1)}, // the same name again: "&" appended
        {docs + "\\My.Docs", Cell(2, 1)},                                       // a folder keeps its whole name
        {other + "\\My.Docs", Cell(3, 1)},                                      // a file loses its "extension"
        {other + "\\memo.txt", Cell(0, 1)},                                     // onto an occupied cell: ignored
    };
    for (const Drop& d : drops) {
        MoveMouse(d.at.x, d.at.y);
        ASSERT_EQ(DropFileAt(d.at, d.path), 0) << d.path;
        Pause(500);
        ASSERT_TRUE(launcher.Running()) << "after dropping " << d.path;
    }
    MoveMouse(kLeft + 200, kTop + 200);
    POINT icon = {Cell(0, 1).x - 12, Cell(0, 1).y};
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(icon.x, icon.y) != RGB(255, 255, 255); })) << "an icon is drawn";
    GuideShot("board-after-drops");
    ASSERT_TRUE(CloseLauncher(launcher));
    std::string saved = ReadFile(folder + "\\icons.dat");
    std::string expected = IconGroup(1, "memo.txt", docs + "\\memo.txt", docs, "memo") +
                           IconGroup(2, "memo.txt", other + "\\memo.txt", other, "memo&") +
                           IconGroup(3, "My.Docs", docs + "\\My.Docs", docs, "My.Docs") +
                           IconGroup(4, "My.Docs", other + "\\My.Docs", other, "My");
    // Wine hands over the dropped paths as long names; the temporary folder may be given differently.
    EXPECT_EQ(saved, expected);
}

} // namespace
