// The board as painted by the real GDI: pixels read back from the screen and through WM_PRINTCLIENT,
// the icon extraction chain against real files, and the process's GDI object count.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include "launcher/board/board.h"
#include "launcher/board/icon_table.h"
#include "launcher/common/paths.h"
#include "launcher/settings/settings.h"
#include "launcher/board/hover_label.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"
#include "launcher/shell/shell.h"
#include "launcher/shell/platform_win.h"
#include "tests/common/test_kit.h"

namespace {

const int kLeft = 120;
const int kTop = 110;
const int kWidth = 400;  // 10 columns
const int kHeight = 301; // 7 rows
const COLORREF kIconColour = RGB(20, 40, 230);
const COLORREF kPictureColour = RGB(240, 120, 10);

LRESULT CALLBACK BoardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintBoard(window);
        return 0;
    case WM_PRINTCLIENT:
        DrawBoard(window, (HDC)wParam, WindowSize(window));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::string TempFile(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%szelt_board_%lu_%s", base, GetCurrentProcessId(), name);
    return path;
}

// A 24-bit bottom-up BMP of one colour, or (gradient) of a colour for each pixel.
void WriteBitmapFile(const std::string& path, int w, int h, COLORREF colour, bool gradient = false) {
    int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + stride * h;
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string pixels(stride * h, '\0');
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            COLORREF c = gradient ? RGB(x * 5, y * 7, x ^ y) : colour;
            pixels[y * stride + x * 3] = (char)GetBValue(c);
            pixels[y * stride + x * 3 + 1] = (char)GetGValue(c);
            pixels[y * stride + x * 3 + 2] = (char)GetRValue(c);
        }
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::fwrite(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
}

// A fully opaque 32 x 32 icon of one colour.
HICON SolidIcon(COLORREF colour) {
    HDC screen = GetDC(NULL);
    HBITMAP colourBits = CreateCompatibleBitmap(screen, 32, 32);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colourBits);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT r = {0, 0, 32, 32};
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    BYTE maskBits[32 * 4] = {}; // all zero: opaque
    HBITMAP mask = CreateBitmap(32, 32, 1, 1, maskBits);
    ICONINFO info = {TRUE, 0, 0, mask, colourBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colourBits);
    return icon;
}

class BoardPaint : public ::testing::Test {
protected:
    HWND window = NULL;

    static void SetUpTestSuite() {
        programInstance = GetModuleHandleA(NULL);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = BoardProc;
        wc.hInstance = programInstance;
        wc.hCursor = LoadCursorA(NULL, IDC_ARROW);
        wc.lpszClassName = "ZeltBoardTest";
        RegisterClassA(&wc);
    }

    void SetUp() override {
        InstallWin32Platform();
        std::memset(IconTable, 0, sizeof IconTable);
        std::memset(&Settings, 0, sizeof Settings);
        Settings.IconCountColumn = 10;
        Settings.IconCountRow = 7;
        Settings.PageCount = 5;
        Settings.NowPage = 2;
        std::strcpy(Settings.ICONRECT, "1");
        std::strcpy(Settings.DSPBMP, "0");
        Settings.BitMapRateX = 100;
        Settings.BitMapRateY = 100;
        for (int p = 1; p <= 5; p++)
            std::snprintf(Settings.Title[p], kTextSize, "Page %d", p);
        SetCursorPos(5, 5); // over no page button
        window = CreateWindowExA(WS_EX_TOPMOST, "ZeltBoardTest", "board", WS_POPUP, kLeft, kTop, kWidth, kHeight, NULL,
                                 NULL, programInstance, NULL);
        ASSERT_NE(window, (HWND)NULL);
        SetWindowRgn(window, CreateRoundRectRgn(0, 0, kWidth, kHeight, 200, 200), TRUE);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        Repaint();
    }

    void TearDown() override {
        for (int s = 1; s <= kSlotCount; s++)
            if (IconTable[s].icon != 0)
                ClearSlot(s);
        DestroyWindow(window);
        FreeBackground();
    }

