// The registration dialog's OK checks, in order.
#include "launcher/dialogs/icon_validation.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

bool existing(const char* path) {
    return std::strcmp(path, "C:\\app.exe") == 0 || std::strcmp(path, "C:\\work") == 0 ||
           std::strcmp(path, "C:\\icons.dll") == 0;
}

std::string lastSearch;
int lastExcluded;
// Slot 9 holds "memo"; slot 12 holds "calc".
int findCommand(const char* text, int excluded) {
    lastSearch = text;
    lastExcluded = excluded;
    if (std::strcmp(text, "memo") == 0 && excluded != 9)
        return 9;
    if (std::strcmp(text, "calc") == 0 && excluded != 12)
        return 12;
    return 0;
}

TEST(IconOk, ChecksInOrderFirstFailureWins) {
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
        // A double-byte title whose trail byte is 0x5C is no '?'.
        {"\x83\x5c\x83\x74\x83\x67", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "soft", 5, IconProblem::None, 0},
    };
    for (const Row& r : rows) {
        IconForm form{r.title, r.link, r.workDir, r.iconFile, r.command, r.slot};
        IconFailure f = ValidateIconForm(form, existing, findCommand);
        EXPECT_EQ(r.problem, f.problem) << r.title << " " << r.command;
        EXPECT_EQ(r.box, f.box) << r.title << " " << r.command;
    }
}

TEST(IconOk, DuplicateSearchSkipsTheEditedSlot) {
    IconForm form{"App", "C:\\app.exe", "C:\\work", "C:\\icons.dll", "calc", 12};
    EXPECT_EQ(IconProblem::None, ValidateIconForm(form, existing, findCommand).problem);
    EXPECT_EQ("calc", lastSearch);
    EXPECT_EQ(12, lastExcluded);
}

} // namespace
