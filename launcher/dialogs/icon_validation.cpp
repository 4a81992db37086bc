#include "launcher/dialogs/icon_validation.h"

#include <cstring>

namespace {

bool Exists(bool (*pathExists)(const char*), const char* path) { return path[0] != '\0' && pathExists(path); }

} // namespace

IconFailure ValidateIconForm(const IconForm& form, bool (*pathExists)(const char*),
                             int (*findCommand)(const char*, int)) {
    // A plain byte search: '?' is never a Shift-JIS trail byte (those start at 0x40).
    if (std::strchr(form.title, '?') != nullptr)
        return {IconProblem::QuestionMark, 1007};
    if (!Exists(pathExists, form.link))
        return {IconProblem::LinkMissing, 1008};
    if (!Exists(pathExists, form.workDir))
        return {IconProblem::WorkDirMissing, 1009};
    if (!Exists(pathExists, form.iconFile))
        return {IconProblem::IconFileMissing, 1010};
    if (std::strchr(form.command, '?') != nullptr)
        return {IconProblem::QuestionMark, 1014};
    if (findCommand(form.command, form.slot) != 0)
        return {IconProblem::DuplicateCommand, 1014};
    return {IconProblem::None, 0};
}
