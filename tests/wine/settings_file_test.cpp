// setting.ini through the real GetPrivateProfileStringA / WritePrivateProfileStringA.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "launcher/settings/settings.h"
#include "launcher/shell/platform_win.h"
#include "tests/common/test_kit.h"

namespace {

std::string TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    char dir[MAX_PATH];
    std::snprintf(dir, sizeof dir, "%szelt_settings_%lu", base, GetCurrentProcessId());
    CreateDirectoryA(dir, NULL);
    return dir;
}

std::string ReadAll(const std::string& path) {
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

void WriteAll(const std::string& path, const std::string& text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
}

class SettingsFile : public testing::Test {
protected:
    std::string dir = TempFolder();
    std::string ini = dir + "\\setting.ini";
    void SetUp() override {
        InstallWin32Platform();
        DeleteFileA(ini.c_str());
    }
    void TearDown() override { DeleteFileA(ini.c_str()); }
};

TEST_F(SettingsFile, SavingFromNothingWritesAllKeysInOrder) {
    LoadSettingsFrom(ini.c_str(), dir.c_str());
    SaveSettingsTo(ini.c_str());
    EXPECT_EQ(ReadAll(ini), SettingsIni(dir));
}

TEST_F(SettingsFile, EdgeValuesLoadAsTheirBuffersHoldThem) {
    std::string longTitle(600, 'T');
    WriteAll(ini,
             "[Config]\r\nActiveKey=1234\r\n[Icon]\r\nIconCountColumn=100\r\nPageCount=5\r\n"
             "[Rect]\r\nLeft=-1280\r\n[Page]\r\nNowPage=9\r\nTitle1=" +
                 longTitle + "\r\n");
    LoadSettingsFrom(ini.c_str(), dir.c_str());
    EXPECT_EQ(Settings.IconCountColumn, 10);
    EXPECT_STREQ(Settings.ActiveKey, "123");
    EXPECT_EQ(Settings.WindowRect.left, -128);
    EXPECT_EQ(Settings.NowPage, 1);
    EXPECT_EQ(std::string(Settings.Title[1]), longTitle.substr(0, 511));

    SaveSettingsTo(ini.c_str());
    char title[1024];
    GetPrivateProfileStringA("Page", "Title1", "", title, sizeof title, ini.c_str());
    EXPECT_EQ(std::string(title), longTitle.substr(0, 511)); // written back cut
}

TEST_F(SettingsFile, NinePagesStayWhenTheBoardHoldsThem) {
    WriteAll(ini, "[Icon]\r\nIconCountRow=11\r\nPageCount=9\r\n[Page]\r\nNowPage=9\r\n");
    LoadSettingsFrom(ini.c_str(), dir.c_str());
    EXPECT_EQ(Settings.PageCount, 9);
    EXPECT_EQ(Settings.NowPage, 9);
}

TEST_F(SettingsFile, OutOfRangeBoardValuesAreClampedOnLoad) {
    WriteAll(ini, "[Icon]\r\nIconCountRow=2\r\nIconCountColumn=40\r\nPageCount=13\r\n[Page]\r\nNowPage=-4\r\n");
    LoadSettingsFrom(ini.c_str(), dir.c_str());
    EXPECT_EQ(Settings.IconCountRow, 4);
    EXPECT_EQ(Settings.IconCountColumn, 15);
    EXPECT_EQ(Settings.PageCount, 2);
    EXPECT_EQ(Settings.NowPage, 1);
}

TEST_F(SettingsFile, AnUnusablePathGivesDefaultsAndWritesNothing) {
    LoadSettingsFrom("", dir.c_str());
    EXPECT_EQ(Settings.IconCountColumn, 10);
    EXPECT_STREQ(Settings.WINR, "1");
    SaveSettingsTo("");
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ProgramDirectoryTest, IsTheExecutablesFolderWithoutSeparator) {
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, sizeof module);
    char dir[kTextSize];
    ProgramDirectory(dir, sizeof dir);
    std::string expected(module);
    expected = expected.substr(0, expected.find_last_of('\\'));
    EXPECT_EQ(std::string(dir), expected);
    char small[4];
    ProgramDirectory(small, sizeof small);
    EXPECT_STREQ(small, ""); // does not fit: nothing, rather than a cut path
}

} // namespace
