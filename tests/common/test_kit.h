// What the Win32-layer and end-to-end tests share: setting.ini texts, screen points of the board's
// cells and page buttons, the popup menu, a count of live GDI objects, and the resource ids.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "launcher/board/board_geometry.h"
#include "launcher/common/resource_ids.h"

// --- setting.ini -------------------------------------------------------------------------------
struct IniEntry {
    std::string key; // the keys are unique across sections
    std::string value;
};

// Every key of setting.ini in the order the launcher writes them, with the launcher's defaults but
// BitMap's, which depends on the program's folder.
struct IniKey {
    std::string section;
    std::string key;
    std::string value;
};
inline const std::vector<IniKey>& IniKeys() {
    static const std::vector<IniKey> keys = [] {
        std::vector<IniKey> k = {
            {"Config", "CMDEXE", "1"},
            {"Config", "CMDCURDIR", ""},
            {"Config", "WINR", "1"},
            {"Config", "ShortCut", "1"},
            {"Config", "ActiveKey", "82"},
            {"Config", "ActiveKeyAlt", "1"},
            {"Config", "ActiveKeyCtrl", "0"},
            {"Config", "ActiveKeyShift", "0"},
            {"Config", "ComplementFunction", "1"},
            {"Appearance", "DSPBMP", "1"},
            {"Appearance", "BitMap", ""},
            {"Appearance", "BitMapPosCompensationLeft", "0"},
            {"Appearance", "BitMapPosCompensationTop", "0"},
            {"Appearance", "BitMapRateX", "100"},
            {"Appearance", "BitMapRateY", "100"},
            {"Icon", "ICONRECT", "1"},
            {"Icon", "IconCountRow", "7"},
            {"Icon", "IconCountColumn", "10"},
            {"Icon", "PageCount", "5"},
            {"Rect", "Left", "0"},
            {"Rect", "Top", "0"},
        };
        for (int n = 1; n <= 13; n++)
            k.push_back({"Page", "Title" + std::to_string(n), "Page" + std::to_string(n)});
        k.push_back({"Page", "NowPage", "1"});
        return k;
    }();
    return keys;
}

// setting.ini's text, CR LF, the keys in the launcher's order under their sections: when all, every
// key with the defaults of a program in folder but for values; else only the keys of values.
inline std::string SettingsIniText(const std::string& folder, const std::vector<IniEntry>& values, bool all) {
    for (const IniEntry& v : values) {
        bool known = false;
        for (const IniKey& k : IniKeys())
            known = known || v.key == k.key;
        if (!known) { // a misspelt key would silently test the default
            std::fprintf(stderr, "setting.ini has no key %s\n", v.key.c_str());
            std::abort();
        }
    }
    std::string text, section;
    for (const IniKey& k : IniKeys()) {
        const IniEntry* given = nullptr;
        for (const IniEntry& v : values)
            if (v.key == k.key)
                given = &v;
        if (given == nullptr && !all)
            continue;
        if (section != k.section)
            text += "[" + (section = k.section) + "]\r\n";
        std::string value = given != nullptr ? given->value : k.value;
        if (given == nullptr && k.key == "BitMap")
            value = folder + "\\den.bmp";
        text += k.key + "=" + value + "\r\n";
    }
    return text;
}

// setting.ini as the launcher writes it for a program in folder: every key, the defaults but for values.
inline std::string SettingsIni(const std::string& folder, const std::vector<IniEntry>& values = {}) {
    return SettingsIniText(folder, values, true);
}

// A setting.ini with only some keys, as a person may keep it: the launcher's defaults fill the rest.
inline std::string PartialSettingsIni(const std::vector<IniEntry>& values) {
    return SettingsIniText("", values, false);
}

// The setting.ini most end-to-end tests start from: a 10 x 7 board of 5 pages at (100, 100), the
// shell fallback on, no hot key, no takeover, no background, no frames; changes replace or add values.
inline std::string QuietLauncherIni(const std::vector<IniEntry>& changes = {}) {
    std::vector<IniEntry> values = {
        {"CMDEXE", "1"},   {"WINR", "0"},         {"ShortCut", "0"},         {"DSPBMP", "0"},
        {"ICONRECT", "0"}, {"IconCountRow", "7"}, {"IconCountColumn", "10"}, {"PageCount", "5"},
        {"Left", "100"},   {"Top", "100"},        {"NowPage", "1"}};
    for (const IniEntry& c : changes) {
        bool replaced = false;
        for (IniEntry& v : values)
            if (v.key == c.key)
                replaced = (v.value = c.value, true);
        if (!replaced)
            values.push_back(c);
    }
    return PartialSettingsIni(values);
}

// --- The board on the screen -------------------------------------------------------------------
// The middle of a cell on the current page (column 0-based, row 1-based) of a launcher window whose
// top-left corner is at (windowLeft, windowTop) on the screen.
inline POINT CellCentre(int windowLeft, int windowTop, int column, int row) {
    Rect r = CellRect(column, row);
    return POINT{windowLeft + r.left + CellWidth / 2, windowTop + r.top + CellHeight / 2};
}

// The middle of page button p of such a window with the given number of columns.
inline POINT PageButtonCentre(int windowLeft, int windowTop, int columns, int page) {
    Rect r = PageButtonRect(BoardWindowWidth(columns), page);
    return POINT{windowLeft + r.left + PageButtonSize / 2, windowTop + r.top + PageButtonSize / 2};
}

// --- Windows -----------------------------------------------------------------------------------
// The popup menu (class "#32768") once it is shown; what was found (or NULL) when the time is up.
// This thread's messages are handled while waiting.
inline HWND WaitForMenu(DWORD timeoutMs = 13000) {
    HWND menu = NULL;
    for (DWORD start = GetTickCount(); GetTickCount() - start < timeoutMs; Sleep(30)) {
        menu = FindWindowA("#32768", NULL);
        if (menu != NULL && IsWindowVisible(menu))
            break;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return menu;
}

// Live GDI objects of this process. GetGuiResources says 0 under Wine, but Wine keeps the objects in
// a table indexed by the handle's low 16 bits, and a handle whose upper word is 0 names its table
// entry whatever its generation, so probing every index finds the live ones.
inline int CountGdiObjects() {
    int n = 0;
    for (ULONG_PTR index = 1; index <= 0xFFFF; index++)
        if (GetObjectType((HGDIOBJ)index) != 0)
            n++;
    return n;
}
