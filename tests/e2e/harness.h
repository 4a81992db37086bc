// Drives the real ZeltLauncher.exe from another Wine process: a fresh program folder per test, real
// input through SendInput, windows read with messages, pixels read from the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// --- Files -------------------------------------------------------------------------------------
// The folder holding the test executables, the package's binaries and marker.exe.
std::string BinaryFolder();
// A new, empty folder under the temporary folder, with the package's binaries (ZeltLauncher.exe,
// ZeltHook.dll, ZeltHook64.dll, ZeltHook64.exe) copied in.
std::string NewProgramFolder(const std::string& name);
// The same with den.bmp as well: everything the Windows package holds, as a user installs it.
std::string NewInstallFolder(const std::string& name);
// A new, empty folder (for documents, markers, dropped files).
std::string NewFolder(const std::string& name);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path); // "" when missing
bool FileExists(const std::string& path);
// The file's text once it can be read and is not empty; "" after timeoutMs. A file that has just
// appeared may still be held by the program that renamed it into place, and then cannot be opened.
std::string WaitForText(const std::string& path, unsigned long timeoutMs);
// Copies marker.exe into folder under the given name; running it writes <name>.ran beside it with
// its working folder on the first line and its command line on the second.
std::string PlaceMarker(const std::string& folder, const std::string& exeName);
// One icon's group of lines in icons.dat as the launcher writes them: CR LF, the file as its own icon
// at index 0.
std::string IconGroup(int slot, const std::string& name, const std::string& file, const std::string& dir,
                      const std::string& command);
// The Linux path of a Windows path, "" when Wine cannot give one.
std::string UnixPath(const std::string& path);

// --- The launcher process ------------------------------------------------------------------------
struct Launcher {
    std::string folder;
    PROCESS_INFORMATION process{};
    HWND window = NULL;
    bool Running() const;
    ~Launcher();
};

// Launchers started from now on run under this locale (e.g. "en_US.UTF-8", code page 1252); "" lets
// them inherit the test's.
void SetLauncherLocale(const std::string& locale);
// Starts ZeltLauncher.exe in folder and waits for its main window to be shown.
bool StartLauncher(Launcher& launcher, const std::string& folder, DWORD timeoutMs = 30000);
// Starts it and waits only for the process to end (a second instance); returns its exit code or -1.
int RunToExit(const std::string& folder, DWORD timeoutMs = 30000);
// WM_CLOSE, as the menu's exit sends it; waits for the process to end.
bool CloseLauncher(Launcher& launcher, DWORD timeoutMs = 30000);
void KillLauncher(Launcher& launcher);
// The launcher's main windows on the desktop (class "ZeltLauncher").
std::vector<HWND> LauncherWindows();

// --- Waiting -------------------------------------------------------------------------------------
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 10000);
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000);
// Waits until the launcher's thread answers a sent message, i.e. is back in its message loop.
bool WaitForIdle(const Launcher& launcher, DWORD timeoutMs = 10000);
// Lets the system settle: processes this thread's messages for the given time.
void Pause(DWORD ms);

// --- Input ---------------------------------------------------------------------------------------
void MoveMouse(int x, int y);
void LeftDown();
void LeftUp();
void RightDown();
void RightUp();
void Click(int x, int y);
void RightClick(int x, int y);
// Press at from, move in steps, release at to.
void Drag(int fromX, int fromY, int toX, int toY);
// Drops a file on the window under a screen point through the X drag-and-drop protocol, as a Linux
// file manager does. Returns 0 when the target finished the drop.
int DropFileAt(POINT at, const std::string& path);
// The same for a file given by its Linux path (UTF-8), whatever this process's code page can hold.
int DropUnixFileAt(POINT at, const std::string& unixPath);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
void PressKey(WORD vk);
// Holds the keys down in order, then releases them in reverse (e.g. {VK_MENU, 'R'}).
void PressChord(std::initializer_list<WORD> keys);
// Types ASCII text with real key presses (letters, digits, space, a few signs).
void TypeText(const char* text);
// Puts the pointer over a window so Wine's focus (which follows the pointer) goes to it.
void HoverWindow(HWND window);

// --- Reading ------------------------------------------------------------------------------------
// A window's text through WM_GETTEXT (GetWindowTextA returns "" across processes).
std::string WindowText(HWND window);
COLORREF ScreenPixel(int x, int y);
RECT WindowRect(HWND window);
// Saves the whole screen as a 24-bit BMP under <build>/screenshots/<name>.bmp.
std::string SaveScreenshot(const std::string& name);
// A picture for the user guide: only when ZELT_SCREENSHOTS is set (scripts/screenshots.sh), after
// giving the windows time to finish painting, which nothing observable tells from outside.
void GuideShot(const std::string& name);
// A top-level window of class "#32770" belonging to the launcher's process with the given title, or NULL.
HWND FindDialog(const Launcher& launcher, const char* title);
// The first top-level window of the launcher's process with the given class, shown or not, or NULL.
HWND FindOwnWindow(const Launcher& launcher, const char* className);

} // namespace e2e
