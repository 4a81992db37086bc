// Path operations. A trail byte may be 0x5C, the same byte as '\', so separators are found
// character by character, never byte by byte.
#pragma once

#include "launcher/common/limits.h"

// Each writes into out (kTextSize bytes), cutting at a character boundary when needed.
// C:\Tools\memo.txt -> C:\Tools; C:\memo.txt -> C:; memo.txt -> "".
void PathDirectory(char* out, const char* path);
// C:\Tools\memo.txt -> memo.txt
void PathFileName(char* out, const char* path);
// memo.txt -> memo; a.tar.gz -> a.tar
void PathBaseName(char* out, const char* path);

// Joins directory and file name as "%s\%s" into out; false (out empty) when it does not fit.
bool JoinPath(char* out, int size, const char* directory, const char* name);

// True when a file or folder exists (a folder may end in '\'); asks the platform.
bool PathExists(const char* path);
