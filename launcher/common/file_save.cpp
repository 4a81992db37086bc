// Saving a file through a copy beside it, with the fall-backs a person's own folder may need.
#include "launcher/common/file_save.h"

#include <cstring>

#include "launcher/common/limits.h"
#include "launcher/common/platform.h"

bool CopyNameOf(const char* path, char* out, int size) {
    const char kSuffix[] = ".new";
    const std::size_t length = std::strlen(path);
    if (size <= 0 || length + sizeof kSuffix > (std::size_t)size)
        return false;
    std::memcpy(out, path, length);
    std::memcpy(out + length, kSuffix, sizeof kSuffix);
    return true;
}

bool SaveFile(const char* path, FileContent& content) {
    Platform& platform = ThePlatform();
    if (path[0] == '\0' || platform.FileIsReadOnly(path))
        return false;
    char copy[kTextSize + 8];
    // Without a copy (a stale one the folder will not let go, or a new one it will not create) the
    // file is written where it is, as it always could be. A full disk still lets the empty copy be
    // made, and then fails its write: the file itself is never cut.
    if (!CopyNameOf(path, copy, sizeof copy) || !platform.RemoveFile(copy) || !platform.CreateEmptyFile(copy))
        return content.Write(path, path);
    if (!content.Write(copy, path) || !platform.ReplaceFileWith(copy, path)) {
        platform.RemoveFile(copy);
        return false;
    }
    return true;
}
