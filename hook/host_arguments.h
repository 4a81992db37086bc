// ZeltHook64.exe's command line, apart from the platform so it can be tested anywhere: the launcher's
// main window, the launcher's process id and the event that tells the host to stop, as three decimal
// numbers. Window and kernel handles keep their value across 32 and 64 bits, so 32 bits hold each.
#pragma once

#include <cstdint>

struct HookHostArguments {
    std::uint32_t window;
    std::uint32_t process;
    std::uint32_t stopEvent;
};

// Exactly three non-zero decimal numbers separated by spaces; anything else (a person starting the
// host by hand, say) is refused.
bool ParseHookHostArguments(const char* text, HookHostArguments* out);
