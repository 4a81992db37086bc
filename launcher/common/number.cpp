// Reading a decimal number from hand-edited text without ever overflowing.
#include "launcher/common/number.h"

namespace {

bool IsBlank(char c, Blanks blanks) {
    if (blanks == Blanks::SpacesAndTabs)
        return c == ' ' || c == '\t';
    return c == ' ' || (c >= '\t' && c <= '\r');
}

} // namespace

long long ParseSaturatingNumber(const char* text, Blanks blanks, long long cap) {
    while (IsBlank(*text, blanks))
        text++;
    bool negative = false;
    if (*text == '+' || *text == '-')
        negative = *text++ == '-';
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; text++)
        if (value < cap)
            value = value * 10 + (*text - '0');
    return negative ? -value : value;
}