    void Repaint() {
        RedrawWindow(window, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        GdiFlush();
        MSG msg;
        for (int i = 0; i < 20; i++) {
            while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            Sleep(10);
        }
    }

    COLORREF Screen(int x, int y) {
        HDC dc = GetDC(NULL);
        COLORREF c = GetPixel(dc, kLeft + x, kTop + y);
        ReleaseDC(NULL, dc);
        return c;
    }
};

std::string Rgb(COLORREF c) {
    char s[32];
    std::snprintf(s, sizeof s, "(%d,%d,%d)", GetRValue(c), GetGValue(c), GetBValue(c));
    return s;
}

#define EXPECT_COLOUR(actual, expected) EXPECT_EQ(Rgb(actual), Rgb(expected))

TEST_F(BoardPaint, BorderFaceAndPageButtons) {
    EXPECT_COLOUR(Screen(1, 150), RGB(150, 200, 200));   // 3-pixel border at the left edge
    EXPECT_COLOUR(Screen(398, 150), RGB(150, 200, 200)); // and at the right
    EXPECT_COLOUR(Screen(300, 240), RGB(255, 255, 255)); // face
    // Disc centres: page 2 is the current page, the rest dark green.
    for (int p = 1; p <= 5; p++) {
        COLORREF expected = p == 2 ? RGB(200, 100, 100) : RGB(50, 70, 50);
        EXPECT_COLOUR(Screen(381, 74 + 33 * (p - 1) + 11), expected) << "page " << p;
    }
    EXPECT_COLOUR(Screen(381, 74 + 33 * 5 + 11), RGB(255, 255, 255)) << "no sixth button";
    // The halo ring at the button's left edge.
    EXPECT_COLOUR(Screen(372, 74 + 11), RGB(160, 250, 250));
}

TEST_F(BoardPaint, HoveredPageButtonIsGreenButTheCurrentStaysRed) {
    SetCursorPos(kLeft + 380, kTop + 74 + 33 * 3 + 10); // over page 4
    Repaint();
    EXPECT_COLOUR(Screen(381, 74 + 33 * 3 + 11), RGB(100, 200, 100));
    EXPECT_COLOUR(Screen(381, 74 + 33 * 0 + 11), RGB(50, 70, 50));
    SetCursorPos(kLeft + 380, kTop + 74 + 33 + 10); // over the current page's own button
    Repaint();
    EXPECT_COLOUR(Screen(381, 74 + 33 + 11), RGB(200, 100, 100));
    SetCursorPos(5, 5);
}

TEST_F(BoardPaint, IconsAtTheirCellsTopLeftAndTheGrid) {
    IconTable[71].icon = SolidIcon(kIconColour);  // page 2, row 1, column 0
    IconTable[140].icon = SolidIcon(kIconColour); // page 2, row 7, column 9
    IconTable[1].icon = SolidIcon(kIconColour);   // page 1: not shown
    std::strcpy(IconTable[72].name, "stale texts of a free slot");
    Repaint();
    EXPECT_COLOUR(Screen(36, 36), kIconColour);
    EXPECT_COLOUR(Screen(66, 66), kIconColour);        // the icon's last pixel
    EXPECT_COLOUR(Screen(67, 50), RGB(255, 255, 255)); // the cell's 33rd column stays free
    EXPECT_COLOUR(Screen(35 + 33 * 9 + 5, 35 + 33 * 6 + 5), kIconColour);
    EXPECT_COLOUR(Screen(35 + 33 + 5, 40), RGB(255, 255, 255)); // slot 72 is free
    // Dotted grid: the outline at x = 34 and an inner line at x = 68 (over the icons' cells).
    int outline = 0, inner = 0;
    for (int y = 40; y < 260; y++) {
        outline += Screen(34, y) == RGB(0, 0, 0);
        inner += Screen(68, y) == RGB(0, 0, 0);
    }
    EXPECT_GT(outline, 50);
    EXPECT_LT(outline, 220) << "dotted, not solid";
    EXPECT_GT(inner, 50);
    std::strcpy(Settings.ICONRECT, "0");
    Repaint();
    outline = inner = 0;
    for (int y = 40; y < 260; y++) {
        outline += Screen(34, y) == RGB(0, 0, 0);
        inner += Screen(68, y) == RGB(0, 0, 0);
    }
    EXPECT_EQ(outline, 0);
    EXPECT_EQ(inner, 0);
    EXPECT_COLOUR(Screen(36, 36), kIconColour);
}

TEST_F(BoardPaint, TitleBannerIsCentred) {
    std::strcpy(Settings.Title[2], "Board title");
    Repaint();
    // The banner's left and right borders on the row y = 20.
    int left = -1, right = -1;
    for (int x = 40; x < 360; x++) {
        if (Screen(x, 20) == RGB(50, 100, 50)) {
            if (left < 0)
                left = x;
            right = x;
        }
    }
    ASSERT_GE(left, 0);
    EXPECT_NEAR((left + right) / 2, kWidth / 2, 3);
    EXPECT_COLOUR(Screen(left + 6, 20), RGB(250, 250, 250)); // fill beside the text
    EXPECT_COLOUR(Screen(200, 4 + 1), RGB(50, 100, 50));     // top border, 2 pixels from y 5
}

TEST_F(BoardPaint, BackgroundScalesEachAxisAroundTheCentreAndAFailedReloadDrawsNothing) {
    std::string bmp = TempFile("den.bmp");
    WriteBitmapFile(bmp, 200, 100, kPictureColour);
    std::strcpy(Settings.DSPBMP, "1");
    std::strcpy(Settings.ICONRECT, "0");
    Settings.BitMapRateX = 50;
    Settings.BitMapRateY = 200;
    LoadBackground(programInstance, bmp.c_str());
    ASSERT_NE(BackgroundBitmap, (HBITMAP)NULL);
    Repaint();
    // 100 x 200 at (150, 50).
    EXPECT_COLOUR(Screen(150, 50), kPictureColour);
    EXPECT_COLOUR(Screen(249, 249), kPictureColour);
    EXPECT_COLOUR(Screen(149, 100), RGB(255, 255, 255));
    EXPECT_COLOUR(Screen(250, 100), RGB(255, 255, 255));
    EXPECT_COLOUR(Screen(200, 49), RGB(255, 255, 255));
    EXPECT_COLOUR(Screen(200, 250), RGB(255, 255, 255));
    // A reload that fails draws nothing, not the earlier picture.
    FreeBackground();
    LoadBackground(programInstance, TempFile("missing.bmp").c_str());
    EXPECT_EQ(BackgroundBitmap, (HBITMAP)NULL);
    Repaint();
    EXPECT_COLOUR(Screen(200, 150), RGB(255, 255, 255));
    DeleteFileA(bmp.c_str());
}

TEST_F(BoardPaint, PrintClientRendersTheSameBoard) {
    IconTable[71].icon = SolidIcon(kIconColour);
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1000, 1000);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    EXPECT_COLOUR(GetPixel(dc, 36, 36), kIconColour);
    EXPECT_COLOUR(GetPixel(dc, 381, 74 + 33 + 11), RGB(200, 100, 100));
    EXPECT_COLOUR(GetPixel(dc, 1, 150), RGB(150, 200, 200));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
}

