// The registration dialog's OK checks over plain texts, in their order.
#pragma once

struct IconForm {
    const char* title;    // 1007
    const char* link;     // 1008
    const char* workDir;  // 1009
    const char* iconFile; // 1010
    const char* command;  // 1014
    int slot;             // the edited slot, skipped by the duplicate search
};

enum class IconProblem {
    None,
    QuestionMark,    // '?' separates the fields of icons.dat
    LinkMissing,
    WorkDirMissing,
    IconFileMissing,
    DuplicateCommand,
};

struct IconFailure {
    IconProblem problem;
    int box; // gets the whole-text selection and the focus
};

// First failing check, or problem None. findCommand(text, excluded) returns the lowest other slot
// holding that command, 0 when none.
IconFailure ValidateIconForm(const IconForm& form, bool (*pathExists)(const char*),
                             int (*findCommand)(const char*, int));
