// Everything the launcher's decisions need from Windows, behind one interface: files, the profile
// functions, icons, shell execution, message boxes, the command box and windows, and the hook
// library. The program installs the Win32 implementation once in WinMain; each test installs its
// own fake, overriding only what its test watches. The defaults do nothing and answer false, zero or
// empty (ReadProfile the default it is given, WriteProfile success), except two that act on real
// files through the C library: RemoveFile deletes the file and CreateEmptyFile creates or empties it.
#pragma once

// An icon handle (HICON) as the Win32-free code sees it.
typedef void* IconHandle;
// A window handle (HWND) as the Win32-free code sees it.
typedef void* WindowHandle;

struct Platform {
    // --- Files
    // FindFirstFileA succeeds on the path.
    virtual bool FindFile(const char* path);
    // Replaces target with the completely written file source; false when that failed.
    virtual bool ReplaceFileWith(const char* source, const char* target);
    // The file carries the read-only attribute: a person locked it, so it is never written.
    virtual bool FileIsReadOnly(const char* path);
    // Deletes the file, read-only or not; true when no file is left at path.
    virtual bool RemoveFile(const char* path);
    // Creates a new, empty file where none is; false when the folder refuses it.
    virtual bool CreateEmptyFile(const char* path);
    // The attributes a saved file keeps whichever way it is written (hidden, system), as an opaque
    // set; 0 for none or no file.
    virtual unsigned KeptAttributes(const char* path);
    // Gives the file exactly these of the kept attributes; its others stay.
    virtual void SetKeptAttributes(const char* path, unsigned attributes);

    // --- Private-profile files (Get/WritePrivateProfileStringA)
    // Copies at most size - 1 characters of the value (or of def when the key is missing) and a 0.
    virtual void ReadProfile(const char* file, const char* section, const char* key, const char* def, char* out,
                             int size);
    // False when the write was refused.
    virtual bool WriteProfile(const char* file, const char* section, const char* key, const char* value);

    // --- Icons
    // ExtractIconExA's large icon at index, or 0.
    virtual IconHandle ExtractFileIcon(const char* path, int index);
    // ExtractAssociatedIconA with the index as its 16-bit in/out value, or 0.
    virtual IconHandle ExtractAssociated(const char* path, int index);
    // The program's own icon (resource 101), shared and owned by the system: never destroyed.
    virtual IconHandle ResourceIcon();
    virtual void DestroyIconHandle(IconHandle icon);
    // ExtractIconExA(path, -1, ...): how many icons the file holds.
    virtual int CountFileIcons(const char* path);
    // Icons first .. first + count - 1 of the file in one ExtractIconExA call (each opens and parses the
    // file): fills every entry of icons with what ExtractFileIcon would give for that index, or 0.
    virtual void ExtractFileIcons(const char* path, int first, int count, IconHandle* icons);

    // --- Shell execution
    virtual void WindowsFolder(char* out, int size);
    virtual void ChangeDirectory(const char* path);
    // Opens file with the verb "open" (parameters NULL for none); the shell's result, > 32 on success.
    virtual int ShellOpen(const char* file, const char* parameters);

    // --- Message boxes
    // The box that says a typed text was not found, with the text (bytes of the system code page) as
    // its caption and in its message; returns when the user has closed it.
    virtual void ShowNotFound(const char* text);

    // --- The command box and the launcher's windows
    // Copies at most size - 1 bytes of the box text and a 0; returns the number of bytes copied.
    virtual int ReadBoxText(char* out, int size);
    virtual void SetBoxText(const char* text);
    // end -1 selects to the end of the text.
    virtual void SelectBoxText(int start, int end);
    virtual void FocusBox();
    // The main window, which the two calls below show and hide; told once, when it is created.
    virtual void SetMainWindow(WindowHandle window);
    virtual void HideMainWindow();
    virtual void ShowMainWindow();
    virtual void HideHoverLabel();

    // --- The hook library (SetHook and ResetHook of ZeltHook.dll)
    virtual void SetHook(WindowHandle launcher, const char* flag);
    virtual void ResetHook();

    virtual ~Platform() = default;
};

// Installs the platform every later call goes to; the program and each test call it first.
void InstallPlatform(Platform* platform);
// The installed platform; a do-nothing one until something is installed.
Platform& ThePlatform();