// The board drawn whole (area null) or in part into a window-sized picture filled with magenta first.
std::vector<DWORD> BoardPixels(HWND window, const PaintArea* area) {
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH sentinel = CreateSolidBrush(RGB(255, 0, 255));
    RECT all = {0, 0, kWidth, kHeight};
    FillRect(dc, &all, sentinel);
    DeleteObject(sentinel);
    if (area != nullptr)
        DrawBoardArea(window, dc, WindowSize(window), *area);
    else
        DrawBoard(window, dc, WindowSize(window));
    SelectObject(dc, old);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<DWORD> pixels(kWidth * kHeight);
    GetDIBits(dc, bitmap, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    return pixels;
}

// A paint of part of the board puts exactly the whole paint's pixels in its rectangles, nothing outside
// its box: the stretched picture, the rounded border, the dotted grid, the buttons, banner and frame.
TEST_F(BoardPaint, PartialPaintMatchesTheWholeBoardInsideItsArea) {
    std::string bmp = TempFile("gradient.bmp");
    WriteBitmapFile(bmp, 200, 100, 0, /*gradient=*/true);
    std::strcpy(Settings.DSPBMP, "1");
    Settings.BitMapRateX = 130; // 260 x 90 at (63, 110)
    Settings.BitMapRateY = 90;
    Settings.BitMapPosCompensationLeft = -7;
    Settings.BitMapPosCompensationTop = 5;
    LoadBackground(programInstance, bmp.c_str());
    std::strcpy(Settings.Title[2], "Board title");
    for (int slot : {71, 72, 80, 81, 92, 95, 131, 140})
        IconTable[slot].icon = SolidIcon(kIconColour + slot);
    SetCursorPos(kLeft + 380, kTop + 74 + 33 * 3 + 10); // page 4's button shows the hover colour
    std::vector<DWORD> whole = BoardPixels(window, nullptr);
    const struct {
        const char* what;
        std::vector<Rect> rects;
    } cases[] = {
        {"a cell", {CellRect(1, 1)}},
        {"page 4's disc", {PageButtonDiscRect(PageButtonRect(kWidth, 4))}},
        {"across cells, icons and grid lines", {{50, 47, 133, 99}}},
        {"the banner's end", {{120, 0, 170, 40}}},
        {"the top-left corner", {{0, 0, 70, 70}}},
        {"the command box's frame and the bottom border", {{70, 262, 140, 301}}},
        {"the picture's left edge and a cut icon", {{55, 100, 80, 130}}},
        {"two cells apart", {CellRect(0, 1), CellRect(9, 7)}},
    };
    for (const auto& c : cases) {
        PaintArea area = AreaOfRects(c.rects.data(), (int)c.rects.size());
        std::vector<DWORD> part = BoardPixels(window, &area);
        int wrong = 0;
        for (int y = 0; y < kHeight; y++)
            for (int x = 0; x < kWidth; x++) {
                Rect pixel{x, y, x + 1, y + 1};
                DWORD expected = AreaTouches(area, pixel)         ? whole[y * kWidth + x]
                                 : !RectsOverlap(area.box, pixel) ? 0xFF00FF
                                                                  : part[y * kWidth + x];
                wrong += part[y * kWidth + x] != expected;
            }
        EXPECT_EQ(wrong, 0) << c.what;
    }
    DeleteFileA(bmp.c_str());
}

// The pixels window draws into a 100 x 25 memory picture through draw.
std::vector<COLORREF> Rendered(HWND window, void (*draw)(HWND, HDC)) {
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 25);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 100, 25};
    FillRect(dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH));
    draw(window, dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 25; y++)
        for (int x = 0; x < 100; x++)
            pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
    return pixels;
}

