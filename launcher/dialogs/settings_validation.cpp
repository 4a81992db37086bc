// The settings dialog's rules over plain texts: box numbers, the spinners, the key box and the OK checks.
#include "launcher/dialogs/settings_validation.h"

#include "launcher/common/limits.h"
#include "launcher/common/number.h"
#include "launcher/common/paths.h"
#include "launcher/common/resource_ids.h"

#include <cstdio>

const SpinnerRule kSpinners[kSpinnerCount] = {
    {IDC_POSTOP_SPIN, IDC_POSTOP, -500, 500},
    {IDC_POSLEFT_SPIN, IDC_POSLEFT, -500, 500},
    {IDC_RATEY_SPIN, IDC_RATEY, -500, 500},
    {IDC_RATEX_SPIN, IDC_RATEX, -500, 500},
    {IDC_ROWS_SPIN, IDC_ROWS, kMinCells, kMaxCells},
    {IDC_COLUMNS_SPIN, IDC_COLUMNS, kMinCells, kMaxCells},
    {IDC_PAGECOUNT_SPIN, IDC_PAGECOUNT, 1, kMaxPages},
};

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Past every limit a box is checked against, and well inside an int.
const int kSaturation = 1000000;

} // namespace

int BoxNumber(const char* text) { return (int)ParseSaturatingNumber(text, Blanks::AnyWhitespace, kSaturation); }

bool IsNumericText(const char* text) {
    for (int i = 0; text[i] != '\0'; ++i)
        if (!IsDigit(text[i]) && !(i == 0 && text[i] == '-'))
            return false;
    return true;
}

int SpinStep(int value, SpinCode code, int lower, int upper) {
    if (code == kSpinUp && value < upper)
        return value + 1;
    if (code == kSpinDown && value > lower)
        return value - 1;
    return value;
}

void KeyDownText(unsigned vk, char* out) {
    out[0] = vk >= 'A' && vk <= 'Z' ? (char)vk : '\0';
    out[1] = '\0';
}

void ActiveKeyBoxText(const char* activeKey, char* out) {
    out[0] = (char)BoxNumber(activeKey);
    out[1] = '\0';
}

bool KeyBoxHasKey(const char* box) { return box[0] != '\0' && (unsigned char)box[0] < 0x80; }

void KeyBoxActiveKey(const char* box, char* out) {
    std::snprintf(out, 4, "%d", KeyBoxHasKey(box) ? (int)(signed char)box[0] : 0);
}

namespace {

SettingsFailure Fail(SettingsProblem problem, int box, bool selectAll, int a0 = 0, int a1 = 0, int a2 = 0) {
    return SettingsFailure{problem, box, selectAll, problem == SettingsProblem::PathMissing, {a0, a1, a2}};
}

// The background picture's offsets and scales: numeric and within -500..500.
bool CheckBackgroundNumber(const char* text, int box, SettingsFailure& failure) {
    if (!IsNumericText(text)) {
        failure = Fail(SettingsProblem::NotNumeric, box, true);
        return false;
    }
    int v = BoxNumber(text);
    if (v < -500 || v > 500) {
        failure = Fail(SettingsProblem::OutOfRange500, box, true);
        return false;
    }
    return true;
}

} // namespace

SettingsFailure ValidateSettings(const SettingsForm& form) {
    SettingsFailure failure = Fail(SettingsProblem::None, 0, false);
    if (form.shortcut && !KeyBoxHasKey(form.keyBox))
        return Fail(SettingsProblem::NoKey, IDC_KEYBOX, false);
    if (form.showBitmap) {
        if (!PathExists(form.bitmap))
            return Fail(SettingsProblem::PathMissing, IDC_BITMAP, true);
        if (!CheckBackgroundNumber(form.posTop, IDC_POSTOP, failure) ||
            !CheckBackgroundNumber(form.posLeft, IDC_POSLEFT, failure) ||
            !CheckBackgroundNumber(form.rateY, IDC_RATEY, failure) ||
            !CheckBackgroundNumber(form.rateX, IDC_RATEX, failure))
            return failure;
    }
    for (int n = 1; n <= kMaxPages; ++n)
        if (form.titles[n - 1][0] == '\0')
            return Fail(SettingsProblem::TitleEmpty, IDC_PAGETITLE0 + n, false);
    const char* counts[2] = {form.rows, form.columns};
    const int countBoxes[2] = {IDC_ROWS, IDC_COLUMNS};
    for (int i = 0; i < 2; ++i) {
        if (!IsNumericText(counts[i]))
            return Fail(SettingsProblem::NotNumeric, countBoxes[i], true);
        int v = BoxNumber(counts[i]);
        if (v < kMinCells || v > kMaxCells)
            return Fail(SettingsProblem::OutOfRangeCells, countBoxes[i], true, kMinCells, kMaxCells);
    }
    if (!IsNumericText(form.pages))
        return Fail(SettingsProblem::NotNumeric, IDC_PAGECOUNT, true);
    int rows = BoxNumber(form.rows);
    int pages = BoxNumber(form.pages);
    if (pages < 1 || pages > rows - 2)
        return Fail(SettingsProblem::OutOfRangePages, IDC_PAGECOUNT, true, rows, 1, rows - 2);
    return failure;
}
