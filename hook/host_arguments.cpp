#include "hook/host_arguments.h"

namespace {

// Reads one decimal number of at most 32 bits after any spaces; nullptr when there is none.
const char* ReadNumber(const char* text, std::uint32_t* value) {
    while (*text == ' ')
        text++;
    if (*text < '0' || *text > '9')
        return nullptr;
    std::uint64_t n = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        n = n * 10 + (std::uint64_t)(*text - '0');
        if (n > 0xFFFFFFFFu)
            return nullptr;
    }
    *value = (std::uint32_t)n;
    return text;
}

} // namespace

bool ParseHookHostArguments(const char* text, HookHostArguments* out) {
    std::uint32_t* fields[] = {&out->window, &out->process, &out->stopEvent};
    for (std::uint32_t* field : fields) {
        if (text == nullptr || (text = ReadNumber(text, field)) == nullptr || *field == 0)
            return false;
        if (*text != ' ' && *text != '\0')
            return false;
    }
    while (*text == ' ')
        text++;
    return *text == '\0';
}
