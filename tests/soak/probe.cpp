// soak_probe.dll: loaded into the launcher by the soak (CreateRemoteThread on LoadLibraryA), it counts
// the process's GDI objects, USER objects and private memory, writes them to <dll>.txt and refuses to
// stay loaded. GetGuiResources answers 0 under Wine, so the objects are found by probing handles:
// Wine accepts a handle with a zero upper word for any generation of its table entry, and answers
// only for objects of the calling process.
#include <windows.h>

#include <cstdio>

// Exported by user32 but not declared in the headers; it answers only for a live icon or cursor.
typedef HCURSOR(WINAPI* FrameInfo)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);

namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*(int*)count;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId()) {
        ++*(int*)count;
        EnumChildWindows(window, CountChild, count);
    }
    return TRUE;
}

void Count(HINSTANCE self) {
    int gdi = 0;
    for (UINT_PTR i = 0x10; i < 0x10000; i++)
        if (GetObjectType((HGDIOBJ)i) != 0)
            gdi++;
    // User handles: index i is (i << 1) + 0x20 in the low word.
    FrameInfo frameInfo = (FrameInfo)(void*)GetProcAddress(GetModuleHandleA("user32.dll"), "GetCursorFrameInfo");
    int icons = 0, menus = 0, windows = 0;
    for (UINT_PTR i = 0; i < 0x7FE8; i++) {
        UINT_PTR h = (i << 1) + 0x20;
        DWORD rate = 0, steps = 0;
        if (frameInfo != NULL && frameInfo((HCURSOR)h, 0, 0, &rate, &steps) != NULL)
            icons++;
        else if (IsMenu((HMENU)h))
            menus++;
    }
    EnumWindows(CountTopLevel, (LPARAM)&windows);
    SIZE_T privateBytes = 0;
    MEMORY_BASIC_INFORMATION m;
    for (char* p = 0; VirtualQuery(p, &m, sizeof m) == sizeof m; p = (char*)m.BaseAddress + m.RegionSize) {
        if (m.State == MEM_COMMIT && m.Type == MEM_PRIVATE)
            privateBytes += m.RegionSize;
        if ((char*)m.BaseAddress + m.RegionSize < p)
            break;
    }
    char path[MAX_PATH + 8];
    DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
    lstrcpyA(path + n, ".txt");
    char text[128];
    int length = std::snprintf(text, sizeof text, "%d %d %d %d %lu\n", gdi, windows + icons + menus, windows, icons,
                               (unsigned long)(privateBytes / 1024));
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written;
    WriteFile(file, text, length, &written, NULL);
    CloseHandle(file);
}

} // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    Count(instance);
    return FALSE; // counted; unload again
}
