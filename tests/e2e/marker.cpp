// A stand-in program for launch tests: records where and how it was started in <exe>.ran.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char module[MAX_PATH];
    GetModuleFileNameA(NULL, module, sizeof module);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    std::string out = std::string(module) + ".ran";
    // Written under another name and renamed, so a reader never sees half a file.
    std::string temp = out + ".tmp";
    if (FILE* f = std::fopen(temp.c_str(), "wb")) {
        std::fprintf(f, "%s\n%s\n", cwd, GetCommandLineA());
        std::fclose(f);
        MoveFileExA(temp.c_str(), out.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    return 0;
}
