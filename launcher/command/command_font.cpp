// The font of the command box and of its completion list: made, handed over and released.
#include "launcher/command/command_font.h"

void GiveCommandFont(HWND window, HFONT& font, BOOL redraw) {
    ReleaseCommandFont(font);
    font = CreateFontW(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, 0, 0, PROOF_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
    SendMessageA(window, WM_SETFONT, (WPARAM)font, redraw);
}

void ReleaseCommandFont(HFONT& font) {
    if (font != NULL)
        DeleteObject(font);
    font = NULL;
}
