#include "launcher/common/platform.h"

#include <cerrno>
#include <cstdio>

namespace {

Platform nothing;
Platform* installed = &nothing;

} // namespace

bool Platform::FindFile(const char*) { return false; }
bool Platform::ReplaceFileWith(const char*, const char*) { return false; }
bool Platform::FileIsReadOnly(const char*) { return false; }
bool Platform::RemoveFile(const char* path) { return std::remove(path) == 0 || errno == ENOENT; }
bool Platform::CreateEmptyFile(const char* path) {
    std::FILE* file = std::fopen(path, "w");
    return file != nullptr && std::fclose(file) == 0;
}
unsigned Platform::KeptAttributes(const char*) { return 0; }
void Platform::SetKeptAttributes(const char*, unsigned) {}
void Platform::ReadProfile(const char*, const char*, const char*, const char* def, char* out, int size) {
    int i = 0;
    for (; i < size - 1 && def[i] != '\0'; i++)
        out[i] = def[i];
    if (size > 0)
        out[i] = '\0';
}
bool Platform::WriteProfile(const char*, const char*, const char*, const char*) { return true; }
IconHandle Platform::ExtractFileIcon(const char*, int) { return nullptr; }
IconHandle Platform::ExtractAssociated(const char*, int) { return nullptr; }
IconHandle Platform::ResourceIcon() { return nullptr; }
void Platform::DestroyIconHandle(IconHandle) {}
int Platform::CountFileIcons(const char*) { return 0; }
void Platform::ExtractFileIcons(const char* path, int first, int count, IconHandle* icons) {
    for (int i = 0; i < count; i++)
        icons[i] = ExtractFileIcon(path, first + i);
}
void Platform::WindowsFolder(char* out, int size) {
    if (size > 0)
        out[0] = '\0';
}
void Platform::ChangeDirectory(const char*) {}
int Platform::ShellOpen(const char*, const char*) { return 0; }
void Platform::ShowNotFound(const char*) {}
int Platform::ReadBoxText(char* out, int size) {
    if (size > 0)
        out[0] = '\0';
    return 0;
}
void Platform::SetBoxText(const char*) {}
void Platform::SelectBoxText(int, int) {}
void Platform::FocusBox() {}
void Platform::SetMainWindow(WindowHandle) {}
void Platform::HideMainWindow() {}
void Platform::ShowMainWindow() {}
void Platform::HideHoverLabel() {}
void Platform::SetHook(WindowHandle, const char*) {}
void Platform::ResetHook() {}

void InstallPlatform(Platform* platform) { installed = platform != nullptr ? platform : &nothing; }

Platform& ThePlatform() { return *installed; }
