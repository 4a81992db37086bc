// Reading a decimal number from hand-edited text without ever overflowing.
#pragma once

// Which characters count as the blanks before a number.
enum class Blanks {
    SpacesAndTabs, // ' ' and '\t'
    AnyWhitespace, // ' ' and '\t' to '\r', as isspace in the C locale
};

// The number at the start of text as atoi reads it (blanks, one sign, digits, anything after ignored),
// but saturating: once the value has reached cap the remaining digits are skipped, so it stays below
// cap * 10.
long long ParseSaturatingNumber(const char* text, Blanks blanks, long long cap);
