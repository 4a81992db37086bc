// What Enter in the command box does: an alias opens its icon's target, anything else may go to the
// shell, and what cannot be started ends in the not-found box.
#include <cstdio>
#include <cstring>

#include "launcher/board/paths.h"
#include "launcher/command/command.h"

namespace {

const char kNotFoundFormat[] =
    "'%s' が見つかりません。名前を正しく入力したかどうかを確認してから、やりなおしてください";
static_assert(sizeof kNotFoundFormat - 2 + kCommandTextMax <= kNotFoundSize,
              "the not-found message of the longest text must fit");

} // namespace

int FormatNotFound(char* out, int size, const char* text) {
    return std::snprintf(out, size, kNotFoundFormat, text);
}

int LaunchSlot(CommandPlatform& platform, const IconEntry* table, int slot) {
    if (slot < 1 || slot > kSlotCount || table[slot].icon == nullptr)
        return 0;
    // No folder is passed to the shell, so the program starts in the current one.
    platform.ChangeDirectory(table[slot].curDir);
    platform.ShellOpen(table[slot].filePath, nullptr);
    return 1;
}

int ShellRun(CommandPlatform& platform, const char* text) {
    char program[kCommandTextSize];
    char arguments[kCommandTextSize];
    SplitCommandLine(text, program, arguments);
    const int result = platform.ShellOpen(program, arguments);
    return result > 32 ? result : 0;
}

void RunCommandText(CommandPlatform& platform, const IconEntry* table, const SettingsStore& settings) {
    // One byte more than is resolved tells a text that is too long from one that fits exactly.
    char text[kCommandTextSize + 1] = {};
    const int length = platform.ReadBoxText(text, sizeof text);
    if (length <= 0)
        return;
    platform.HideMainWindow();

    // A text longer than can be resolved is never cut and run as something else.
    const bool tooLong = length > kCommandTextMax;
    bool started = false;
    if (!tooLong) {
        const int slotCount = SearchedSlotCount(settings);
        const int slot = FindAliasSlot(table, slotCount, text, length);
        if (slot != 0) {
            LaunchSlot(platform, table, slot);
            started = true; // whatever the shell made of it
        } else if (FlagOn(settings.CMDEXE)) {
            char folder[kPathSize] = {};
            if (platform.Exists(settings.CMDCURDIR))
                CopyText(folder, sizeof folder, settings.CMDCURDIR);
            else
                platform.WindowsFolder(folder, sizeof folder);
            platform.ChangeDirectory(folder);
            started = ShellRun(platform, text) != 0;
        }
    }
    platform.HideHoverLabel();

    if (started) {
        platform.SetBoxText("");
        TypedPrefix[0] = '\0';
        return;
    }
    char shown[kCommandTextSize];
    CopyText(shown, sizeof shown, text);
    char message[kNotFoundSize];
    FormatNotFound(message, sizeof message, shown);
    platform.ShowNotFound(message, shown);
    platform.SelectBoxText(0, tooLong ? -1 : length);
    platform.ShowMainWindow();
    platform.FocusBox();
}
