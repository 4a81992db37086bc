// The main window: creation, its message dispatch, and the ordered start-up and shutdown.
#include "launcher/shell/shell.h"

#include "launcher/board/board.h"
#include "launcher/board/board_geometry.h"
#include "launcher/board/hover_label.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/command.h"
#include "launcher/command/command_box.h"
#include "launcher/command/completion_list.h"
#include "launcher/common/platform.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/settings/settings.h"
#include "launcher/settings/settings_store_win.h"
#include "launcher/shell/window_place.h"

HANDLE InstanceMutex;
HBRUSH CommandBoxBrush;

namespace {

// The message Windows sends every top-level window when the taskbar starts again (Explorer restarted)
// without the old one's icons; registered at start-up.
UINT taskbarCreatedMessage;

const COLORREF kClassBackground = RGB(180, 180, 220);

void TrimSystemMenu(HWND window) {
    HMENU menu = GetSystemMenu(window, FALSE);
    RemoveMenu(menu, SC_SIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    RemoveMenu(menu, SC_RESTORE, MF_BYCOMMAND);
}

LRESULT OnCreate(HWND window) {
    LoadBackground(programInstance, Settings.BitMap);
    CommandBoxBrush = CreateSolidBrush(FaceColour);
    LoadIcons();
    // The platform learns the window as soon as it exists: the decisions show and hide it through it.
    ThePlatform().SetMainWindow(window);
    ThePlatform().SetHook(window, Settings.WINR);
    TrimSystemMenu(window);
    if (FlagOn(Settings.ShortCut))
        RegisterActivationHotKey(window);
    return 0;
}

LRESULT OnSize(HWND window) {
    if (IsIconic(window)) {
        // The launcher never stays minimised, whoever asked for it.
        ShowWindow(window, SW_RESTORE);
        SetForegroundWindow(window);
        return 0;
    }
    SetMainWindowRegion(window);
    PlaceCommandBox(window);
    return 0;
}

// Set while Windows asks to end the session: a box then would hold up the log-off.
bool endingSession;

// One box for whatever could not be saved; the previous files are still there.
void ReportSaveFailure(HWND window, bool icons, bool settings) {
    if ((!icons && !settings) || endingSession || GetSystemMetrics(SM_SHUTTINGDOWN) != 0)
        return;
    const wchar_t* text = L"アイコンの設定(icons.dat)を保存できませんでした。\n以前の内容が残っています。";
    if (icons && settings)
        text = L"アイコンの設定(icons.dat)と設定(setting.ini)を保存できませんでした。\n以前の内容が残っています。";
    else if (settings)
        text = L"設定(setting.ini)を保存できませんでした。\n以前の内容が残っています。";
    MessageBoxW(window, text, L"保存エラー", MB_ICONERROR);
}

// A second close while the error box is up (tray menu, log-off) must not save and tell again.
bool closing;

LRESULT OnClose(HWND window) {
    if (closing)
        return 0;
    closing = true;
    RefreshWindowRect(window);
    bool iconsFailed = SaveIcons() != 0;
    bool settingsFailed = SaveSettings() != 0;
    ReportSaveFailure(window, iconsFailed, settingsFailed);
    DestroyWindow(window);
    DestroyHoverLabel();
    DestroyCompletionList();
    closing = false;
    return 0;
}

LRESULT OnDestroy(HWND window) {
    ThePlatform().ResetHook();
    UnregisterHotKey(window, kActivationHotKeyId);
    NotifyTrayIcon(window, NIM_DELETE, programInstance, IDI_LAUNCHER);
    FreeBackground();
    DeleteObject(CommandBoxBrush);
    CommandBoxBrush = NULL;
    ReleaseCompletionImages();
    CloseHandle(InstanceMutex);
    InstanceMutex = NULL;
    PostQuitMessage(0);
    return 0;
}

LRESULT OnCtlColorEdit(HDC dc, HWND control) {
    if (GetDlgCtrlID(control) != IDC_COMMANDBOX)
        return 0;
    SetBkColor(dc, FaceColour);
    return (LRESULT)CommandBoxBrush;
}

struct MonitorList {
    Monitor monitors[kMaxMonitors];
    int count;
};

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    MonitorList& list = *(MonitorList*)data;
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    if (list.count < kMaxMonitors && GetMonitorInfoA(monitor, &info))
        list.monitors[list.count++] = Monitor{ToRect(info.rcMonitor), ToRect(info.rcWork)};
    return TRUE;
}

// The saved place, or one on a monitor there is now (see PlaceOnScreen).
Rect OpeningPlace(int width, int height) {
    const Rect saved{Settings.WindowRect.left, Settings.WindowRect.top, Settings.WindowRect.left + width,
                     Settings.WindowRect.top + height};
    MonitorList list = {};
    EnumDisplayMonitors(NULL, NULL, AddMonitor, (LPARAM)&list);
    return PlaceOnScreen(saved, list.monitors, list.count);
}

} // namespace

