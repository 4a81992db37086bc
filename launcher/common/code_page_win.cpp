// Texts between UTF-16 and the system's ANSI code page, through the Win32 conversions.
#include "launcher/common/code_page_win.h"

#include "launcher/common/code_page.h"
#include "launcher/common/limits.h"
#include "launcher/common/text.h"

void WidenText(const char* text, wchar_t* out, int size) {
    if (size <= 0)
        return;
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, out, size);
    if (n == 0) // too long: take what fits
        out[size - 1] = L'\0';
}

namespace {

DWORD NarrowingFlags() { return CodePageTakesNarrowingOptions(GetACP()) ? WC_NO_BEST_FIT_CHARS : 0; }

// False when a character had no place in the code page or the text did not fit. Whether anything
// was lost shows in the way back, which every code page allows (UTF-8 refuses the flag that would
// report it).
bool NarrowExactly(const wchar_t* text, char* out, int size) {
    wchar_t back[kTextSize * 2];
    if (WideCharToMultiByte(CP_ACP, NarrowingFlags(), text, -1, out, size, NULL, NULL) == 0 ||
        MultiByteToWideChar(CP_ACP, 0, out, -1, back, kTextSize * 2) == 0 || !NarrowedExactly(text, back)) {
        out[0] = '\0';
        return false;
    }
    return true;
}

} // namespace

bool NarrowPath(const wchar_t* path, char* out, int size) {
    if (size <= 0)
        return false;
    if (NarrowExactly(path, out, size))
        return true;
    wchar_t shortPath[MAX_PATH * 2];
    DWORD n = GetShortPathNameW(path, shortPath, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 && NarrowExactly(shortPath, out, size);
}

bool NarrowChosenPath(HWND owner, const wchar_t* path, char* out, int size) {
    if (NarrowPath(path, out, size))
        return true;
    MessageBoxW(owner,
                L"このファイルの名前にはこのシステムで使えない文字が含まれ、短い名前もないため、登録できません。",
                L"登録エラー", MB_ICONERROR);
    return false;
}

void NarrowShown(const wchar_t* text, char* out, int size) {
    if (size <= 0)
        return;
    // UTF-8 has a place for every character, and takes no default character.
    const bool options = CodePageTakesNarrowingOptions(GetACP());
    if (WideCharToMultiByte(CP_ACP, options ? WC_NO_BEST_FIT_CHARS : 0, text, -1, out, size, options ? "_" : NULL,
                            NULL) == 0)
        out[0] = '\0';
}

void UseSystemCodePage() {
    CPINFO info = {};
    if (!GetCPInfo(CP_ACP, &info))
        return;
    unsigned char ranges[kLeadByteRangesSize] = {};
    for (int i = 0; i < kLeadByteRangesSize && i < MAX_LEADBYTES; i++)
        ranges[i] = info.LeadByte[i];
    UseCodePage(GetACP(), ranges);
}
