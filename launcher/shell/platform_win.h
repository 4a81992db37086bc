// The platform the program runs on: every operation of Platform through the Win32 API, over the
// launcher's own windows. WinMain installs one; tests may derive from it to watch a few calls.
#pragma once

#include "launcher/common/platform.h"

struct Win32Platform : Platform {
    bool FindFile(const char* path) override;
    bool ReplaceFileWith(const char* source, const char* target) override;
    bool FileIsReadOnly(const char* path) override;
    bool RemoveFile(const char* path) override;
    bool CreateEmptyFile(const char* path) override;
    unsigned KeptAttributes(const char* path) override;
    void SetKeptAttributes(const char* path, unsigned attributes) override;
    void ReadProfile(const char* file, const char* section, const char* key, const char* def, char* out,
                     int size) override;
    bool WriteProfile(const char* file, const char* section, const char* key, const char* value) override;
    IconHandle ExtractFileIcon(const char* path, int index) override;
    IconHandle ExtractAssociated(const char* path, int index) override;
    IconHandle ResourceIcon() override;
    void DestroyIconHandle(IconHandle icon) override;
    int CountFileIcons(const char* path) override;
    void ExtractFileIcons(const char* path, int first, int count, IconHandle* icons) override;
    void WindowsFolder(char* out, int size) override;
    void ChangeDirectory(const char* path) override;
    int ShellOpen(const char* file, const char* parameters) override;
    void ShowNotFound(const char* text) override;
    int ReadBoxText(char* out, int size) override;
    void SetBoxText(const char* text) override;
    void SelectBoxText(int start, int end) override;
    void FocusBox() override;
    void SetMainWindow(WindowHandle window) override;
    void HideMainWindow() override;
    void ShowMainWindow() override;
    void HideHoverLabel() override;
    void SetHook(WindowHandle launcher, const char* flag) override;
    void ResetHook() override;

    WindowHandle mainWindow = nullptr;
};

// Installs one Win32Platform shared by the program (and by tests that want the real one).
void InstallWin32Platform();
