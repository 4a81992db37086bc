#include "launcher/settings/settings_validation.h"

#include "launcher/settings/settings.h"

#include <cstdio>

const SpinnerRule kSpinners[kSpinnerCount] = {
    {1038, 1037, -500, 500}, {1036, 1035, -500, 500}, {1044, 1043, -500, 500}, {1042, 1041, -500, 500},
    {1083, 1081, kMinCells, kMaxCells}, {1087, 1086, kMinCells, kMaxCells}, {1091, 1090, 1, kMaxPages},
};

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const int kSaturation = 1000000;

} // namespace

int BoxNumber(const char* text) {
    const char* p = text;
    while (IsSpace(*p))
        ++p;
    bool negative = false;
    if (*p == '-' || *p == '+')
        negative = *p++ == '-';
    int value = 0;
    for (; IsDigit(*p); ++p)
        if (value < kSaturation)
            value = value * 10 + (*p - '0');
    return negative ? -value : value;
}

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

// Steps 3 to 6: numeric and within -500..500.
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

SettingsFailure ValidateSettings(const SettingsForm& form, bool (*pathExists)(const char*)) {
    SettingsFailure failure = Fail(SettingsProblem::None, 0, false);
    if (form.shortcut && !KeyBoxHasKey(form.keyBox))
        return Fail(SettingsProblem::NoKey, 1025, false);
    if (form.showBitmap) {
        if (form.bitmap[0] == '\0' || !pathExists(form.bitmap))
            return Fail(SettingsProblem::PathMissing, 1032, true);
        if (!CheckBackgroundNumber(form.posTop, 1037, failure) || !CheckBackgroundNumber(form.posLeft, 1035, failure) ||
            !CheckBackgroundNumber(form.rateY, 1043, failure) || !CheckBackgroundNumber(form.rateX, 1041, failure))
            return failure;
    }
    for (int n = 1; n <= kTitleCount; ++n)
        if (form.titles[n - 1][0] == '\0')
            return Fail(SettingsProblem::TitleEmpty, 1062 + n, false);
    const char* counts[2] = {form.rows, form.columns};
    const int countBoxes[2] = {1081, 1086};
    for (int i = 0; i < 2; ++i) {
        if (!IsNumericText(counts[i]))
            return Fail(SettingsProblem::NotNumeric, countBoxes[i], true);
        int v = BoxNumber(counts[i]);
        if (v < kMinCells || v > kMaxCells)
            return Fail(SettingsProblem::OutOfRangeCells, countBoxes[i], true, kMinCells, kMaxCells);
    }
    if (!IsNumericText(form.pages))
        return Fail(SettingsProblem::NotNumeric, 1090, true);
    int rows = BoxNumber(form.rows);
    int pages = BoxNumber(form.pages);
    if (pages < 1 || pages > rows - 2)
        return Fail(SettingsProblem::OutOfRangePages, 1090, true, rows, 1, rows - 2);
    return failure;
}
