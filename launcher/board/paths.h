// Path splitting for Shift-JIS paths: a trail byte may be 0x5C, the same byte as '\', so the
// separators are found character by character, never byte by byte.
#pragma once

const int kPathBuffer = 512;

// True when byte c starts a two-byte Shift-JIS character.
bool IsLeadByte(unsigned char c);

// Each writes into out (kPathBuffer bytes), cutting at a character boundary when needed.
// C:\Tools\memo.txt -> C:\Tools; C:\memo.txt -> C:; memo.txt -> "".
void PathDirectory(char* out, const char* path);
// C:\Tools\memo.txt -> memo.txt
void PathFileName(char* out, const char* path);
// memo.txt -> memo; a.tar.gz -> a.tar
void PathBaseName(char* out, const char* path);

// Copies at most size - 1 bytes of text into out, never splitting a two-byte character.
void CopyText(char* out, int size, const char* text);
