// The reference for start-up timing: a bare window of the launcher's size ("minimal_window WIDTH
// HEIGHT") that paints one colour and, like the launcher, adds a tray icon before it shows itself.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(w, &ps);
        HBRUSH b = CreateSolidBrush(RGB(150, 200, 200));
        FillRect(dc, &ps.rcPaint, b);
        DeleteObject(b);
        EndPaint(w, &ps);
        return 0;
    }
    if (m == WM_CLOSE) {
        DestroyWindow(w);
        return 0;
    }
    if (m == WM_DESTROY) {
        NOTIFYICONDATAW tray = {};
        tray.cbSize = NOTIFYICONDATAW_V1_SIZE;
        tray.hWnd = w;
        Shell_NotifyIconW(NIM_DELETE, &tray);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    int width = 400, height = 301;
    std::sscanf(commandLine, "%d %d", &width, &height);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.lpszClassName = "ZeltMinimal";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(WS_EX_TOOLWINDOW, "ZeltMinimal", "minimal", WS_POPUP, 0, 0, width, height, NULL, NULL,
                             instance, NULL);
    NOTIFYICONDATAW tray = {};
    tray.cbSize = NOTIFYICONDATAW_V1_SIZE;
    tray.hWnd = w;
    tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray.uCallbackMessage = WM_APP + 100;
    tray.hIcon = LoadIconA(NULL, (LPCSTR)IDI_APPLICATION);
    lstrcpyW(tray.szTip, L"minimal");
    Shell_NotifyIconW(NIM_ADD, &tray);
    ShowWindow(w, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0)
        DispatchMessageA(&msg);
    return 0;
}
