// The takeover flag's rules, apart from the platform so they can be tested anywhere.
#pragma once

// The shared flag holds one character and its terminator.
const int kTakeoverFlagSize = 2;

// Copies at most one character of text, so a longer text never writes past the flag.
void CopyTakeoverFlag(char* flag, const char* text);
// The hook is wanted only when the flag is exactly "1".
bool TakeoverRequested(const char* flag);
// A hook is removed only when it was requested and is installed: never after a failed install,
// never twice.
bool ShouldRemoveHook(const char* flag, bool installed);
