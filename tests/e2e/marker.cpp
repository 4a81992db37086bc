// A stand-in program for launch tests: records where and how it was started in <exe>.ran.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    // The file is named from the wide module name, which holds any name the program may have.
    wchar_t module[MAX_PATH];
    GetModuleFileNameW(NULL, module, MAX_PATH);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    std::wstring out = std::wstring(module) + L".ran";
    // Written under another name and renamed, so a reader never sees half a file.
    std::wstring temp = out + L".tmp";
    if (FILE* f = _wfopen(temp.c_str(), L"wb")) {
        std::fprintf(f, "%s\n%s\n", cwd, GetCommandLineA());
        std::fclose(f);
        MoveFileExW(temp.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    return 0;
}
