// Texts in the system's ANSI code page. Its lead bytes start two-byte characters, which are never
// split; the program reads them from the system once at start-up (Shift-JIS until then).
#pragma once

// Lead-byte ranges as the system reports them (CPINFO's LeadByte): pairs of first and last byte,
// ended by a pair of zeros. A single-byte code page has none.
const int kLeadByteRangesSize = 12;
// The ranges of the code pages the launcher is most often used with.
extern const unsigned char kLeadBytes932[kLeadByteRangesSize];  // Japanese (Shift-JIS)
extern const unsigned char kLeadBytes936[kLeadByteRangesSize];  // Simplified Chinese (GBK)
extern const unsigned char kLeadBytes949[kLeadByteRangesSize];  // Korean
extern const unsigned char kLeadBytes950[kLeadByteRangesSize];  // Traditional Chinese (Big5)
extern const unsigned char kLeadBytes1252[kLeadByteRangesSize]; // Western: none

// Every later text operation steps over characters with these ranges.
void UseLeadBytes(const unsigned char* ranges);

// True when byte c starts a two-byte character in the code page in use.
bool IsLeadByte(unsigned char c);

// Copies at most size - 1 bytes of text into out, never splitting a two-byte character.
void CopyText(char* out, int size, const char* text);
