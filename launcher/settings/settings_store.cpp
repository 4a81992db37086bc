// The key table of setting.ini: names, defaults, buffer sizes and the order of reading and writing.
#include "launcher/settings/settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "launcher/common/paths.h"
#include "launcher/common/platform.h"

SettingsStore Settings;

bool FlagOn(const char* flag) { return std::strcmp(flag, "1") == 0; }

namespace {

enum class Kind {
    Text,   // held as the string read, cut to the buffer
    Number, // read through a 5-byte buffer (4 characters), held as an integer
    Count,  // read through a 3-byte buffer (2 characters), held as an integer
};

struct Key {
    const char* section;
    const char* key;
    const char* def;
    Kind kind;
    char* text;
    int size;
    int* number;
};

const int kNumberBuffer = 5;
const int kCountBuffer = 3;

// Table order is file order. Titles come between Top and NowPage and are handled by the callers.
int BuildKeyTable(SettingsStore& s, const char* bitmapDefault, Key* keys) {
    int n = 0;
    auto text = [&](const char* section, const char* key, const char* def, char* buffer, int size) {
        keys[n++] = Key{section, key, def, Kind::Text, buffer, size, nullptr};
    };
    auto number = [&](const char* section, const char* key, const char* def, int* value) {
        keys[n++] = Key{section, key, def, Kind::Number, nullptr, kNumberBuffer, value};
    };
    auto count = [&](const char* section, const char* key, const char* def, int* value) {
        keys[n++] = Key{section, key, def, Kind::Count, nullptr, kCountBuffer, value};
    };
    text("Config", "CMDEXE", "1", s.CMDEXE, sizeof s.CMDEXE);
    text("Config", "CMDCURDIR", "", s.CMDCURDIR, sizeof s.CMDCURDIR);
    text("Config", "WINR", "1", s.WINR, sizeof s.WINR);
    text("Config", "ShortCut", "1", s.ShortCut, sizeof s.ShortCut);
    text("Config", "ActiveKey", "82", s.ActiveKey, sizeof s.ActiveKey);
    text("Config", "ActiveKeyAlt", "1", s.ActiveKeyAlt, sizeof s.ActiveKeyAlt);
    text("Config", "ActiveKeyCtrl", "0", s.ActiveKeyCtrl, sizeof s.ActiveKeyCtrl);
    text("Config", "ActiveKeyShift", "0", s.ActiveKeyShift, sizeof s.ActiveKeyShift);
    text("Config", "ComplementFunction", "1", s.ComplementFunction, sizeof s.ComplementFunction);
    text("Appearance", "DSPBMP", "1", s.DSPBMP, sizeof s.DSPBMP);
    text("Appearance", "BitMap", bitmapDefault, s.BitMap, sizeof s.BitMap);
    number("Appearance", "BitMapPosCompensationLeft", "0", &s.BitMapPosCompensationLeft);
    number("Appearance", "BitMapPosCompensationTop", "0", &s.BitMapPosCompensationTop);
    number("Appearance", "BitMapRateX", "100", &s.BitMapRateX);
    number("Appearance", "BitMapRateY", "100", &s.BitMapRateY);
    text("Icon", "ICONRECT", "1", s.ICONRECT, sizeof s.ICONRECT);
    count("Icon", "IconCountRow", "7", &s.IconCountRow);
    count("Icon", "IconCountColumn", "10", &s.IconCountColumn);
    count("Icon", "PageCount", "5", &s.PageCount);
    number("Rect", "Left", "0", &s.WindowRect.left);
    number("Rect", "Top", "0", &s.WindowRect.top);
    return n;
}

const int kMaxKeys = 32;

int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

} // namespace

void ReadSettings(SettingsStore& s, const char* iniPath, const char* programDirectory) {
    Platform& platform = ThePlatform();
    char bitmapDefault[kTextSize];
    if (!JoinPath(bitmapDefault, sizeof bitmapDefault, programDirectory, "den.bmp"))
        bitmapDefault[0] = '\0';

    Key keys[kMaxKeys];
    int n = BuildKeyTable(s, bitmapDefault, keys);
    for (int i = 0; i < n; i++) {
        const Key& k = keys[i];
        if (k.kind == Kind::Text) {
            platform.ReadProfile(iniPath, k.section, k.key, k.def, k.text, k.size);
        } else {
            char buffer[kNumberBuffer];
            platform.ReadProfile(iniPath, k.section, k.key, k.def, buffer, k.size);
            *k.number = std::atoi(buffer);
        }
    }
    for (int page = 1; page <= kMaxPages; page++) {
        char key[16], def[16];
        std::snprintf(key, sizeof key, "Title%d", page);
        std::snprintf(def, sizeof def, "Page%d", page);
        platform.ReadProfile(iniPath, "Page", key, def, s.Title[page], sizeof s.Title[page]);
    }
    char buffer[kNumberBuffer];
    platform.ReadProfile(iniPath, "Page", "NowPage", "1", buffer, sizeof buffer);
    s.NowPage = std::atoi(buffer);
    if (s.NowPage > s.PageCount)
        s.NowPage = 1;
}

bool WriteSettings(const SettingsStore& constSettings, const char* iniPath) {
    Platform& platform = ThePlatform();
    bool written = true;
    // The table holds pointers into the store; writing only reads through them.
    SettingsStore& s = const_cast<SettingsStore&>(constSettings);
    Key keys[kMaxKeys];
    int n = BuildKeyTable(s, "", keys);
    for (int i = 0; i < n; i++) {
        const Key& k = keys[i];
        if (k.kind == Kind::Text) {
            written = platform.WriteProfile(iniPath, k.section, k.key, k.text) && written;
        } else {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%d", *k.number);
            written = platform.WriteProfile(iniPath, k.section, k.key, buffer) && written;
        }
    }
    for (int page = 1; page <= kMaxPages; page++) {
        char key[16];
        std::snprintf(key, sizeof key, "Title%d", page);
        written = platform.WriteProfile(iniPath, "Page", key, s.Title[page]) && written;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", s.NowPage);
    written = platform.WriteProfile(iniPath, "Page", "NowPage", buffer) && written;
    return written;
}

void ClampBoardSettings(SettingsStore& s) {
    s.IconCountRow = Clamp(s.IconCountRow, kMinCells, kMaxCells);
    s.IconCountColumn = Clamp(s.IconCountColumn, kMinCells, kMaxCells);
    s.PageCount = Clamp(s.PageCount, 1, s.IconCountRow - 2 < kMaxPages ? s.IconCountRow - 2 : kMaxPages);
    if (s.NowPage < 1 || s.NowPage > s.PageCount)
        s.NowPage = 1;
}

int BoardSlotCount(const SettingsStore& s) {
    // Hand-edited counts may be anything; the table has kSlotCount slots whatever they say.
    long long n = (long long)s.PageCount * s.IconCountRow * s.IconCountColumn;
    if (n < 1)
        return 0;
    return n > kSlotCount ? kSlotCount : (int)n;
}