void PrintClient(HWND window, HDC dc) { SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT); }

// The label paints itself only for WM_PAINT; every other message, WM_PRINTCLIENT too, is the button's.
TEST(HoverLabel, PrintClientIsTheButtonsOwnAndPaintHoverLabelDrawsTheLabel) {
    CreateHoverLabel(GetModuleHandleA(NULL));
    ShowHoverLabel("label", 10, 10);
    SetWindowPos(HoverLabel, NULL, 10, 10, 100, 25, SWP_NOZORDER);
    HWND button = CreateWindowExA(WS_EX_TOOLWINDOW, "BUTTON", "", WS_POPUP | WS_CLIPSIBLINGS, 200, 10, 100, 25, NULL,
                                  NULL, GetModuleHandleA(NULL), NULL);
    EXPECT_EQ(Rendered(HoverLabel, PrintClient), Rendered(button, PrintClient));
    std::vector<COLORREF> label = Rendered(HoverLabel, PaintHoverLabel);
    EXPECT_NE(label, Rendered(button, PrintClient));
    EXPECT_NE(std::find(label.begin(), label.end(), RGB(0, 60, 150)), label.end()) << "the label's text colour";
    DestroyWindow(button);
    DestroyHoverLabel();
}

// A drop of one file as the shell hands it over: a DROPFILES block with the path list.
HDROP MakeDrop(const char* path) {
    size_t size = sizeof(DROPFILES) + std::strlen(path) + 2;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    DROPFILES* files = (DROPFILES*)GlobalLock(memory);
    files->pFiles = sizeof(DROPFILES);
    std::strcpy((char*)(files + 1), path);
    GlobalUnlock(memory);
    return (HDROP)memory;
}

