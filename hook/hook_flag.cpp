#include "hook/hook_flag.h"

void CopyTakeoverFlag(char* flag, const char* text) {
    flag[0] = text != nullptr ? text[0] : '\0';
    flag[1] = '\0';
}

bool TakeoverRequested(const char* flag) { return flag[0] == '1' && flag[1] == '\0'; }

bool ShouldRemoveHook(const char* flag, bool installed) { return TakeoverRequested(flag) && installed; }

bool ShouldStartHookHost(bool on64BitWindows, const char* text) {
    char flag[kTakeoverFlagSize];
    CopyTakeoverFlag(flag, text);
    return on64BitWindows && TakeoverRequested(flag);
}
