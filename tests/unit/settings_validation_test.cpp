// The settings dialog's rules: numbers, spinners, the key box and the OK checks in order.
#include "launcher/dialogs/settings_validation.h"

#include "launcher/common/platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(SettingsNumbers, NumericRuleAndValue) {
    struct Row {
        const char* text;
        bool numeric;
        int value;
    } rows[] = {
        {"", true, 0},      {"-", true, 0},       {"-5", true, -5}, {"5", true, 5},   {"007", true, 7},
        {"500", true, 500}, {"-500", true, -500}, {"5-", false, 5}, {"+5", false, 5}, {"--5", false, 0},
        {"abc", false, 0},  {" 5", false, 5},     {"5 ", false, 5}, {"1a", false, 1}, {"\x82\x50", false, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.numeric, IsNumericText(r.text)) << "'" << r.text << "'";
        EXPECT_EQ(r.value, BoxNumber(r.text)) << "'" << r.text << "'";
    }
}

TEST(SettingsNumbers, LongDigitRunsDoNotOverflow) {
    std::string nines(400, '9');
    EXPECT_GT(BoxNumber(nines.c_str()), 500);
    EXPECT_LT(BoxNumber(("-" + nines).c_str()), -500);
}

TEST(SettingsSpinners, LimitsAndOrder) {
    const SpinnerRule expected[kSpinnerCount] = {
        {1038, 1037, -500, 500}, {1036, 1035, -500, 500}, {1044, 1043, -500, 500}, {1042, 1041, -500, 500},
        {1083, 1081, 4, 15},     {1087, 1086, 4, 15},     {1091, 1090, 1, 13},
    };
    for (int i = 0; i < kSpinnerCount; ++i) {
        EXPECT_EQ(expected[i].spinner, kSpinners[i].spinner) << i;
        EXPECT_EQ(expected[i].box, kSpinners[i].box) << i;
        EXPECT_EQ(expected[i].lower, kSpinners[i].lower) << i;
        EXPECT_EQ(expected[i].upper, kSpinners[i].upper) << i;
    }
}

TEST(SettingsSpinners, StepStopsAtLimitsAndNeverPullsBack) {
    struct Row {
        int value;
        SpinCode code;
        int lower, upper, expected;
    } rows[] = {
        {14, kSpinUp, 4, 15, 15},       {15, kSpinUp, 4, 15, 15},           {5, kSpinDown, 4, 15, 4},
        {4, kSpinDown, 4, 15, 4},       {7, kSpinOther, 4, 15, 7},          {20, kSpinUp, 4, 15, 20},
        {20, kSpinDown, 4, 15, 19},     {0, kSpinDown, 4, 15, 0},           {0, kSpinUp, 4, 15, 1},
        {499, kSpinUp, -500, 500, 500}, {-500, kSpinDown, -500, 500, -500}, {12, kSpinUp, 1, 13, 13},
        {13, kSpinUp, 1, 13, 13},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.expected, SpinStep(r.value, r.code, r.lower, r.upper)) << r.value << " code " << r.code;
}

TEST(SettingsKeyBox, KeyDownShowsOnlyLetters) {
    struct Row {
        unsigned vk;
        const char* text;
    } rows[] = {
        {'R', "R"}, {'A', "A"}, {'Z', "Z"}, {0x10 /*Shift*/, ""}, {'5', ""}, {0x70 /*F1*/, ""}, {0x2E /*Delete*/, ""},
        {'@', ""},  {'[', ""}};
    for (const Row& r : rows) {
        char out[2] = {'x', 'x'};
        KeyDownText(r.vk, out);
        EXPECT_STREQ(r.text, out) << r.vk;
    }
}

