#include "launcher/dialogs/icon_validation.h"

#include <cstring>

#include "launcher/common/paths.h"
#include "launcher/common/resource_ids.h"

IconFailure ValidateIconForm(const IconForm& form) {
    // A plain byte search: '?' (0x3F) is the trail byte of no two-byte code page (those start at 0x40).
    if (std::strchr(form.title, '?') != nullptr)
        return {IconProblem::QuestionMark, IDC_TITLE};
    if (!PathExists(form.link))
        return {IconProblem::LinkMissing, IDC_LINK};
    if (!PathExists(form.workDir))
        return {IconProblem::WorkDirMissing, IDC_WORKDIR};
    if (!PathExists(form.iconFile))
        return {IconProblem::IconFileMissing, IDC_ICONFILE};
    if (std::strchr(form.command, '?') != nullptr)
        return {IconProblem::QuestionMark, IDC_COMMAND};
    if (FindCommand(form.table, form.slotCount, form.command, form.slot) != 0)
        return {IconProblem::DuplicateCommand, IDC_COMMAND};
    return {IconProblem::None, 0};
}
