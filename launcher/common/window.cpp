// Small Win32 helpers of the launcher's windows: the module, code-page texts, subclassing, placing.
#include "launcher/common/window.h"

#include "launcher/common/text.h"

HINSTANCE programInstance;

HINSTANCE ProgramModule() { return programInstance != NULL ? programInstance : GetModuleHandleA(NULL); }

void WidenText(const char* text, wchar_t* out, int size) {
    if (size <= 0)
        return;
    int n = MultiByteToWideChar(CP_ACP, 0, text, -1, out, size);
    if (n == 0) // too long: take what fits
        out[size - 1] = L'\0';
}

namespace {

// False when a character had no place in the code page or the text did not fit.
bool NarrowExactly(const wchar_t* text, char* out, int size) {
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, out, size, NULL, &lossy);
    if (n == 0 || lossy) {
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
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, out, size, "_", NULL) == 0)
        out[0] = '\0';
}

void UseSystemLeadBytes() {
    CPINFO info = {};
    if (GetCPInfo(CP_ACP, &info)) {
        unsigned char ranges[kLeadByteRangesSize] = {};
        for (int i = 0; i < kLeadByteRangesSize && i < MAX_LEADBYTES; i++)
            ranges[i] = info.LeadByte[i];
        UseLeadBytes(ranges);
    }
}

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
    return (WNDPROC)SetWindowLongA(window, GWL_WNDPROC, (LONG)(LONG_PTR)procedure);
}

Size WindowSize(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return Size{r.right - r.left, r.bottom - r.top};
}

void CentreWindowOn(HWND window, const RECT& area) {
    RECT w;
    GetWindowRect(window, &w);
    int width = w.right - w.left, height = w.bottom - w.top;
    int x = area.left + (area.right - area.left) / 2 - width / 2;
    int y = area.top + (area.bottom - area.top) / 2 - height / 2;
    MoveWindow(window, x, y, width, height, TRUE);
}

bool HideOnAltF4(HWND mainWindow, WPARAM key) {
    if (key != VK_F4 || GetKeyState(VK_MENU) >= 0)
        return false;
    ShowWindow(mainWindow, SW_HIDE);
    return true;
}
