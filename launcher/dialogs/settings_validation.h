// The settings dialog's decisions over plain texts: the numeric rule, the spinners, the key box and
// the OK checks in their order. The dialog reads its controls into a SettingsForm and shows what
// these functions decide.
#pragma once

#include "launcher/common/limits.h"

// The leading decimal number of a text (optional sign, digits, 0 when none), as atoi reads it;
// saturates instead of overflowing on absurdly long digit runs.
int BoxNumber(const char* text);
// Every byte an ASCII digit, except that the first may be '-'. "" and "-" are numeric (value 0).
bool IsNumericText(const char* text);

// One spinner and the box it steps.
struct SpinnerRule {
    int spinner;
    int box;
    int lower;
    int upper;
};
const int kSpinnerCount = 7;
// In the order the dialog compares a WM_VSCROLL's source with them.
extern const SpinnerRule kSpinners[kSpinnerCount];
enum SpinCode { kSpinUp, kSpinDown, kSpinOther };
// The value a box shows after one scroll code: up/down by one while inside the limits, else unchanged.
int SpinStep(int value, SpinCode code, int lower, int upper);

// The key box. Its one character comes from a letter key; anything else leaves it empty.
// Writes the box text for a WM_KEYDOWN with virtual key vk into out (2 bytes).
void KeyDownText(unsigned vk, char* out);
// The character the box shows for a stored ActiveKey ("82" -> "R", "0" -> ""), into out (2 bytes).
void ActiveKeyBoxText(const char* activeKey, char* out);
// The ActiveKey text stored for the box's text (out: 4 bytes): the decimal code of its first byte.
// A first byte of 0x80 or more (half of a double-byte character, or a half-width kana) is no key a
// hot key can use and would not fit ActiveKey as a negative number: it counts as an empty box, "0".
void KeyBoxActiveKey(const char* box, char* out);
// True when the box holds a usable key; with the hot key on, OK refuses a box without one.
bool KeyBoxHasKey(const char* box);

// The texts and check states OK looks at.
struct SettingsForm {
    bool shortcut;                 // IDC_SHORTCUT
    const char* keyBox;            // IDC_KEYBOX
    bool showBitmap;               // IDC_DSPBMP
    const char* bitmap;            // IDC_BITMAP
    const char* posTop;            // IDC_POSTOP
    const char* posLeft;           // IDC_POSLEFT
    const char* rateY;             // IDC_RATEY
    const char* rateX;             // IDC_RATEX
    const char* titles[kMaxPages]; // IDC_PAGETITLE1 .. IDC_PAGETITLE13
    const char* rows;              // IDC_ROWS
    const char* columns;           // IDC_COLUMNS
    const char* pages;             // IDC_PAGECOUNT
};

enum class SettingsProblem {
    None,
    NoKey,       // "no setting is not allowed"
    PathMissing, // the bitmap path does not exist
    NotNumeric,
    OutOfRange500, // -500 .. 500
    TitleEmpty,
    OutOfRangeCells, // args: lower, upper
    OutOfRangePages, // args: rows, 1, rows - 2
};

struct SettingsFailure {
    SettingsProblem problem;
    int box;        // the control that gets the selection and the focus
    bool selectAll; // whole text selected; otherwise the caret goes to 0
    bool existence; // the caption is the existence-error one
    int args[3];
};

// Runs the OK checks in order and returns the first failure (problem None when all pass); the
// background picture's existence is asked of the platform.
SettingsFailure ValidateSettings(const SettingsForm& form);
