// The launcher's settings: one value per key of setting.ini, named by its key.
// Win32-free: the file is reached through the platform's profile functions, so the rules can be
// tested anywhere.
#pragma once

#include "launcher/common/limits.h"
#include "launcher/common/rect.h"

struct SettingsStore {
    // [Config]
    char CMDEXE[2];
    char CMDCURDIR[kTextSize];
    char WINR[2];
    char ShortCut[2];
    char ActiveKey[4];
    char ActiveKeyAlt[2];
    char ActiveKeyCtrl[2];
    char ActiveKeyShift[2];
    char ComplementFunction[2];
    // [Appearance]
    char DSPBMP[2];
    char BitMap[kTextSize];
    int BitMapPosCompensationLeft;
    int BitMapPosCompensationTop;
    int BitMapRateX;
    int BitMapRateY;
    // [Icon]
    char ICONRECT[2];
    int IconCountRow;
    int IconCountColumn;
    int PageCount;
    // [Page]; Title[0] is unused so that Title[n] is page n.
    char Title[kMaxPages + 1][kTextSize];
    int NowPage;
    // [Rect] Left and Top are the first two fields; the rest is refreshed from the window.
    Rect WindowRect;
};

extern SettingsStore Settings;

// A flag is on only when its text is exactly "1".
bool FlagOn(const char* flag);

// Reads every key of iniPath in file order; programDirectory gives the default background picture.
void ReadSettings(SettingsStore& s, const char* iniPath, const char* programDirectory);
// Writes every key into iniPath in file order, integers as "%d"; false when a write was refused.
bool WriteSettings(const SettingsStore& s, const char* iniPath);
// Brings hand-edited board values into the board's limits (see limits.h): counts are clamped to the
// nearest limit, a current page outside 1..PageCount becomes 1.
void ClampBoardSettings(SettingsStore& s);

// The board's slots: PageCount x IconCountRow x IconCountColumn, never more than the table holds.
int BoardSlotCount(const SettingsStore& s);

// The Win32 edge (settings_store_win.cpp).
void LoadSettings();
// Writes setting.ini in the program folder: 0 when saved, 1 when the previous file was kept.
int SaveSettings();
// The executable's directory without a trailing separator; empty when it does not fit size bytes.
void ProgramDirectory(char* out, int size);
// The same two operations on a given file, for tests.
void LoadSettingsFrom(const char* iniPath, const char* programDirectory);
// Saving goes through SaveFile (common/file_save.h): false (old file untouched) when it cannot.
bool SaveSettingsTo(const char* iniPath);
