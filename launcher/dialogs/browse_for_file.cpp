// The open-file routine of the registration and settings dialogs. The dialog runs wide, so its
// Japanese filter names read right on every system; the chosen path comes back in the system code
// page, as the files keep it.
#include "launcher/dialogs/dialogs.h"

#include <commdlg.h>

#include "launcher/common/limits.h"
#include "launcher/common/window.h"

const wchar_t kIconFileFilter[] = L"ｱｲｺﾝ (*.ico;*.dll;*.exe)\0*.ico;*.dll;*.exe\0";
const wchar_t kBitmapFilter[] = L"ﾋﾞｯﾄﾏｯﾌﾟ (*.bmp)\0*.bmp\0";

namespace {

// The common dialogs library is loaded at the first browse, not at start-up: with the printing
// libraries it pulls in, it would cost every start about 10 ms under Wine.
typedef BOOL(WINAPI* OpenFileNameFunction)(OPENFILENAMEW*);

OpenFileNameFunction OpenFileNameDialog() {
    static OpenFileNameFunction open;
    if (open == NULL) {
        HMODULE library = LoadLibraryW(L"comdlg32.dll");
        if (library != NULL)
            open = (OpenFileNameFunction)(void*)GetProcAddress(library, "GetOpenFileNameW");
    }
    return open;
}

} // namespace

BOOL BrowseForFile(HWND owner, const wchar_t* filter, char* path) {
    OpenFileNameFunction getOpenFileName = OpenFileNameDialog();
    if (getOpenFileName == NULL)
        return FALSE;
    wchar_t file[kTextSize] = {};
    wchar_t folder[kTextSize];
    WidenText(path, folder, kTextSize);
    OPENFILENAMEW ofn = {};
    // The pre-Windows-2000 size, which every version of the dialog accepts.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter;
    ofn.lpstrFile = file;
    ofn.nMaxFile = kTextSize;
    ofn.lpstrInitialDir = folder;
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    BOOL chosen = getOpenFileName(&ofn);
    if (chosen != 1)
        return chosen;
    char narrow[kTextSize];
    // A name the code page cannot hold comes back in its short form; without one the user is told,
    // as for a dropped file, and the box keeps its text.
    if (!NarrowChosenPath(owner, file, narrow, kTextSize))
        return FALSE;
    lstrcpynA(path, narrow, kTextSize);
    return chosen;
}
