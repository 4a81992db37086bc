#include "launcher/common/paths.h"

#include <cstdio>
#include <cstring>

#include "launcher/common/platform.h"
#include "launcher/common/text.h"

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
        const unsigned char c = (unsigned char)path[i];
        const int width = CharacterSize(path + i);
        if (width > 1) {
            i += width - 1;
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
    char piece[kTextSize];
    int n = to - from < kTextSize - 1 ? to - from : kTextSize - 1;
    std::memcpy(piece, path + from, n);
    piece[n] = '\0';
    CopyText(out, kTextSize, piece);
}

} // namespace

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

bool JoinPath(char* out, int size, const char* directory, const char* name) {
    int written = std::snprintf(out, size, "%s\\%s", directory, name);
    if (written < 0 || written >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool PathExists(const char* path) {
    if (path[0] == '\0')
        return false;
    if (ThePlatform().FindFile(path))
        return true;
    size_t length = std::strlen(path);
    // A trailing '\' that is the trail byte of a character is no separator.
    bool trailingSeparator = false;
    for (size_t i = 0; i < length; i++) {
        const int width = CharacterSize(path + i);
        if (width > 1) {
            i += width - 1;
            continue;
        }
        trailingSeparator = (path[i] == '\\') && i == length - 1;
    }
    if (!trailingSeparator)
        return false;
    char directory[kTextSize];
    PathDirectory(directory, path);
    return directory[0] != '\0' && ThePlatform().FindFile(directory);
}