TEST_F(BoardPaint, DroppedFileBecomesAnIconWithAUniqueCommand) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string notepad = std::string(system) + "\\notepad.exe";
    SetCursorPos(kLeft + 40, kTop + 40); // slot 71
    DropFile(window, MakeDrop(notepad.c_str()));
    EXPECT_NE(IconTable[71].icon, (IconHandle)0);
    EXPECT_STREQ(IconTable[71].name, "notepad.exe");
    EXPECT_STREQ(IconTable[71].command, "notepad");
    EXPECT_STREQ(IconTable[71].curDir, system);
    SetCursorPos(kLeft + 40 + 33, kTop + 40); // slot 72
    DropFile(window, MakeDrop(notepad.c_str()));
    EXPECT_STREQ(IconTable[72].command, "notepad&");
    SetCursorPos(kLeft + 40 + 66, kTop + 40);
    DropFile(window, MakeDrop(system)); // a folder keeps its whole name as its command
    EXPECT_STREQ(IconTable[73].command, IconTable[73].name);
    // Onto an occupied cell: ignored.
    SetCursorPos(kLeft + 40, kTop + 40);
    DropFile(window, MakeDrop(system));
    EXPECT_STREQ(IconTable[71].name, "notepad.exe");
    // A name longer than the field: cut to 49 bytes, and still unique when dropped twice.
    std::string longName = TempFile(std::string(70, 'L').c_str());
    longName += ".txt";
    FILE* f = std::fopen(longName.c_str(), "wb");
    std::fclose(f);
    SetCursorPos(kLeft + 40 + 99, kTop + 40);
    DropFile(window, MakeDrop(longName.c_str()));
    SetCursorPos(kLeft + 40 + 132, kTop + 40);
    DropFile(window, MakeDrop(longName.c_str()));
    EXPECT_EQ(std::strlen(IconTable[74].name), 49u);
    EXPECT_EQ(std::strlen(IconTable[74].command), 49u);
    EXPECT_EQ(std::strlen(IconTable[75].command), 49u);
    // The second one gives up its last letter for the "&".
    EXPECT_EQ(std::string(IconTable[75].command), std::string(IconTable[74].command, 48) + "&");
    EXPECT_EQ(FindCommand(IconTable, BoardSlotCount(Settings), IconTable[75].command, 75), 0);
    DeleteFileA(longName.c_str());

    // A folder named My.Docs keeps its whole name as the command; a file named My.Docs loses ".Docs".
    std::string base = TempFile("docs");
    CreateDirectoryA(base.c_str(), NULL);
    std::string folderDocs = base + "\\My.Docs";
    CreateDirectoryA(folderDocs.c_str(), NULL);
    std::string other = base + "\\other";
    CreateDirectoryA(other.c_str(), NULL);
    std::string fileDocs = other + "\\My.Docs";
    std::fclose(std::fopen(fileDocs.c_str(), "wb"));
    SetCursorPos(kLeft + 40, kTop + 40 + 33); // slot 81
    DropFile(window, MakeDrop(folderDocs.c_str()));
    SetCursorPos(kLeft + 40 + 33, kTop + 40 + 33); // slot 82
    DropFile(window, MakeDrop(fileDocs.c_str()));
    EXPECT_STREQ(IconTable[81].name, "My.Docs");
    EXPECT_STREQ(IconTable[81].command, "My.Docs");
    EXPECT_STREQ(IconTable[82].name, "My.Docs");
    EXPECT_STREQ(IconTable[82].command, "My");
    EXPECT_STREQ(IconTable[82].curDir, other.c_str());
    DeleteFileA(fileDocs.c_str());
    RemoveDirectoryA(other.c_str());
    RemoveDirectoryA(folderDocs.c_str());
    RemoveDirectoryA(base.c_str());
    SetCursorPos(5, 5);
}

TEST(IconExtraction, RealFilesFollowTheFallbackChain) {
    programInstance = GetModuleHandleA(NULL);
    InstallWin32Platform();
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string shell32 = std::string(system) + "\\shell32.dll";
    std::string notepad = std::string(system) + "\\notepad.exe";
    HICON programIcon = LoadIconA(programInstance, MAKEINTRESOURCEA(IDI_LAUNCHER));
    ASSERT_NE(programIcon, (HICON)NULL);
    IconHandle own = LoadSlotIcon(notepad.c_str(), 0);
    EXPECT_NE(own, (IconHandle)0);
    EXPECT_NE(own, (IconHandle)programIcon);
    ReleaseIcon(own);
    EXPECT_EQ(LoadSlotIcon("C:\\no\\such.exe", 0), (IconHandle)programIcon);
    EXPECT_EQ(LoadSlotIcon("", 0), (IconHandle)programIcon);
    EXPECT_GT(CountIcons(shell32.c_str()), 100);
    EXPECT_EQ(CountIcons(notepad.c_str()), 1);
    EXPECT_EQ(CountIcons("C:\\no\\such.exe"), 0);
    std::string folder = std::string(system) + "\\";
    EXPECT_TRUE(PathExists(folder.c_str()));
    EXPECT_TRUE(PathExists(system));
    EXPECT_FALSE(PathExists(""));
}

