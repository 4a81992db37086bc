// The Win32 platform: files, profiles, icons, shell execution and boxes through the API, over the
// launcher's own windows.
#include "launcher/shell/platform_win.h"

#include <windows.h>
#include <shellapi.h>

#include "hook/zelt_hook.h"
#include "launcher/board/hover_label.h"
#include "launcher/command/command_box.h"
#include "launcher/common/file_save.h"
#include "launcher/common/limits.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/shell/host_process.h"

bool Win32Platform::FindFile(const char* path) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path, &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

bool Win32Platform::ReplaceFileWith(const char* source, const char* target) {
    // On the disk before it takes the file's name, so a crash leaves the old file or the whole new one.
    // A scanner may already hold the copy: share everything, or the flush would be skipped.
    HANDLE file = CreateFileA(source, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file != INVALID_HANDLE_VALUE) {
        const bool flushed = FlushFileBuffers(file) != 0;
        CloseHandle(file);
        if (!flushed)
            return false;
    }
    const DWORD start = GetTickCount();
    while (!MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        if (!RetryRename(GetLastError(), GetTickCount() - start))
            return false;
        Sleep(kRenameRetryPauseMs);
    }
    return true;
}

bool Win32Platform::FileIsReadOnly(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool Win32Platform::RemoveFile(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return GetLastError() == ERROR_FILE_NOT_FOUND || GetLastError() == ERROR_PATH_NOT_FOUND;
    // Windows refuses to delete a read-only file.
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesA(path, attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileA(path) || GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES;
}

namespace {

const DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

} // namespace

unsigned Win32Platform::KeptAttributes(const char* path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & kKeptAttributes;
}

void Win32Platform::SetKeptAttributes(const char* path, unsigned kept) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    // NORMAL is valid only alone.
    attributes = (attributes & ~(kKeptAttributes | FILE_ATTRIBUTE_NORMAL)) | (kept & kKeptAttributes);
    SetFileAttributesA(path, attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL);
}

bool Win32Platform::CreateEmptyFile(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

void Win32Platform::ReadProfile(const char* file, const char* section, const char* key, const char* def, char* out,
                                int size) {
    // An unusable path (too long for the program folder) leaves every value at its default.
    if (file[0] == '\0') {
        lstrcpynA(out, def, size);
        return;
    }
    GetPrivateProfileStringA(section, key, def, out, size, file);
}

bool Win32Platform::WriteProfile(const char* file, const char* section, const char* key, const char* value) {
    return file[0] != '\0' && WritePrivateProfileStringA(section, key, value, file) != 0;
}

IconHandle Win32Platform::ExtractFileIcon(const char* path, int index) {
    HICON large = NULL;
    // On failure the output handle may hold junk: trust it only when one icon was extracted.
    if (ExtractIconExA(path, index, &large, NULL, 1) == 0)
        return 0;
    return large;
}

IconHandle Win32Platform::ExtractAssociated(const char* path, int index) {
    char copy[MAX_PATH + 1];
    lstrcpynA(copy, path, sizeof copy); // the call may write the icon's own file name back
    WORD i = (WORD)index;
    return ExtractAssociatedIconA(programInstance, copy, &i);
}

IconHandle Win32Platform::ResourceIcon() {
    // A shared icon, the same handle at every load; looked up once, as releasing and extracting ask often.
    static HINSTANCE loadedFrom;
    static HICON icon;
    if (icon == NULL || loadedFrom != programInstance) {
        icon = LoadIconA(programInstance, MAKEINTRESOURCEA(IDI_LAUNCHER));
        loadedFrom = programInstance;
    }
    return icon;
}

void Win32Platform::DestroyIconHandle(IconHandle icon) { DestroyIcon((HICON)icon); }

int Win32Platform::CountFileIcons(const char* path) {
    UINT n = ExtractIconExA(path, -1, NULL, NULL, 0);
    return n == (UINT)-1 ? 0 : (int)n; // Wine answers a missing file with -1, not 0
}

void Win32Platform::ExtractFileIcons(const char* path, int first, int count, IconHandle* icons) {
    HICON* large = (HICON*)icons;
    for (int i = 0; i < count; i++)
        large[i] = NULL;
    // A failed call may leave junk in the array (Wine writes resource ids there first). A call that
    // extracted something gives a handle or NULL for each index.
    UINT extracted = ExtractIconExA(path, first, large, NULL, (UINT)count);
    if (extracted == 0 || extracted == (UINT)-1) {
        for (int i = 0; i < count; i++)
            large[i] = NULL;
    }
}

void Win32Platform::WindowsFolder(char* out, int size) { GetWindowsDirectoryA(out, size); }

void Win32Platform::ChangeDirectory(const char* path) { SetCurrentDirectoryA(path); }

int Win32Platform::ShellOpen(const char* file, const char* parameters) {
    return (int)(INT_PTR)ShellExecuteA(NULL, "open", file, parameters, NULL, SW_SHOWNORMAL);
}

void Win32Platform::ShowNotFound(const char* text) {
    // The message is the program's (UTF-16) around the user's text (the system code page's bytes).
    wchar_t caption[kTextSize];
    WidenText(text, caption, kTextSize);
    wchar_t message[kTextSize + 96];
    wsprintfW(message, L"'%s' が見つかりません。名前を正しく入力したかどうかを確認してから、やりなおしてください",
              caption);
    MessageBoxW(NULL, message, caption, MB_ICONERROR | MB_OK);
}

int Win32Platform::ReadBoxText(char* out, int size) { return GetWindowTextA(CommandBox, out, size); }

void Win32Platform::SetBoxText(const char* text) { SendMessageA(CommandBox, WM_SETTEXT, 0, (LPARAM)text); }

void Win32Platform::SelectBoxText(int start, int end) { SendMessageA(CommandBox, EM_SETSEL, start, end); }

void Win32Platform::FocusBox() { SetFocus(CommandBox); }

void Win32Platform::SetMainWindow(WindowHandle window) { mainWindow = window; }

void Win32Platform::HideMainWindow() { ShowWindow((HWND)mainWindow, SW_HIDE); }

void Win32Platform::ShowMainWindow() { ShowWindow((HWND)mainWindow, SW_SHOW); }

void Win32Platform::HideHoverLabel() { ::HideHoverLabel(); }

// ZeltHook.dll serves the 32-bit processes; on 64-bit Windows ZeltHook64.exe serves the 64-bit ones.
void Win32Platform::SetHook(WindowHandle launcher, const char* flag) {
    ::SetHook((HWND)launcher, flag);
    StartHookHost((HWND)launcher, flag);
}

void Win32Platform::ResetHook() {
    ::ResetHook();
    StopHookHost();
}

namespace {

// At namespace scope: a function-local static would bring in the thread-safe guard and with it much
// of the C++ runtime.
Win32Platform win32Platform;

} // namespace

void InstallWin32Platform() { InstallPlatform(&win32Platform); }
