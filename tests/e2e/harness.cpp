#include "tests/e2e/harness.h"

#include "launcher/common/resource_ids.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string TempRoot() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    std::string root = std::string(base) + "zelt_e2e";
    CreateDirectoryA(root.c_str(), NULL);
    return root;
}

int screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        // Round up, or the pointer lands one pixel short.
        input.mi.dx = (x * 65536 + screenWidth() - 1) / screenWidth();
        input.mi.dy = (y * 65536 + screenHeight() - 1) / screenHeight();
    }
    SendInput(1, &input, sizeof input);
}

void SendKey(WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = (WORD)MapVirtualKeyA(vk, 0);
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN || vk == VK_DELETE)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    SendInput(1, &input, sizeof input);
}

struct FindData {
    DWORD pid;
    const char* className; // compared without regard to case, as the system does
    const char* title;     // nullptr: any title
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK FindWindowProc(HWND window, LPARAM lParam) {
    FindData* data = (FindData*)lParam;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (pid == data->pid && lstrcmpiA(cls, data->className) == 0 && (!data->visibleOnly || IsWindowVisible(window)) &&
        (data->title == nullptr || WindowText(window) == data->title)) {
        data->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectLaunchers(HWND window, LPARAM lParam) {
    char cls[64];
    GetClassNameA(window, cls, sizeof cls);
    if (lstrcmpA(cls, "ZeltLauncher") == 0)
        ((std::vector<HWND>*)lParam)->push_back(window);
    return TRUE;
}

std::string launcherLocale; // "" : the launcher inherits this process's locale

bool StartProcess(const std::string& folder, PROCESS_INFORMATION& pi) {
    std::string exe = folder + "\\ZeltLauncher.exe";
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return CreateProcessA(exe.c_str(), line.data(), NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &pi) != 0;
}

// Wine takes a process's code page from the locale of its Unix environment, which a Windows parent
// cannot set: the launcher is started through env(1) and wine instead. Such a start hands back no
// usable process information, so the process is found by its new main window.
bool StartProcessUnderLocale(const std::string& folder, const std::string& locale, PROCESS_INFORMATION& pi,
                             HWND& window, DWORD timeoutMs) {
    std::vector<HWND> before = LauncherWindows();
    std::string cmd =
        "Z:\\usr\\bin\\env LANG=" + locale + " LC_ALL=" + locale + " wine \"" + folder + "\\ZeltLauncher.exe\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION unused = {};
    if (!CreateProcessA(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, folder.c_str(), &si, &unused))
        return false;
    WaitUntil(
        [&] {
            for (HWND w : LauncherWindows())
                if (std::find(before.begin(), before.end(), w) == before.end() && IsWindowVisible(w))
                    window = w;
            return window != NULL;
        },
        timeoutMs);
    if (window == NULL)
        return false;
    pi = PROCESS_INFORMATION{};
    GetWindowThreadProcessId(window, &pi.dwProcessId);
    pi.hProcess = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pi.dwProcessId);
    return pi.hProcess != NULL;
}

} // namespace

void SetLauncherLocale(const std::string& locale) { launcherLocale = locale; }

std::string BinaryFolder() {
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, sizeof module);
    return FolderOf(module);
}

// Wine numbers processes afresh in every session, so a name made of the process id can be one a
// previous run left behind, files and all: only a folder this call creates counts.
std::string NewFolder(const std::string& name) {
    static int counter;
    for (;;) {
        char unique[64];
        std::snprintf(unique, sizeof unique, "_%lu_%d", GetCurrentProcessId(), ++counter);
        std::string folder = TempRoot() + "\\" + name + unique;
        if (CreateDirectoryA(folder.c_str(), NULL))
            return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            return folder; // the caller's first file operation reports it
    }
}

std::string NewProgramFolder(const std::string& name) {
    std::string folder = NewFolder(name);
    std::string bin = BinaryFolder();
    for (const char* file : {"ZeltLauncher.exe", "ZeltHook.dll", "ZeltHook64.dll", "ZeltHook64.exe"})
        CopyFileA((bin + "\\" + file).c_str(), (folder + "\\" + file).c_str(), FALSE);
    return folder;
}

std::string NewInstallFolder(const std::string& name) {
    std::string folder = NewProgramFolder(name);
    CopyFileA((BinaryFolder() + "\\den.bmp").c_str(), (folder + "\\den.bmp").c_str(), FALSE);
    return folder;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
}