TEST(SettingsKeyBox, StoredKeyAndShownCharacter) {
    struct Row {
        const char* box;
        const char* stored;
        bool hasKey;
    } rows[] = {
        {"R", "82", true},
        {"", "0", false},
        {"ab", "97", true},
        {" ", "32", true},
        // A first byte of 0x80 or more counts as no key (and would not fit ActiveKey as -128..-1).
        {"\x82\xa0", "0", false},
        {"\xb1", "0", false},
        {"\x80", "0", false},
        {"\x7f", "127", true},
    };
    for (const Row& r : rows) {
        char out[4] = {'x', 'x', 'x', 'x'};
        KeyBoxActiveKey(r.box, out);
        EXPECT_STREQ(r.stored, out) << r.box;
        EXPECT_LT(std::strlen(out), 4u);
        EXPECT_EQ(r.hasKey, KeyBoxHasKey(r.box)) << r.box;
    }
    struct Shown {
        const char* stored;
        const char* shown;
    } shown[] = {{"82", "R"}, {"0", ""}, {"65", "A"}, {"", ""}};
    for (const Shown& s : shown) {
        char out[2] = {'x', 'x'};
        ActiveKeyBoxText(s.stored, out);
        EXPECT_STREQ(s.shown, out) << s.stored;
    }
}

struct OnePicture : Platform {
    bool FindFile(const char* path) override { return std::strcmp(path, "C:\\den.bmp") == 0; }
};

// A form that passes every check; each case changes a field or two.
struct FormBuilder {
    SettingsForm form;
    FormBuilder() {
        form.shortcut = true;
        form.keyBox = "R";
        form.showBitmap = true;
        form.bitmap = "C:\\den.bmp";
        form.posTop = "0";
        form.posLeft = "0";
        form.rateY = "100";
        form.rateX = "100";
        for (const char*& t : form.titles)
            t = "Page";
        form.rows = "7";
        form.columns = "10";
        form.pages = "5";
    }
};

