// libFuzzer target for setting.ini's conversions: every key's text-to-value rule and the board's
// clamping, fed through an in-memory profile. The input is one value per line, in the order the
// keys are read; a missing line is a missing key (its default applies), and a line "!" turns the
// following lines into missing keys until the next "!", so defaults mix with values.
// Checks: every text ends inside its buffer, every number is what four (counts: two) characters can
// spell, the board lands inside its limits, and what is saved reads back to the same settings.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "launcher/common/platform.h"
#include "launcher/settings/settings.h"

namespace {

// Answers reads by position, as the profile functions answer by key; copies at most size - 1 bytes.
struct LineProfile : Platform {
    std::vector<std::string> values;
    std::vector<bool> present;
    size_t next = 0;
    void ReadProfile(const char*, const char*, const char*, const char* def, char* out, int size) override {
        const char* source = def;
        if (next < values.size() && present[next])
            source = values[next].c_str();
        next++;
        size_t n = std::strlen(source);
        if (n > (size_t)size - 1)
            n = size - 1;
        std::memcpy(out, source, n);
        out[n] = '\0';
    }
    bool WriteProfile(const char*, const char*, const char*, const char* value) override {
        values.push_back(value);
        present.push_back(true);
        return true;
    }
};

template <int N> void CheckText(const char (&text)[N]) {
    if (std::memchr(text, '\0', N) == nullptr)
        std::abort();
}

void CheckNumber(int value, int low, int high) {
    if (value < low || value > high)
        std::abort();
}

void CheckStore(const SettingsStore& s) {
    CheckText(s.CMDEXE);
    CheckText(s.CMDCURDIR);
    CheckText(s.WINR);
    CheckText(s.ShortCut);
    CheckText(s.ActiveKey);
    CheckText(s.ActiveKeyAlt);
    CheckText(s.ActiveKeyCtrl);
    CheckText(s.ActiveKeyShift);
    CheckText(s.ComplementFunction);
    CheckText(s.DSPBMP);
    CheckText(s.BitMap);
    CheckText(s.ICONRECT);
    for (int page = 1; page <= kMaxPages; page++)
        CheckText(s.Title[page]);
    // Four characters spell -999..9999.
    CheckNumber(s.BitMapPosCompensationLeft, -999, 9999);
    CheckNumber(s.BitMapPosCompensationTop, -999, 9999);
    CheckNumber(s.BitMapRateX, -999, 9999);
    CheckNumber(s.BitMapRateY, -999, 9999);
    CheckNumber(s.WindowRect.left, -999, 9999);
    CheckNumber(s.WindowRect.top, -999, 9999);
    CheckNumber(s.IconCountRow, kMinCells, kMaxCells);
    CheckNumber(s.IconCountColumn, kMinCells, kMaxCells);
    CheckNumber(s.PageCount, 1, kMaxPages);
    CheckNumber(s.PageCount, 1, s.IconCountRow - 2);
    CheckNumber(s.NowPage, 1, s.PageCount);
}

bool SameStore(const SettingsStore& a, const SettingsStore& b) {
    // Texts compare up to their NUL: bytes behind it are whatever the buffer held.
    auto same = [](const char* x, const char* y) { return std::strcmp(x, y) == 0; };
    bool texts = same(a.CMDEXE, b.CMDEXE) && same(a.CMDCURDIR, b.CMDCURDIR) && same(a.WINR, b.WINR) &&
                 same(a.ShortCut, b.ShortCut) && same(a.ActiveKey, b.ActiveKey) &&
                 same(a.ActiveKeyAlt, b.ActiveKeyAlt) && same(a.ActiveKeyCtrl, b.ActiveKeyCtrl) &&
                 same(a.ActiveKeyShift, b.ActiveKeyShift) && same(a.ComplementFunction, b.ComplementFunction) &&
                 same(a.DSPBMP, b.DSPBMP) && same(a.BitMap, b.BitMap) && same(a.ICONRECT, b.ICONRECT);
    for (int page = 1; page <= kMaxPages; page++)
        texts = texts && same(a.Title[page], b.Title[page]);
    return texts && a.BitMapPosCompensationLeft == b.BitMapPosCompensationLeft &&
           a.BitMapPosCompensationTop == b.BitMapPosCompensationTop && a.BitMapRateX == b.BitMapRateX &&
           a.BitMapRateY == b.BitMapRateY && a.IconCountRow == b.IconCountRow &&
           a.IconCountColumn == b.IconCountColumn && a.PageCount == b.PageCount && a.NowPage == b.NowPage &&
           a.WindowRect.left == b.WindowRect.left && a.WindowRect.top == b.WindowRect.top;
}

SettingsStore first, second;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LineProfile profile;
    bool missing = false;
    size_t start = 0;
    for (size_t i = 0; i <= size; i++) {
        if (i < size && data[i] != '\n')
            continue;
        std::string line((const char*)data + start, i - start);
        if (line == "!")
            missing = !missing;
        profile.values.push_back(line);
        profile.present.push_back(!missing);
        start = i + 1;
    }
    // Fill with a byte no rule accepts, so a text that is not cut and terminated shows.
    std::memset(&first, 0xCC, sizeof first);
    InstallPlatform(&profile);
    ReadSettings(first, "setting.ini", "C:\\Zelt");
    ClampBoardSettings(first);
    CheckStore(first);

    LineProfile saved;
    InstallPlatform(&saved);
    if (!WriteSettings(first, "setting.ini"))
        std::abort(); // the fake refuses nothing
    if (saved.values.size() != 35)
        std::abort(); // every key, once
    std::memset(&second, 0xCC, sizeof second);
    saved.next = 0;
    ReadSettings(second, "setting.ini", "C:\\Zelt");
    InstallPlatform(nullptr);
    ClampBoardSettings(second);
    if (!SameStore(first, second))
        std::abort(); // saved settings read back to themselves
    return 0;
}
