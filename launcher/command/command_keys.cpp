// The command box's key rules: which presses walk the list, which releases complete.
#include <cstring>

#include "launcher/command/command.h"

KeyDownStep BoxKeyDownStep(int virtualKey, bool completionActive, const char* complementFunction) {
    if (completionActive && virtualKey == kKeyDown)
        return KeyDownStep::StepDown;
    if (completionActive && virtualKey == kKeyUp)
        return KeyDownStep::StepUp;
    return FlagOn(complementFunction) ? KeyDownStep::Record : KeyDownStep::Pass;
}

KeyUpStep BoxKeyUpStep(int virtualKey) {
    switch (virtualKey) {
    case kKeyUp:
    case kKeyDown:
        return KeyUpStep::Ignore;
    case kKeyBack:
    case kKeyLeft:
    case kKeyRight:
    case kKeyDelete:
        return KeyUpStep::TakeText;
    default:
        return KeyUpStep::Complete;
    }
}

int CompleteTypedText(const IconEntry* table, int slotCount, const char* boxText, const char* complementFunction,
                      int selectionStart, int selectionEnd) {
    // With completion switched off ("0") the whole text is the prefix; otherwise a selected
    // suggestion tail is not part of what was typed. Any other value counts as on here.
    if (std::strcmp(complementFunction, "0") == 0)
        TakeTypedText(boxText);
    else
        RebuildTypedPrefix(boxText, selectionStart == selectionEnd, selectionStart);
    int matches = 0;
    if (TypedPrefix[0] != '\0') {
        CollectPrefixMatches(table, slotCount, TypedPrefix);
        matches = MatchCount();
    }
    CompletionActive = matches > 0;
    return matches;
}
