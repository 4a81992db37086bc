// The boards the benchmarks measure, as icons.dat texts. Each icon is one of shell32.dll's (Wine's
// has 184): every distinct (file, index) pair is an extraction of its own, which opens the file and
// walks its resources as a different program's file would, and gets a handle of its own.
#pragma once

#include <windows.h>

#include <string>

// A file of the system folder, e.g. "shell32.dll".
inline std::string SystemFile(const char* name) {
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    return std::string(system) + "\\" + name;
}

struct Board {
    const char* name;
    int columns, rows, pages;
    int slots;    // occupied from slot 1
    int distinct; // icons: slot s shows index (s - 1) * distinct / slots, so each page has its share
};
// The default board: 10 x 7, 5 pages, 70 different programs on page 1 (and 70 others on page 2 where
// a page switch needs a full page); the largest: 13 full 15 x 15 pages, 184 icons or one.
const Board kDefaultBoard = {"default board 10 x 7, 70 icons", 10, 7, 5, 70, 70};
const Board kTwoFullPages = {"default board 10 x 7, 2 full pages of 70 icons", 10, 7, 5, 140, 140};
const Board kFullDistinct = {"15 x 15, 2925 slots of 184 icons", 15, 15, 13, 2925, 184};
const Board kFullOneIcon = {"15 x 15, 2925 slots of one icon", 15, 15, 13, 2925, 1};
const Board kEmptyBoard = {"default board 10 x 7, no icon", 10, 7, 5, 0, 1};

inline int IconIndexOf(const Board& b, int slot) { return (int)((long long)(slot - 1) * b.distinct / b.slots); }

// icons.dat as the launcher writes it (CR LF), every occupied slot's command "c<slot>".
inline std::string IconsDat(const Board& b) {
    const std::string file = SystemFile("shell32.dll");
    std::string s;
    for (int slot = 1; slot <= b.slots; slot++) {
        const std::string n = std::to_string(slot);
        s += n + "?NAME?icon" + n + "\r\n" + n + "?FILEPATH?" + file + "\r\n" + n + "?CURDIR?C:\\\r\n" + n +
             "?ICONPATH?" + file + "\r\n" + n + "?COMMAND?c" + n + "\r\n" + n + "?ICONINDEX?" +
             std::to_string(IconIndexOf(b, slot)) + "\r\n";
    }
    return s;
}
