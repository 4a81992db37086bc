// Texts in the system's ANSI code page: which bytes start a two-byte character, and cutting a text
// without splitting one.
#include "launcher/common/text.h"

const unsigned char kLeadBytes932[kLeadByteRangesSize] = {0x81, 0x9F, 0xE0, 0xFC};
const unsigned char kLeadBytes936[kLeadByteRangesSize] = {0x81, 0xFE};
const unsigned char kLeadBytes949[kLeadByteRangesSize] = {0x81, 0xFE};
const unsigned char kLeadBytes950[kLeadByteRangesSize] = {0x81, 0xFE};
const unsigned char kLeadBytes1252[kLeadByteRangesSize] = {};

namespace {

struct LeadByteTable {
    bool lead[256];
};

constexpr LeadByteTable TableOf(const unsigned char* ranges) {
    LeadByteTable t{};
    for (int i = 0; i + 1 < kLeadByteRangesSize && (ranges[i] != 0 || ranges[i + 1] != 0); i += 2) {
        for (int c = ranges[i]; c <= ranges[i + 1] && c < 256; c++)
            t.lead[c] = true;
    }
    return t;
}

// Shift-JIS until UseLeadBytes: the unit tests and the fuzzers, which never ask the system, read
// Japanese texts. Constant-initialised, so it holds even for other files' static initialisers.
constexpr unsigned char kShiftJis[kLeadByteRangesSize] = {0x81, 0x9F, 0xE0, 0xFC};
LeadByteTable table = TableOf(kShiftJis);

} // namespace

void UseLeadBytes(const unsigned char* ranges) { table = TableOf(ranges); }

bool IsLeadByte(unsigned char c) { return table.lead[c]; }

void CopyText(char* out, int size, const char* text) {
    if (size <= 0)
        return;
    int i = 0;
    while (text[i] != '\0') {
        int width = IsLeadByte((unsigned char)text[i]) ? 2 : 1;
        if (width == 2 && text[i + 1] == '\0')
            break; // a lead byte without its trail byte is no character
        if (i + width > size - 1)
            break;
        for (int k = 0; k < width; k++)
            out[i + k] = text[i + k];
        i += width;
    }
    out[i] = '\0';
}
