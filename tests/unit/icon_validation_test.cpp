// The registration dialog's OK checks, in order.
#include "launcher/dialogs/icon_validation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct ThreeFiles : Platform {
    bool FindFile(const char* path) override {
        return std::strcmp(path, "C:\\app.exe") == 0 || std::strcmp(path, "C:\\work") == 0 ||
               std::strcmp(path, "C:\\icons.dll") == 0;
    }
};

IconEntry table[kSlotCount + 1];
const int kBoardSlots = 350;

// Slot 9 holds "memo"; slot 12 holds "calc"; slot 351, off the board, "far".
class IconOk : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(table, 0, sizeof table);
        std::strcpy(table[9].command, "memo");
        std::strcpy(table[12].command, "calc");
        std::strcpy(table[351].command, "far");
        InstallPlatform(&files);
    }
    void TearDown() override { InstallPlatform(nullptr); }
    ThreeFiles files;
};

TEST_F(IconOk, ChecksInOrderFirstFailureWins) {
    struct Row {
        const char *title, *link, *workDir, *iconFile, *command;
        int slot;
        IconProblem problem;
        int box;
    } rows[] = {
        {"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "app", 5, IconProblem::None, 0},
        {"", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "app", 5, IconProblem::None, 0},
        {"A?p", "missing", "missing", "missing", "a?", 5, IconProblem::QuestionMark, 1007},
        {"?", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "app", 5, IconProblem::QuestionMark, 1007},
        {"App", "C:\\none.exe", "missing", "missing", "a?", 5, IconProblem::LinkMissing, 1008},
        {"App", "", "C:\\work", "C:\\icons.dll", "app", 5, IconProblem::LinkMissing, 1008},
        {"App", "C:\\app.exe", "C:\\nowhere", "missing", "a?", 5, IconProblem::WorkDirMissing, 1009},
        {"App", "C:\\app.exe", "", "C:\\icons.dll", "app", 5, IconProblem::WorkDirMissing, 1009},
        {"App", "C:\\app.exe", "C:\\work", "", "a?", 5, IconProblem::IconFileMissing, 1010},
        {"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "ap?", 5, IconProblem::QuestionMark, 1014},
        {"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "memo", 5, IconProblem::DuplicateCommand, 1014},
        {"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "memo", 9, IconProblem::None, 0},
        {"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "Memo", 5, IconProblem::None, 0},
        {"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "far", 5, IconProblem::None, 0},
        // A double-byte title whose trail byte is 0x5C is no '?'.
        {"\x83\x5c\x83\x74\x83\x67", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "soft", 5, IconProblem::None, 0},
    };
    for (const Row& r : rows) {
        IconForm form{r.title, r.link, r.workDir, r.iconFile, r.command, r.slot, table, kBoardSlots};
        IconFailure f = ValidateIconForm(form);
        EXPECT_EQ(r.problem, f.problem) << r.title << " " << r.command;
        EXPECT_EQ(r.box, f.box) << r.title << " " << r.command;
    }
}

TEST_F(IconOk, DuplicateSearchSkipsTheEditedSlot) {
    IconForm form{"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "calc", 12, table, kBoardSlots};
    EXPECT_EQ(IconProblem::None, ValidateIconForm(form).problem);
    form.slot = 13;
    EXPECT_EQ(IconProblem::DuplicateCommand, ValidateIconForm(form).problem);
}

} // namespace