// An icon on white as DrawIcon leaves it in a cell: 32 x 32 pixels read from dc at (x, y).
std::vector<COLORREF> CellPixels(HDC dc, int x, int y) {
    std::vector<COLORREF> pixels;
    for (int j = 0; j < 32; j++)
        for (int i = 0; i < 32; i++)
            pixels.push_back(GetPixel(dc, x + i, y + j));
    return pixels;
}

// Loading only promises the icons; a page switched to before idle time made them shows every one of
// them, each its own file's picture, on its first paint, and no other page's icons are made for it.
TEST_F(BoardPaint, APageSwitchedToBeforeItsIconsWereMadeShowsThemOnItsFirstPaint) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string shell32 = std::string(system) + "\\shell32.dll";
    const int slots[] = {141, 150, 175, 210, 71}; // page 3's corners and middle; page 2 (shown) last
    std::string lines;
    for (int i = 0; i < 5; i++)
        lines += std::to_string(slots[i]) + "?ICONPATH?" + shell32 + "\n" + std::to_string(slots[i]) + "?ICONINDEX?" +
                 std::to_string(3 + i) + "\n";
    std::string dat = TempFile("icons.dat");
    FILE* f = std::fopen(dat.c_str(), "wb");
    std::fputs(lines.c_str(), f);
    std::fclose(f);
    ASSERT_EQ(LoadIconsFrom(dat.c_str(), true), 0);
    DeleteFileA(dat.c_str());
    ASSERT_NE(IconTable[141].promise, 0);
    std::strcpy(Settings.ICONRECT, "0");
    Settings.NowPage = 3;
    HDC screen = GetDC(NULL);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 1000, 1000);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageA(window, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
    HDC icon = CreateCompatibleDC(screen);
    HBITMAP iconBitmap = CreateCompatibleBitmap(screen, 32, 32);
    HGDIOBJ oldIcon = SelectObject(icon, iconBitmap);
    for (int i = 0; i < 4; i++) {
        HICON expected = NULL;
        ASSERT_EQ(ExtractIconExA(shell32.c_str(), 3 + i, &expected, NULL, 1), 1u);
        RECT all = {0, 0, 32, 32};
        FillRect(icon, &all, (HBRUSH)GetStockObject(WHITE_BRUSH));
        DrawIcon(icon, 0, 0, expected);
        DestroyIcon(expected);
        int cell = (slots[i] - 141) % 70;
        EXPECT_EQ(CellPixels(dc, 35 + 33 * (cell % 10), 35 + 33 * (cell / 10)), CellPixels(icon, 0, 0))
            << "slot " << slots[i];
    }
    EXPECT_TRUE(IconsPromised()) << "page 2's icon waits for idle time";
    SelectObject(icon, oldIcon);
    DeleteObject(iconBitmap);
    DeleteDC(icon);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(NULL, screen);
}

TEST_F(BoardPaint, GdiObjectCountStaysFlat) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    std::string notepad = std::string(system) + "\\notepad.exe";
    std::string bmp = TempFile("count.bmp");
    WriteBitmapFile(bmp, 50, 50, kPictureColour);
    std::strcpy(Settings.DSPBMP, "1");
    LoadBackground(programInstance, bmp.c_str());
    for (int s = 71; s < 80; s++) {
        std::strcpy(IconTable[s].iconPath, notepad.c_str());
        IconTable[s].icon = LoadSlotIcon(notepad.c_str(), 0);
    }
    int before = 0;
    // Round 0 warms the caches (fonts, shell32's own) before the count starts.
    for (int round = 0; round <= 10; round++) {
        if (round == 1)
            before = CountGdiObjects();
        Settings.NowPage = round % 2 == 0 ? 1 : 2; // page switches
        Repaint();
        SwapSlots(71, 100); // drags: a move and back
        SwapSlots(100, 71);
        SwapSlots(71, 72);                            // and an exchange
        SetCursorPos(kLeft + 40 + 33 * 9, kTop + 40); // a drop on slot 80, then its deletion
        Settings.NowPage = 2;
        DropFile(window, MakeDrop(notepad.c_str()));
        ClearSlot(80);
        FreeBackground(); // the settings dialog's reload
        LoadBackground(programInstance, bmp.c_str());
    }
    Repaint();
    int after = CountGdiObjects();
    std::printf("GDI objects: before %d, after 10 rounds of paints, page switches, swaps, drops and reloads %d\n",
                before, after);
    EXPECT_EQ(after, before);
    SetCursorPos(5, 5);
    DeleteFileA(bmp.c_str());
}

} // namespace
