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
// The 64-bit hook's host is started only on 64-bit Windows and only when the text, read as SetHook
// reads it, asks for the hook.
bool ShouldStartHookHost(bool on64BitWindows, const char* text);
