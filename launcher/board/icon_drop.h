// What a file or folder dropped on a free cell becomes.
#pragma once

#include "launcher/board/icon_table.h"

// Appends "&" to command (a kNameSize field) until no slot of 1..slotCount other than slot holds it.
// A full field makes room by giving up the last character before the trailing "&"s, never half of one.
void MakeCommandUnique(const IconEntry* table, int slotCount, char* command, int slot);

// Fills the free slot of IconTable from the dropped path: the file name as its name, the base name
// (a folder's whole name) as its command, made unique over slots 1..slotCount, the path's folder as
// its working folder, and the file's first icon. shownName, when given, is the file name as the
// user knows it, for a path that had to be given in its short form.
void RegisterDroppedPath(int slot, const char* path, bool isFolder, int slotCount, const char* shownName = nullptr);
