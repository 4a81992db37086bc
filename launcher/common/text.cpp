#include "launcher/common/text.h"

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

void CopyText(char* out, int size, const char* text) {
    if (size <= 0)
        return;
    int i = 0;
    while (text[i] != '\0') {
        int width = IsLeadByte((unsigned char)text[i]) ? 2 : 1;
        if (width == 2 && text[i + 1] == '\0')
            break; // a lead byte without its trail byte is no character
        if (i + width > size - 1)
            break;
        for (int k = 0; k < width; k++)
            out[i + k] = text[i + k];
        i += width;
    }
    out[i] = '\0';
}
