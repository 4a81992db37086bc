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

namespace {

// Windows refuses to truncate a hidden or system file for a writer that does not name those
// attributes itself (fopen's "w" does not): they come off for the write and back on after it.
bool WriteInPlace(const char* path, FileContent& content, unsigned kept) {
    Platform& platform = ThePlatform();
    if (kept != 0)
        platform.SetKeptAttributes(path, 0);
    const bool written = content.Write(path, path);
    if (kept != 0)
        platform.SetKeptAttributes(path, kept);
    return written;
}

} // namespace

bool SaveFile(const char* path, FileContent& content) {
    Platform& platform = ThePlatform();
    if (path[0] == '\0' || platform.FileIsReadOnly(path))
        return false;
    const unsigned kept = platform.KeptAttributes(path);
    char copy[kTextSize + 8];
    // Without a copy (a stale one the folder will not let go, or a new one it will not create) the
    // file is written where it is, as it always could be. A full disk still lets the empty copy be
    // made, and then fails its write: the file itself is never cut.
    if (!CopyNameOf(path, copy, sizeof copy) || !platform.RemoveFile(copy) || !platform.CreateEmptyFile(copy))
        return WriteInPlace(path, content, kept);
    if (!content.Write(copy, path)) {
        platform.RemoveFile(copy);
        return false;
    }
    if (kept != 0)
        platform.SetKeptAttributes(copy, kept);
    if (!platform.ReplaceFileWith(copy, path)) {
        platform.RemoveFile(copy);
        return false;
    }
    return true;
}

bool RetryRename(unsigned long error, unsigned long waitedMs) {
    const unsigned long kAccessDenied = 5, kSharingViolation = 32, kLimitMs = 2000;
    return (error == kAccessDenied || error == kSharingViolation) && waitedMs + kRenameRetryPauseMs <= kLimitMs;
}