void SetMainWindowRegion(HWND window) {
    RefreshWindowRect(window);
    const Rect& r = Settings.WindowRect;
    SetWindowRgn(window, CreateRoundRectRgn(0, 0, RectWidth(r), RectHeight(r), WindowCorner, WindowCorner), TRUE);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreatedMessage && message != 0) {
        // A restarted taskbar holds none of the old one's icons.
        NotifyTrayIcon(window, NIM_ADD, programInstance, IDI_LAUNCHER);
        return 0;
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate(window);
    case WM_DESTROY:
        return OnDestroy(window);
    case WM_SIZE:
        return OnSize(window);
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(window, IDC_COMMANDBOX));
        return 0;
    case WM_PAINT:
        PaintBoard(window);
        return 0;
    case WM_MOVE:
        // Whoever moved it (the board's drag, another program), Settings.WindowRect follows. A minimised
        // window's place is not its own; the restore that follows moves it back.
        if (!IsIconic(window))
            RefreshWindowRect(window);
        return 0;
    case WM_CLOSE:
        return OnClose(window);
    case WM_QUERYENDSESSION:
        // Everything is saved and torn down before Windows goes on; never hold up a log-off.
        endingSession = true;
        SendMessageA(window, WM_CLOSE, 0, 0);
        return TRUE;
    case WM_SETCURSOR:
        if (BoardOwnsCursor())
            return 0; // keep the cursor the mouse handlers chose
        break;
    case WM_SYSKEYDOWN:
        HideOnAltF4(window, wParam);
        return 0;
    case WM_COMMAND:
        OnCommand(window, wParam);
        return 0;
    case WM_CTLCOLOREDIT:
        return OnCtlColorEdit((HDC)wParam, (HWND)lParam);
    case WM_MOUSEMOVE:
        if (OnMouseMove(window))
            EndCompletion(/*hideList=*/false); // a page title shows: the list stays in view
        return 0;
    case WM_LBUTTONDOWN:
        HideCompletionList();
        OnLeftButtonDown(window);
        return 0;
    case WM_LBUTTONUP:
        OnLeftButtonUp(window);
        return 0;
    case WM_RBUTTONDOWN:
        OnRightButtonDown(window, lParam);
        return 0;
    case WM_DROPFILES:
        DropFile(window, (HDROP)wParam);
        SetForegroundWindow(window);
        return 0;
    case WM_HOTKEY:
        OnHotKey(window, wParam);
        return 0;
    case WM_TRAYICON:
        OnTrayIcon(window, lParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateMainWindow() {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = 0;
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = programInstance;
    wc.hIcon = LoadIconA(programInstance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    wc.hCursor = LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(kClassBackground);
    wc.lpszClassName = kMainWindowClass;
    RegisterClassExA(&wc);
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");

    const Rect place =
        OpeningPlace(BoardWindowWidth(Settings.IconCountColumn), BoardWindowHeight(Settings.IconCountRow));
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kMainWindowClass, "ZeltLauncher", WS_POPUP, place.left, place.top,
                                  RectWidth(place), RectHeight(place), NULL, NULL, programInstance, NULL);
    if (window == NULL)
        return NULL;
    SetMainWindowRegion(window);
    NotifyTrayIcon(window, NIM_ADD, programInstance, IDI_LAUNCHER);
    DragAcceptFiles(window, TRUE);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    CreateCommandControls(window);
    return window;
}
