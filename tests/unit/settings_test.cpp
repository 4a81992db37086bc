// setting.ini's key table: defaults, buffer limits, conversions, range rules and file order.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "launcher/common/paths.h"
#include "launcher/common/platform.h"
#include "launcher/settings/settings.h"

namespace {

// An INI file in memory that copies values the way GetPrivateProfileStringA does:
// at most size - 1 characters, then a terminator.
struct FakeProfile : Platform {
    std::map<std::string, std::string> values; // "Section/Key" -> value
    std::vector<std::string> writes;           // "Section/Key=value" in call order

    void ReadProfile(const char*, const char* section, const char* key, const char* def, char* out, int size) override {
        auto it = values.find(std::string(section) + "/" + key);
        std::string value = it != values.end() ? it->second : def;
        std::size_t n = std::min<std::size_t>(value.size(), size - 1);
        std::memcpy(out, value.data(), n);
        out[n] = '\0';
    }
    bool WriteProfile(const char*, const char* section, const char* key, const char* value) override {
        writes.push_back(std::string(section) + "/" + key + "=" + value);
        return true;
    }
};

SettingsStore Load(FakeProfile& profile, const char* dir = "C:\\Apps\\Zelt") {
    SettingsStore s;
    std::memset(&s, 0xcc, sizeof s); // nothing may survive from before the load
    InstallPlatform(&profile);
    ReadSettings(s, "setting.ini", dir);
    InstallPlatform(nullptr);
    return s;
}

void Save(const SettingsStore& s, FakeProfile& profile) {
    InstallPlatform(&profile);
    WriteSettings(s, "setting.ini");
    InstallPlatform(nullptr);
}

TEST(SettingsLoad, MissingFileGivesEveryDefault) {
    FakeProfile empty;
    SettingsStore s = Load(empty);
    EXPECT_STREQ(s.CMDEXE, "1");
    EXPECT_STREQ(s.CMDCURDIR, "");
    EXPECT_STREQ(s.WINR, "1");
    EXPECT_STREQ(s.ShortCut, "1");
    EXPECT_STREQ(s.ActiveKey, "82");
    EXPECT_STREQ(s.ActiveKeyAlt, "1");
    EXPECT_STREQ(s.ActiveKeyCtrl, "0");
    EXPECT_STREQ(s.ActiveKeyShift, "0");
    EXPECT_STREQ(s.ComplementFunction, "1");
    EXPECT_STREQ(s.DSPBMP, "1");
    EXPECT_STREQ(s.BitMap, "C:\\Apps\\Zelt\\den.bmp");
    EXPECT_EQ(s.BitMapPosCompensationLeft, 0);
    EXPECT_EQ(s.BitMapPosCompensationTop, 0);
    EXPECT_EQ(s.BitMapRateX, 100);
    EXPECT_EQ(s.BitMapRateY, 100);
    EXPECT_STREQ(s.ICONRECT, "1");
    EXPECT_EQ(s.IconCountRow, 7);
    EXPECT_EQ(s.IconCountColumn, 10);
    EXPECT_EQ(s.PageCount, 5);
    EXPECT_EQ(s.WindowRect.left, 0);
    EXPECT_EQ(s.WindowRect.top, 0);
    for (int n = 1; n <= 13; n++)
        EXPECT_EQ(std::string(s.Title[n]), "Page" + std::to_string(n));
    EXPECT_EQ(s.NowPage, 1);
}

TEST(SettingsLoad, ValuesAreCutToTheirBuffers) {
    FakeProfile p;
    p.values["Icon/IconCountColumn"] = "100"; // two characters held
    p.values["Config/ActiveKey"] = "1234";    // three characters held
    p.values["Rect/Left"] = "-1280";          // four characters held
    p.values["Config/CMDEXE"] = "10";         // a flag holds one character: "1", on
    p.values["Config/WINR"] = "yes";          // "y": off
    p.values["Page/Title2"] = std::string(600, 'x');
    SettingsStore s = Load(p);
    EXPECT_EQ(s.IconCountColumn, 10);
    EXPECT_STREQ(s.ActiveKey, "123");
    EXPECT_EQ(s.WindowRect.left, -128);
    EXPECT_STREQ(s.CMDEXE, "1");
    EXPECT_TRUE(FlagOn(s.CMDEXE));
    EXPECT_STREQ(s.WINR, "y");
    EXPECT_FALSE(FlagOn(s.WINR));
    EXPECT_EQ(std::strlen(s.Title[2]), 511u);
}

TEST(SettingsLoad, NumbersFollowAtoi) {
    FakeProfile p;
    p.values["Appearance/BitMapRateX"] = "50%"; // digits up to the first other character
    p.values["Appearance/BitMapRateY"] = "abc"; // no digits: 0
    p.values["Appearance/BitMapPosCompensationLeft"] = "-20";
    p.values["Appearance/BitMapPosCompensationTop"] = " 7";
    SettingsStore s = Load(p);
    EXPECT_EQ(s.BitMapRateX, 50);
    EXPECT_EQ(s.BitMapRateY, 0);
    EXPECT_EQ(s.BitMapPosCompensationLeft, -20);
    EXPECT_EQ(s.BitMapPosCompensationTop, 7);
}

TEST(SettingsLoad, CurrentPageBeyondThePageCountStartsAtOne) {
    FakeProfile p;
    p.values["Page/NowPage"] = "9";
    p.values["Icon/PageCount"] = "5";
    EXPECT_EQ(Load(p).NowPage, 1);
    p.values["Icon/PageCount"] = "9";
    EXPECT_EQ(Load(p).NowPage, 9);
}

TEST(SettingsLoad, DefaultPictureNeedsRoomForItsPath) {
    FakeProfile p;
    std::string longDir = "C:\\" + std::string(520, 'd');
    SettingsStore s = Load(p, longDir.c_str());
    EXPECT_STREQ(s.BitMap, ""); // never a path cut in the middle
}

struct ClampCase {
    int rows, columns, pages, nowPage;
    int wantRows, wantColumns, wantPages, wantNowPage;
};

void PrintTo(const ClampCase& c, std::ostream* os) {
    *os << c.rows << "x" << c.columns << " pages " << c.pages << " now " << c.nowPage;
}

class BoardLimits : public testing::TestWithParam<ClampCase> {};

TEST_P(BoardLimits, HandEditedValuesNeverLeaveTheBoardsRange) {
    const ClampCase& c = GetParam();
    SettingsStore s{};
    s.IconCountRow = c.rows;
    s.IconCountColumn = c.columns;
    s.PageCount = c.pages;
    s.NowPage = c.nowPage;
    ClampBoardSettings(s);
    EXPECT_EQ(s.IconCountRow, c.wantRows);
    EXPECT_EQ(s.IconCountColumn, c.wantColumns);
    EXPECT_EQ(s.PageCount, c.wantPages);
    EXPECT_EQ(s.NowPage, c.wantNowPage);
}

INSTANTIATE_TEST_SUITE_P(Settings, BoardLimits,
                         testing::Values(ClampCase{7, 10, 5, 1, 7, 10, 5, 1},       // defaults stay
                                         ClampCase{4, 4, 2, 2, 4, 4, 2, 2},         // lowest board
                                         ClampCase{15, 15, 13, 13, 15, 15, 13, 13}, // largest board
                                         ClampCase{3, 16, 1, 1, 4, 15, 1, 1},       // one outside each end
                                         ClampCase{0, 0, 0, 0, 4, 4, 1, 1},         // unreadable numbers
                                         ClampCase{99, -5, 40, 40, 15, 4, 13, 1},   // far outside
                                         ClampCase{7, 10, 6, 3, 7, 10, 5, 3},       // pages above rows - 2
                                         ClampCase{11, 10, 9, 9, 11, 10, 9, 9},     // nine pages need 11 rows
                                         ClampCase{7, 10, 5, 0, 7, 10, 5, 1},       // page 0
                                         ClampCase{7, 10, 5, -3, 7, 10, 5, 1}));    // negative page

TEST(SettingsSave, WritesTheKeysInFileOrder) {
    FakeProfile in;
    SettingsStore s = Load(in);
    s.WindowRect = Rect{-40, 25, 360, 326};
    s.NowPage = 3;
    s.BitMapPosCompensationTop = -12;
    FakeProfile out;
    Save(s, out);
    std::vector<std::string> expected = {"Config/CMDEXE=1",
                                         "Config/CMDCURDIR=",
                                         "Config/WINR=1",
                                         "Config/ShortCut=1",
                                         "Config/ActiveKey=82",
                                         "Config/ActiveKeyAlt=1",
                                         "Config/ActiveKeyCtrl=0",
                                         "Config/ActiveKeyShift=0",
                                         "Config/ComplementFunction=1",
                                         "Appearance/DSPBMP=1",
                                         "Appearance/BitMap=C:\\Apps\\Zelt\\den.bmp",
                                         "Appearance/BitMapPosCompensationLeft=0",
                                         "Appearance/BitMapPosCompensationTop=-12",
                                         "Appearance/BitMapRateX=100",
                                         "Appearance/BitMapRateY=100",
                                         "Icon/ICONRECT=1",
                                         "Icon/IconCountRow=7",
                                         "Icon/IconCountColumn=10",
                                         "Icon/PageCount=5",
                                         "Rect/Left=-40",
                                         "Rect/Top=25"};
    for (int n = 1; n <= 13; n++)
        expected.push_back("Page/Title" + std::to_string(n) + "=Page" + std::to_string(n));
    expected.push_back("Page/NowPage=3");
    EXPECT_EQ(out.writes, expected);
    EXPECT_EQ(out.writes.size(), 35u);
}

TEST(SettingsSave, WhatIsWrittenLoadsBackUnchanged) {
    FakeProfile first;
    first.values["Config/CMDCURDIR"] = "D:\\Work";
    first.values["Page/Title4"] = "Tools";
    first.values["Icon/IconCountRow"] = "12";
    first.values["Appearance/BitMapRateX"] = "-500";
    SettingsStore s = Load(first);
    FakeProfile saved;
    Save(s, saved);
    FakeProfile second;
    for (const std::string& w : saved.writes) {
        std::size_t eq = w.find('=');
        second.values[w.substr(0, eq)] = w.substr(eq + 1);
    }
    SettingsStore again = Load(second);
    EXPECT_STREQ(again.CMDCURDIR, "D:\\Work");
    EXPECT_STREQ(again.Title[4], "Tools");
    EXPECT_EQ(again.IconCountRow, 12);
    EXPECT_EQ(again.BitMapRateX, -500);
}

TEST(SettingsPath, JoinsWithABackslashOrRefuses) {
    char out[16];
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\a", "b.ini"));
    EXPECT_STREQ(out, "C:\\a\\b.ini");
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\abcdef", "e.ini")); // 15 bytes: exactly fits
    EXPECT_FALSE(JoinPath(out, sizeof out, "C:\\abcdefg", "e.ini"));
    EXPECT_STREQ(out, "");
}

} // namespace
