// ZeltHook64.exe, the host of the 64-bit hook, started and stopped beside the 32-bit hook library's
// SetHook and ResetHook. On 64-bit Windows the Run dialog belongs to 64-bit Explorer, which cannot
// load ZeltHook.dll: there the host installs ZeltHook64.dll's hook for the launcher.
#pragma once

#include <windows.h>

// Starts the host on 64-bit Windows when flag asks for the takeover (as SetHook reads it), with the
// launcher's main window. Shows the start error box when it cannot be started; the host shows it
// when it cannot install the hook. Returns at once: it never waits for the host.
void StartHookHost(HWND launcher, const char* flag);
// Tells a running host to remove its hook and end, and waits briefly for it; nothing when none runs.
void StopHookHost();