std::string ReadFile(const std::string& path) {
    std::string text;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, n);
    std::fclose(f);
    return text;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WaitForText(const std::string& path, unsigned long timeoutMs) {
    std::string text;
    WaitUntil([&] { return !(text = ReadFile(path)).empty(); }, timeoutMs);
    return text;
}

std::string PlaceMarker(const std::string& folder, const std::string& exeName) {
    std::string target = folder + "\\" + exeName;
    CopyFileA((BinaryFolder() + "\\marker.exe").c_str(), target.c_str(), FALSE);
    return target;
}

std::string IconGroup(int slot, const std::string& name, const std::string& file, const std::string& dir,
                      const std::string& command) {
    std::string n = std::to_string(slot);
    return n + "?NAME?" + name + "\r\n" + n + "?FILEPATH?" + file + "\r\n" + n + "?CURDIR?" + dir + "\r\n" + n +
           "?ICONPATH?" + file + "\r\n" + n + "?COMMAND?" + command + "\r\n" + n + "?ICONINDEX?0\r\n";
}

// Asks Wine's own kernel32.
std::string UnixPath(const std::string& path) {
    typedef char*(__cdecl * UnixName)(const WCHAR*);
    UnixName toUnix = (UnixName)(void*)GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    if (toUnix == NULL)
        return "";
    WCHAR wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unix = toUnix(wide);
    if (unix == NULL)
        return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

bool Launcher::Running() const {
    return process.hProcess != NULL && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

// A test that stops half-way leaves its launcher running. Closing it the normal way removes its Run
// dialog hook, which Wine keeps after a killed process and which would then close the next test's
// dialogs; killing is the fallback.
Launcher::~Launcher() {
    if (Running() && !CloseLauncher(*this, 10000))
        KillLauncher(*this);
    if (process.hProcess != NULL)
        CloseHandle(process.hProcess);
    if (process.hThread != NULL)
        CloseHandle(process.hThread);
}

bool StartLauncher(Launcher& launcher, const std::string& folder, DWORD timeoutMs) {
    launcher.folder = folder;
    if (!launcherLocale.empty()) {
        if (!StartProcessUnderLocale(folder, launcherLocale, launcher.process, launcher.window, timeoutMs))
            return false;
    } else if (!StartProcess(folder, launcher.process)) {
        return false;
    }
    DWORD pid = launcher.process.dwProcessId;
    WaitUntil(
        [&] {
            for (HWND w : LauncherWindows()) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == pid && IsWindowVisible(w)) {
                    launcher.window = w;
                    return true;
                }
            }
            return !launcher.Running();
        },
        timeoutMs);
    if (launcher.window == NULL)
        return false;
    // The command box comes last in start-up; once it exists the launcher is fully up.
    WaitUntil([&] { return GetDlgItem(launcher.window, IDC_COMMANDBOX) != NULL; }, 3000);
    WaitForInputIdle(launcher.process.hProcess, 5000);
    return true;
}

int RunToExit(const std::string& folder, DWORD timeoutMs) {
    PROCESS_INFORMATION pi = {};
    if (!StartProcess(folder, pi))
        return -1;
    DWORD code = (DWORD)-1;
    if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 99);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return (int)code;
}

bool CloseLauncher(Launcher& launcher, DWORD timeoutMs) {
    if (!launcher.Running())
        return false;
    PostMessageA(launcher.window, WM_CLOSE, 0, 0);
    return WaitForSingleObject(launcher.process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void KillLauncher(Launcher& launcher) {
    if (launcher.Running()) {
        TerminateProcess(launcher.process.hProcess, 99);
        WaitForSingleObject(launcher.process.hProcess, 10000);
    }
}

std::vector<HWND> LauncherWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectLaunchers, (LPARAM)&windows);
    return windows;
}

void Pause(DWORD ms) {
    DWORD end = GetTickCount() + ms;
    while ((int)(end - GetTickCount()) > 0) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start > timeoutMs)
            return false;
        Pause(30);
    }
}

bool WaitForIdle(const Launcher& launcher, DWORD timeoutMs) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(launcher.window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
    HWND found = NULL;
    WaitUntil([&] { return (found = FindWindowA(className, title)) != NULL; }, timeoutMs);
    return found;
}

void MoveMouse(int x, int y) {
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    Pause(50);
}
void LeftDown() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pause(50);
}
void LeftUp() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pause(50);
}
void RightDown() {
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    Pause(50);
}
void RightUp() {
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Pause(50);
}

void Click(int x, int y) {
    MoveMouse(x, y);
    LeftDown();
    LeftUp();
}

void RightClick(int x, int y) {
    MoveMouse(x, y);
    RightDown();
    RightUp();
}

