// The open-file routine of the registration and settings dialogs.
#include "launcher/dialogs/dialogs.h"

#include <commdlg.h>

#include "launcher/common/limits.h"

const char kIconFileFilter[] = "ｱｲｺﾝ (*.ico;*.dll;*.exe)\0*.ico;*.dll;*.exe\0";
const char kBitmapFilter[] = "ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)\0*.bmp\0";

BOOL BrowseForFile(HWND owner, const char* filter, char* path) {
    char file[kTextSize] = {};
    OPENFILENAMEA ofn = {};
    // The pre-Windows-2000 size, which every version of the dialog accepts.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = path;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    BOOL chosen = GetOpenFileNameA(&ofn);
    if (chosen == 1)
        lstrcpynA(path, file, kTextSize);
    return chosen;
}
