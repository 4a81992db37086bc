// What Enter in the command box does: an alias opens its icon's target, anything else may go to the
// shell, and what cannot be started ends in the not-found box.
#include <cstring>

#include "launcher/command/command.h"
#include "launcher/common/paths.h"
#include "launcher/common/platform.h"
#include "launcher/common/text.h"

int ShellRun(const char* text) {
    char program[kTextSize];
    char arguments[kTextSize];
    SplitCommandLine(text, program, arguments);
    const int result = ThePlatform().ShellOpen(program, arguments);
    return result > 32 ? result : 0;
}

void RunCommandText(const IconEntry* table, const SettingsStore& settings) {
    Platform& platform = ThePlatform();
    // One byte more than is resolved tells a text that is too long from one that fits exactly.
    char text[kTextSize + 1] = {};
    const int length = platform.ReadBoxText(text, sizeof text);
    if (length <= 0)
        return;
    platform.HideMainWindow();

    // A text longer than can be resolved is never cut and run as something else.
    const bool tooLong = length > kTextSize - 1;
    bool started = false;
    if (!tooLong) {
        const int slotCount = BoardSlotCount(settings);
        const int slot = FindAliasSlot(table, slotCount, text, length);
        if (slot != 0) {
            LaunchSlot(table, slot);
            started = true; // whatever the shell made of it
        } else if (FlagOn(settings.CMDEXE)) {
            char folder[kTextSize] = {};
            if (PathExists(settings.CMDCURDIR))
                CopyText(folder, sizeof folder, settings.CMDCURDIR);
            else
                platform.WindowsFolder(folder, sizeof folder);
            platform.ChangeDirectory(folder);
            started = ShellRun(text) != 0;
        }
    }
    platform.HideHoverLabel();

    if (started) {
        platform.SetBoxText("");
        ClearTypedPrefix();
        return;
    }
    char shown[kTextSize];
    CopyText(shown, sizeof shown, text);
    platform.ShowNotFound(shown);
    platform.SelectBoxText(0, tooLong ? -1 : length);
    platform.ShowMainWindow();
    platform.FocusBox();
}
