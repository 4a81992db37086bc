// Texts in the system's code page: two-byte characters are never split.
#pragma once

// True when byte c starts a two-byte character.
bool IsLeadByte(unsigned char c);

// Copies at most size - 1 bytes of text into out, never splitting a two-byte character.
void CopyText(char* out, int size, const char* text);
