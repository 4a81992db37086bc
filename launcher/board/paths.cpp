#include "launcher/board/paths.h"

#include <cstring>

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

namespace {

// The parts of a path as the platform's _splitpath sees them: drive "C:", directory up to and with
// its last separator, file name, and extension from the last dot of the final component.
struct PathParts {
    int driveEnd;     // end of "C:" (0 when there is no drive)
    int directoryEnd; // just after the last '\' or '/'
    int extension;    // start of the extension (the dot), or the end of the path
    int end;
};

PathParts SplitPath(const char* path) {
    PathParts parts{};
    int length = (int)std::strlen(path);
    parts.end = length;
    if (length >= 2 && path[1] == ':' && !IsLeadByte((unsigned char)path[0]))
        parts.driveEnd = 2;
    parts.directoryEnd = parts.driveEnd;
    int lastDot = -1;
    for (int i = parts.driveEnd; i < length; i++) {
        unsigned char c = (unsigned char)path[i];
        if (IsLeadByte(c) && i + 1 < length) {
            i++;
            continue;
        }
        if (c == '\\' || c == '/') {
            parts.directoryEnd = i + 1;
            lastDot = -1;
        } else if (c == '.') {
            lastDot = i;
        }
    }
    parts.extension = lastDot >= 0 ? lastDot : length;
    return parts;
}

void CopyRange(char* out, const char* path, int from, int to) {
    char piece[kPathBuffer];
    int n = to - from < kPathBuffer - 1 ? to - from : kPathBuffer - 1;
    std::memcpy(piece, path + from, n);
    piece[n] = '\0';
    CopyText(out, kPathBuffer, piece);
}

} // namespace

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

void PathDirectory(char* out, const char* path) {
    PathParts parts = SplitPath(path);
    // Drive, then the directory without its last character (the separator).
    int end = parts.directoryEnd > parts.driveEnd ? parts.directoryEnd - 1 : parts.driveEnd;
    CopyRange(out, path, 0, end);
}

void PathFileName(char* out, const char* path) {
    PathParts parts = SplitPath(path);
    CopyRange(out, path, parts.directoryEnd, parts.end);
}

void PathBaseName(char* out, const char* path) {
    PathParts parts = SplitPath(path);
    CopyRange(out, path, parts.directoryEnd, parts.extension);
}
