// Texts in the system's ANSI code page. Its lead bytes start characters of more than one byte,
// which are never split; the program reads them from the system once at start-up (Shift-JIS until
// then). Where UTF-8 is the system code page (65001), a character is one to four bytes.
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
// The characters of the system code page: UTF-8's sequences for 65001 (whose lead-byte ranges the
// system reports empty), else the two-byte characters of the given ranges.
void UseCodePage(unsigned codePage, const unsigned char* ranges);

// True when byte c starts a character of more than one byte in the code page in use.
bool IsLeadByte(unsigned char c);
// The bytes of the character that text starts with; 0 when the text ends inside it. In UTF-8 a
// lead byte not followed by its continuation bytes is a character of its own, so a stray byte (a
// name from another code page) never swallows the '\' or letters after it.
int CharacterSize(const char* text);

// Copies at most size - 1 bytes of text into out, never splitting a character; one cut off by the
// end of the text is left out.
void CopyText(char* out, int size, const char* text);
