// Command resolution and launching, and the completion state of the command box.
// Win32-free: the table, the settings and the platform are passed in, so the rules can be tested anywhere.
#pragma once

#include "launcher/board/icon_table.h"
#include "launcher/settings/settings.h"

// Slot numbers of the latest prefix search: entry 0 unused, matches from entry 1 in ascending slot
// order, then a 0. At most kMaxMatches fit, so the last entry is always 0.
const int kMatchListSize = 500;
const int kMaxMatches = kMatchListSize - 2;
extern int MatchList[kMatchListSize];

// What the user typed of the box text: the prefix for completion (at most 511 bytes and a 0).
const int kTypedPrefixSize = 512;
extern char TypedPrefix[kTypedPrefixSize];
// 1 while Up and Down walk the completion list instead of moving the caret.
extern int CompletionActive;

// The longest command text that is resolved, in bytes; a longer text is never run.
const int kCommandTextMax = 511;
const int kCommandTextSize = kCommandTextMax + 1;

// Folds 'a'..'z' to 'A'..'Z' byte by byte, trail bytes of two-byte characters included.
void FoldCase(char* text);
// Slots searched: PageCount x IconCountColumn x IconCountRow, never more than the table holds.
int SearchedSlotCount(const SettingsStore& settings);
// Fills MatchList with the slots 1..slotCount whose command begins with prefix, ignoring ASCII case.
void CollectPrefixMatches(const IconEntry* table, int slotCount, const char* prefix);
// The first slot 1..slotCount whose command equals the first length bytes of text, ignoring ASCII
// case; 0 when none.
int FindAliasSlot(const IconEntry* table, int slotCount, const char* text, int length);
// Number of entries in MatchList before its terminating 0.
int MatchCount();
// Cuts text at its first space: program before it, arguments after it (each kCommandTextSize bytes).
void SplitCommandLine(const char* text, char* program, char* arguments);

// Appends a pressed key's code to TypedPrefix; keys pressed once it is full are dropped.
void AppendTypedKey(int virtualKey);
// Rebuilds TypedPrefix at a key release from the box text: the whole text, or (when a suggestion is
// selected from selectionStart on) only its first selectionStart bytes over what was typed.
void RebuildTypedPrefix(const char* boxText, bool wholeText, int selectionStart);

// The completion list's size for a number of matches: 17 pixels a row up to 103, and a scroll bar's
// width beside the column from six rows on.
struct ListSize {
    int width;
    int height;
};
ListSize CompletionListSize(int matches, int columnWidth, int scrollBarWidth);

// The platform operations that resolving and launching a command needs, in the order they are called.
struct CommandPlatform {
    // Copies at most size - 1 bytes of the box text and a 0; returns the number of bytes copied.
    virtual int ReadBoxText(char* out, int size) = 0;
    virtual void SetBoxText(const char* text) = 0;
    // end -1 selects to the end of the text.
    virtual void SelectBoxText(int start, int end) = 0;
    virtual void FocusBox() = 0;
    virtual void HideMainWindow() = 0;
    virtual void ShowMainWindow() = 0;
    virtual void HideHoverLabel() = 0;
    virtual bool Exists(const char* path) = 0;
    virtual void WindowsFolder(char* out, int size) = 0;
    virtual void ChangeDirectory(const char* path) = 0;
    // Opens file with the verb "open" (parameters NULL for none); the shell's result, > 32 on success.
    virtual int ShellOpen(const char* file, const char* parameters) = 0;
    // The error box with its OK button; returns when the user has closed it.
    virtual void ShowNotFound(const char* message, const char* caption) = 0;
    virtual ~CommandPlatform() = default;
};

// Opens an occupied slot's target from its working folder: 1, or 0 when the slot is free.
int LaunchSlot(CommandPlatform& platform, const IconEntry* table, int slot);
// Hands "program arguments" to the shell: its result when above 32, else 0.
int ShellRun(CommandPlatform& platform, const char* text);
// Enter in the box: an alias, else the shell when CMDEXE is on, else the not-found box.
void RunCommandText(CommandPlatform& platform, const IconEntry* table, const SettingsStore& settings);

// The not-found message for a typed text, cut to size bytes; its length as snprintf counts it.
int FormatNotFound(char* out, int size, const char* text);
// Room for the not-found message of any text that RunCommandText resolves.
const int kNotFoundSize = 160 + kCommandTextSize;

// The Win32 edge over the program's own table and settings (launch_slot.cpp).
int LaunchSlot(int slot);
