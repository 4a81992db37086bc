// The command box's decisions: matching typed text against the aliases, the completion state and
// its key rules, and what Enter does. Win32-free: the table and settings are passed in and Windows
// is reached through the platform, so the rules can be tested anywhere.
#pragma once

#include "launcher/board/icon_table.h"
#include "launcher/settings/settings.h"

// Slot numbers of the latest prefix search: entry 0 unused, matches from entry 1 in ascending slot
// order, then a 0. At most kMaxMatches fit, so the last entry is always 0.
const int kMatchListSize = 500;
const int kMaxMatches = kMatchListSize - 2;
extern int MatchList[kMatchListSize];

// What the user typed of the box text: the prefix for completion (at most 511 bytes and a 0).
// Written only by the operations below (command_match.cpp).
extern char TypedPrefix[kTextSize];
// True while Up and Down walk the completion list instead of moving the caret. Written by a key
// release that completes (CompleteTypedText: true when something matched) and cleared by
// EndCompletion (completion_list.h); nothing else writes it.
extern bool CompletionActive;

// Folds 'a'..'z' to 'A'..'Z' byte by byte, trail bytes of two-byte characters included.
void FoldCase(char* text);
// Fills MatchList with the slots 1..slotCount whose command begins with prefix, ignoring ASCII case.
void CollectPrefixMatches(const IconEntry* table, int slotCount, const char* prefix);
// The first slot 1..slotCount whose command equals the first length bytes of text, ignoring ASCII
// case; 0 when none.
int FindAliasSlot(const IconEntry* table, int slotCount, const char* text, int length);
// Number of entries in MatchList before its terminating 0.
int MatchCount();
// Cuts text at its first space: program before it, arguments after it (each kTextSize bytes).
void SplitCommandLine(const char* text, char* program, char* arguments);

// Appends a pressed key's code to TypedPrefix; keys pressed once it is full are dropped.
void AppendTypedKey(int virtualKey);
// The whole box text becomes TypedPrefix (cut to 511 bytes): an editing key's release, or completion off.
void TakeTypedText(const char* boxText);
// Empties TypedPrefix: a launched command leaves nothing typed.
void ClearTypedPrefix();
// Rebuilds TypedPrefix at a key release from the box text: the whole text, or (when a suggestion is
// selected from selectionStart on) only its first selectionStart bytes over what was typed.
void RebuildTypedPrefix(const char* boxText, bool wholeText, int selectionStart);

// Hands "program arguments" to the shell: its result when above 32, else 0.
int ShellRun(const char* text);
// Enter in the box: an alias, else the shell when CMDEXE is on, else the not-found box. A text
// longer than kTextSize - 1 bytes is never cut and run as something else.
void RunCommandText(const IconEntry* table, const SettingsStore& settings);

// --- Key rules of the box
// The virtual-key codes the box reacts to (the values of VK_BACK ... VK_DELETE).
const int kKeyBack = 0x08;
const int kKeyLeft = 0x25;
const int kKeyUp = 0x26;
const int kKeyRight = 0x27;
const int kKeyDown = 0x28;
const int kKeyDelete = 0x2E;

enum class KeyDownStep {
    StepDown, // walk down the list (the key is consumed)
    StepUp,   // walk up the list, closing it above the first item (consumed)
    Record,   // append the key to TypedPrefix; the box handles it too
    Pass,     // the box handles it alone
};
KeyDownStep BoxKeyDownStep(int virtualKey, bool completionActive, const char* complementFunction);

enum class KeyUpStep {
    Ignore,   // Up and Down: the list was walked at the press
    TakeText, // editing keys never complete: close the list, the box text becomes the prefix
    Complete, // offer the aliases that begin with what was typed
};
KeyUpStep BoxKeyUpStep(int virtualKey);

// A key release that completes: rebuilds TypedPrefix from the box text and its selection
// (selectionStart..selectionEnd), fills MatchList and sets CompletionActive. Answers the number of
// matches; with none the list closes.
int CompleteTypedText(const IconEntry* table, int slotCount, const char* boxText, const char* complementFunction,
                      int selectionStart, int selectionEnd);
