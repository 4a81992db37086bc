// Texts in the system's ANSI code page: how many bytes each character takes, and cutting a text
// without splitting one.
#include "launcher/common/text.h"

const unsigned char kLeadBytes932[kLeadByteRangesSize] = {0x81, 0x9F, 0xE0, 0xFC};
const unsigned char kLeadBytes936[kLeadByteRangesSize] = {0x81, 0xFE};
const unsigned char kLeadBytes949[kLeadByteRangesSize] = {0x81, 0xFE};
const unsigned char kLeadBytes950[kLeadByteRangesSize] = {0x81, 0xFE};
const unsigned char kLeadBytes1252[kLeadByteRangesSize] = {};

namespace {

const unsigned kUtf8CodePage = 65001;

struct CharacterTable {
    unsigned char size[256]; // a character's bytes, by its first byte
    bool utf8;               // only continuation bytes (10xxxxxx) may follow a first byte
};

constexpr CharacterTable TableOf(const unsigned char* ranges) {
    CharacterTable t{};
    for (int c = 0; c < 256; c++)
        t.size[c] = 1;
    for (int i = 0; i + 1 < kLeadByteRangesSize && (ranges[i] != 0 || ranges[i + 1] != 0); i += 2) {
        for (int c = ranges[i]; c <= ranges[i + 1] && c < 256; c++)
            t.size[c] = 2;
    }
    return t;
}

constexpr CharacterTable Utf8Table() {
    CharacterTable t{};
    for (int c = 0; c < 256; c++)
        t.size[c] = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 1;
    t.utf8 = true;
    return t;
}

// Shift-JIS until UseLeadBytes: the unit tests and the fuzzers, which never ask the system, read
// Japanese texts. Constant-initialised, so it holds even for other files' static initialisers.
constexpr unsigned char kShiftJis[kLeadByteRangesSize] = {0x81, 0x9F, 0xE0, 0xFC};
CharacterTable table = TableOf(kShiftJis);

} // namespace

void UseLeadBytes(const unsigned char* ranges) { table = TableOf(ranges); }

void UseCodePage(unsigned codePage, const unsigned char* ranges) {
    table = codePage == kUtf8CodePage ? Utf8Table() : TableOf(ranges);
}

bool IsLeadByte(unsigned char c) { return table.size[c] > 1; }

int CharacterSize(const char* text) {
    const int size = table.size[(unsigned char)text[0]];
    for (int k = 1; k < size; k++) {
        const unsigned char c = (unsigned char)text[k];
        if (c == '\0')
            return 0;
        if (table.utf8 && (c & 0xC0) != 0x80)
            return 1;
    }
    return size;
}

void CopyText(char* out, int size, const char* text) {
    if (size <= 0)
        return;
    int i = 0;
    while (text[i] != '\0') {
        const int width = CharacterSize(text + i);
        if (width == 0)
            break; // a character cut off by the end is no character
        if (i + width > size - 1)
            break;
        for (int k = 0; k < width; k++)
            out[i + k] = text[i + k];
        i += width;
    }
    out[i] = '\0';
}