// At a hand's pace: the launcher reads the pointer's position when it handles a press or a release,
// so a press still queued when the pointer has moved on would land elsewhere.
void Drag(int fromX, int fromY, int toX, int toY) {
    MoveMouse(fromX, fromY);
    LeftDown();
    Pause(150);
    const int steps = 6;
    for (int i = 1; i <= steps; i++) {
        MoveMouse(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
        Pause(30);
    }
    Pause(100);
    LeftUp();
}

// Runs the xdnd_drop helper (a Linux program; Wine starts it directly) and waits for its result file,
// since the exit code of a Linux process does not reach a Windows one. Wine returns success for such
// a start but fills PROCESS_INFORMATION with stale stack values: closing those "handles" would close
// whatever handles of ours carry those numbers, such as the one to the launcher, so they are left
// alone.
int DropFileAt(POINT at, const std::string& path) { return DropUnixFileAt(at, UnixPath(path)); }

int DropUnixFileAt(POINT at, const std::string& unixPath) {
    std::string helper = BinaryFolder() + "\\xdnd_drop";
    std::string result = NewFolder("drop_result") + "\\result.txt";
    // Wide, so a Linux path with characters this process's code page lacks reaches the helper whole.
    auto widen = [](const std::string& text, UINT codePage) {
        std::wstring w(text.size() + 1, L'\0');
        w.resize(MultiByteToWideChar(codePage, 0, text.c_str(), -1, &w[0], (int)w.size()) - 1);
        return w;
    };
    std::wstring cmd = L"\"" + widen(helper, CP_ACP) + L"\" " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) +
                       L" \"" + widen(unixPath, CP_UTF8) + L"\" \"" + widen(UnixPath(result), CP_ACP) + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(NULL, &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -(int)GetLastError();
    std::string text = WaitForText(result, 20000);
    if (text.empty())
        return 99;
    return std::atoi(text.c_str());
}

void KeyDown(WORD vk) {
    SendKey(vk, false);
    Pause(30);
}
void KeyUp(WORD vk) {
    SendKey(vk, true);
    Pause(30);
}

void PressKey(WORD vk) {
    KeyDown(vk);
    KeyUp(vk);
}

void PressChord(std::initializer_list<WORD> keys) {
    for (WORD k : keys)
        KeyDown(k);
    for (auto it = keys.end(); it != keys.begin();)
        KeyUp(*--it);
}

void TypeText(const char* text) {
    for (const char* p = text; *p != '\0'; p++) {
        SHORT code = VkKeyScanA(*p);
        if (code == -1)
            continue;
        WORD vk = LOBYTE(code);
        bool shift = (HIBYTE(code) & 1) != 0;
        if (shift)
            KeyDown(VK_SHIFT);
        PressKey(vk);
        if (shift)
            KeyUp(VK_SHIFT);
    }
}

void HoverWindow(HWND window) {
    RECT r = WindowRect(window);
    MoveMouse((r.left + r.right) / 2, r.top + 12);
}

std::string WindowText(HWND window) {
    char text[2048] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, (LPARAM)text);
    return text;
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(NULL);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(NULL, screen);
    return c;
}

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

std::string SaveScreenshot(const std::string& name) {
    std::string folder = BinaryFolder() + "\\..\\screenshots";
    CreateDirectoryA(folder.c_str(), NULL);
    std::string path = folder + "\\" + name + ".bmp";
    int w = screenWidth(), h = screenHeight();
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    int rowBytes = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * h;
    std::string bytes((const char*)&file, sizeof file);
    bytes.append((const char*)&info.bmiHeader, sizeof info.bmiHeader);
    bytes.append((const char*)bits, rowBytes * h);
    WriteFile(path, bytes);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return path;
}

void GuideShot(const std::string& name) {
    char flag[8] = "";
    if (GetEnvironmentVariableA("ZELT_SCREENSHOTS", flag, sizeof flag) == 0 || flag[0] == '\0')
        return;
    Pause(1200);
    SaveScreenshot(name);
}

HWND FindDialog(const Launcher& launcher, const char* title) {
    FindData data = {launcher.process.dwProcessId, "#32770", title, true, NULL};
    EnumWindows(FindWindowProc, (LPARAM)&data);
    return data.found;
}

HWND FindOwnWindow(const Launcher& launcher, const char* className) {
    FindData data = {launcher.process.dwProcessId, className, nullptr, false, NULL};
    EnumWindows(FindWindowProc, (LPARAM)&data);
    return data.found;
}

} // namespace e2e
