// How the launcher's two files are saved: written beside themselves and swapped in whole, or in place
// where the folder refuses the copy, and never over a file the person made read-only.
#pragma once

// The writer of one file's content.
struct FileContent {
    // Writes the whole content into file: the saved file itself (original), or a new, empty copy of it
    // beside it, which the content may first fill with what original keeps. False when anything of it
    // was not written.
    virtual bool Write(const char* file, const char* original) = 0;

protected:
    ~FileContent() = default;
};

// The name of the copy a file is written into before it is swapped in: path + ".new". False when
// that does not fit in size bytes.
bool CopyNameOf(const char* path, char* out, int size);

// Saves content to path. A read-only file is left as it is; a hidden or system one stays so. A copy
// left by an earlier save is removed first, whatever its attributes. The content goes into a new copy
// beside the file, which replaces the file only when completely written; where the folder refuses to
// create the copy (it lets files be written but not created), the file is written in place. True
// when the file holds the content; on false the previous file is unchanged (unless the in-place write
// itself failed) and no copy is left.
bool SaveFile(const char* path, FileContent& content);

// A rename refused while another program holds the file for a moment (a virus scanner, the search
// indexer, a sync client opens it without delete sharing) is tried again every kRenameRetryPauseMs
// until about two seconds have passed; refused for any other reason, it is not.
const int kRenameRetryPauseMs = 50;
// Whether to try again after a rename failed with this system error code, waitedMs after the first
// try.
bool RetryRename(unsigned long error, unsigned long waitedMs);
