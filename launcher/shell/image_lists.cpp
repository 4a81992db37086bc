// The one rule for image lists handed to list views: neither list view shares its lists
// (no LVS_SHAREIMAGELISTS), so a list view destroys the list it holds when it is destroyed, and
// whoever replaces a list destroys the one replaced. Each list is thus released exactly once.
#include "launcher/shell/shell.h"

void SetListImages(HWND listView, int kind, HIMAGELIST images) {
    HIMAGELIST replaced = (HIMAGELIST)SendMessageA(listView, LVM_SETIMAGELIST, kind, (LPARAM)images);
    if (replaced != NULL && replaced != images)
        ImageList_Destroy(replaced);
}
