// The launcher's settings: one value per key of setting.ini, named by its key.
// Win32-free: the file is reached through ProfileAccess, so the rules can be tested anywhere.
#pragma once

#include "launcher/rect.h"

const int kTitleCount = 13;
const int kPathSize = 512;

struct SettingsStore {
    // [Config]
    char CMDEXE[2];
    char CMDCURDIR[kPathSize];
    char WINR[2];
    char ShortCut[2];
    char ActiveKey[4];
    char ActiveKeyAlt[2];
    char ActiveKeyCtrl[2];
    char ActiveKeyShift[2];
    char ComplementFunction[2];
    // [Appearance]
    char DSPBMP[2];
    char BitMap[kPathSize];
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
    char Title[kTitleCount + 1][kPathSize];
    int NowPage;
    // [Rect] Left and Top are the first two fields; the rest is refreshed from the window.
    Rect WindowRect;
};

extern SettingsStore Settings;

// A flag is on only when its text is exactly "1".
bool FlagOn(const char* flag);

// The board's limits: rows and columns 4..15, 1..13 pages and at most rows - 2, so that
// every page title and slot the board addresses exists.
const int kMinCells = 4;
const int kMaxCells = 15;
const int kMaxPages = 13;

// Reading and writing one private-profile value; the Win32 edge uses Get/WritePrivateProfileStringA.
struct ProfileAccess {
    // Copies at most size - 1 characters of the value (or of def when the key is missing) and a NUL.
    virtual void Read(const char* section, const char* key, const char* def, char* out, int size) = 0;
    virtual void Write(const char* section, const char* key, const char* value) = 0;
    virtual ~ProfileAccess() = default;
};

// Reads every key in file order; programDirectory gives the default background picture.
void ReadSettings(SettingsStore& s, ProfileAccess& profile, const char* programDirectory);
// Writes every key in file order, integers as "%d".
void WriteSettings(const SettingsStore& s, ProfileAccess& profile);
// Brings hand-edited board values into the board's limits (see kMinCells..): counts are clamped to the
// nearest limit, a current page outside 1..PageCount becomes 1.
void ClampBoardSettings(SettingsStore& s);

// Joins directory and file name as "%s\%s" into out; false (out empty) when it does not fit.
bool JoinPath(char* out, int size, const char* directory, const char* name);

// The Win32 edge (settings_file.cpp).
void LoadSettings();
// Writes setting.ini in the program folder: 0 when saved, 1 when the previous file was kept.
int SaveSettings();
// The executable's directory without a trailing separator; empty when it does not fit size bytes.
void ProgramDirectory(char* out, int size);
// The same two operations on a given file, for tests.
void LoadSettingsFrom(const char* iniPath, const char* programDirectory);
// Saving writes a copy and swaps it in only when complete: false (old file untouched) when it cannot.
bool SaveSettingsTo(const char* iniPath);