TEST(SettingsOk, ChecksInOrderFirstFailureWins) {
    OnePicture picture;
    InstallPlatform(&picture);
    struct Row {
        const char* name;
        void (*edit)(SettingsForm&);
        SettingsProblem problem;
        int box;
        bool selectAll;
        bool existence;
        int a0, a1, a2;
    } rows[] = {
        {"all pass", [](SettingsForm&) {}, SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"empty key",
         [](SettingsForm& f) {
             f.keyBox = "";
             f.bitmap = "missing";
             f.rows = "x";
         },
         SettingsProblem::NoKey, 1025, false, false, 0, 0, 0},
        {"empty key without shortcut",
         [](SettingsForm& f) {
             f.keyBox = "";
             f.shortcut = false;
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"double-byte key", [](SettingsForm& f) { f.keyBox = "\x82\x60"; }, SettingsProblem::NoKey, 1025, false, false,
         0, 0, 0},
        {"missing bitmap",
         [](SettingsForm& f) {
             f.bitmap = "C:\\none.bmp";
             f.posTop = "x";
         },
         SettingsProblem::PathMissing, 1032, true, true, 0, 0, 0},
        {"empty bitmap", [](SettingsForm& f) { f.bitmap = ""; }, SettingsProblem::PathMissing, 1032, true, true, 0, 0,
         0},
        {"top not numeric",
         [](SettingsForm& f) {
             f.posTop = "5-";
             f.posLeft = "x";
         },
         SettingsProblem::NotNumeric, 1037, true, false, 0, 0, 0},
        {"top plus sign", [](SettingsForm& f) { f.posTop = "+5"; }, SettingsProblem::NotNumeric, 1037, true, false, 0,
         0, 0},
        {"top over", [](SettingsForm& f) { f.posTop = "501"; }, SettingsProblem::OutOfRange500, 1037, true, false, 0, 0,
         0},
        {"top at limits",
         [](SettingsForm& f) {
             f.posTop = "-500";
             f.posLeft = "500";
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"left under", [](SettingsForm& f) { f.posLeft = "-501"; }, SettingsProblem::OutOfRange500, 1035, true, false,
         0, 0, 0},
        {"rate y", [](SettingsForm& f) { f.rateY = "1.5"; }, SettingsProblem::NotNumeric, 1043, true, false, 0, 0, 0},
        {"rate x", [](SettingsForm& f) { f.rateX = "600"; }, SettingsProblem::OutOfRange500, 1041, true, false, 0, 0,
         0},
        {"empty and lone minus pass",
         [](SettingsForm& f) {
             f.posTop = "";
             f.rateX = "-";
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"bitmap off skips the picture, offset and scale checks",
         [](SettingsForm& f) {
             f.showBitmap = false;
             f.bitmap = "";
             f.posTop = "abc";
             f.rateX = "9999";
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"title 13 empty",
         [](SettingsForm& f) {
             f.titles[12] = "";
             f.rows = "x";
         },
         SettingsProblem::TitleEmpty, 1075, false, false, 0, 0, 0},
        {"first empty title",
         [](SettingsForm& f) {
             f.titles[3] = "";
             f.titles[8] = "";
         },
         SettingsProblem::TitleEmpty, 1066, false, false, 0, 0, 0},
        {"rows not numeric",
         [](SettingsForm& f) {
             f.rows = "7a";
             f.columns = "x";
         },
         SettingsProblem::NotNumeric, 1081, true, false, 0, 0, 0},
        {"rows 3", [](SettingsForm& f) { f.rows = "3"; }, SettingsProblem::OutOfRangeCells, 1081, true, false, 4, 15,
         0},
        {"rows 16", [](SettingsForm& f) { f.rows = "16"; }, SettingsProblem::OutOfRangeCells, 1081, true, false, 4, 15,
         0},
        {"rows empty", [](SettingsForm& f) { f.rows = ""; }, SettingsProblem::OutOfRangeCells, 1081, true, false, 4, 15,
         0},
        {"rows lone minus", [](SettingsForm& f) { f.rows = "-"; }, SettingsProblem::OutOfRangeCells, 1081, true, false,
         4, 15, 0},
        {"columns 3", [](SettingsForm& f) { f.columns = "3"; }, SettingsProblem::OutOfRangeCells, 1086, true, false, 4,
         15, 0},
        {"columns text", [](SettingsForm& f) { f.columns = "ten"; }, SettingsProblem::NotNumeric, 1086, true, false, 0,
         0, 0},
        {"pages text", [](SettingsForm& f) { f.pages = "p"; }, SettingsProblem::NotNumeric, 1090, true, false, 0, 0, 0},
        {"pages 13 with 10 rows",
         [](SettingsForm& f) {
             f.rows = "10";
             f.pages = "13";
         },
         SettingsProblem::OutOfRangePages, 1090, true, false, 10, 1, 8},
        {"pages 8 with 10 rows",
         [](SettingsForm& f) {
             f.rows = "10";
             f.pages = "8";
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"rows 4 allows 2",
         [](SettingsForm& f) {
             f.rows = "4";
             f.pages = "2";
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"rows 4 refuses 3",
         [](SettingsForm& f) {
             f.rows = "4";
             f.pages = "3";
         },
         SettingsProblem::OutOfRangePages, 1090, true, false, 4, 1, 2},
        {"rows 15 allows 13",
         [](SettingsForm& f) {
             f.rows = "15";
             f.pages = "13";
         },
         SettingsProblem::None, 0, false, false, 0, 0, 0},
        {"pages 0", [](SettingsForm& f) { f.pages = "0"; }, SettingsProblem::OutOfRangePages, 1090, true, false, 7, 1,
         5},
        {"pages empty", [](SettingsForm& f) { f.pages = ""; }, SettingsProblem::OutOfRangePages, 1090, true, false, 7,
         1, 5},
    };
    for (const Row& r : rows) {
        FormBuilder b;
        r.edit(b.form);
        SettingsFailure f = ValidateSettings(b.form);
        EXPECT_EQ(r.problem, f.problem) << r.name;
        if (r.problem == SettingsProblem::None)
            continue;
        EXPECT_EQ(r.box, f.box) << r.name;
        EXPECT_EQ(r.selectAll, f.selectAll) << r.name;
        EXPECT_EQ(r.existence, f.existence) << r.name;
        if (r.problem == SettingsProblem::OutOfRangeCells || r.problem == SettingsProblem::OutOfRangePages) {
            EXPECT_EQ(r.a0, f.args[0]) << r.name;
            EXPECT_EQ(r.a1, f.args[1]) << r.name;
        }
        if (r.problem == SettingsProblem::OutOfRangePages) {
            EXPECT_EQ(r.a2, f.args[2]) << r.name;
        }
    }
    InstallPlatform(nullptr);
}

} // namespace
