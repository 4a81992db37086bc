// Texts between UTF-16 and the system's ANSI code page, through the Win32 conversions.
#pragma once

#include <windows.h>

// The program's own texts are UTF-16 (L"..."), so they read the same on every system; texts from the
// user's files (titles, names, paths) are bytes of the system code page. This turns one of those into
// UTF-16 for the wide functions, cut to size - 1 characters.
void WidenText(const char* text, wchar_t* out, int size);

// A path from a wide source (a drop, the open-file dialog) in the system code page, which the files
// keep: the path itself when every character has a place in the code page, else its short (8.3)
// form. False (out empty) when neither is possible, e.g. on a volume without short names.
bool NarrowPath(const wchar_t* path, char* out, int size);
// NarrowPath for a file the user picked (dropped or browsed for); when it fails, a box owned by owner
// says the file cannot be registered.
bool NarrowChosenPath(HWND owner, const wchar_t* path, char* out, int size);
// A wide text as the system code page can show it: a character it has no place for becomes '_'
// ('?' separates the fields of icons.dat and is refused by the registration dialog).
void NarrowShown(const wchar_t* text, char* out, int size);

// Reads the system's ANSI code page and its lead bytes, for every later text operation.
void UseSystemCodePage();
