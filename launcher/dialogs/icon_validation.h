// The registration dialog's OK checks over plain texts, in their order.
#pragma once

#include "launcher/board/icon_table.h"

struct IconForm {
    const char* title;      // IDC_TITLE
    const char* link;       // IDC_LINK
    const char* workDir;    // IDC_WORKDIR
    const char* iconFile;   // IDC_ICONFILE
    const char* command;    // IDC_COMMAND
    int slot;               // the edited slot, skipped by the duplicate search
    const IconEntry* table; // searched for a duplicate command in slots 1..slotCount
    int slotCount;
};

enum class IconProblem {
    None,
    QuestionMark, // '?' separates the fields of icons.dat
    LinkMissing,
    WorkDirMissing,
    IconFileMissing,
    DuplicateCommand,
};

struct IconFailure {
    IconProblem problem;
    int box; // gets the whole-text selection and the focus
};

// First failing check, or problem None; the paths' existence is asked of the platform.
IconFailure ValidateIconForm(const IconForm& form);
