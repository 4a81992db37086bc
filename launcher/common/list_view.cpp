// The two list views (completion list, icon chooser) share their shape: one "名前" column, item i
// showing image i. The one rule for image lists handed to them: neither list view shares its lists
// (no LVS_SHAREIMAGELISTS), so a list view destroys the list it holds when it is destroyed, and
// whoever replaces a list destroys the one replaced. Each list is thus released exactly once.
#include "launcher/common/list_view.h"

void SetListImages(HWND listView, int kind, HIMAGELIST images) {
    HIMAGELIST replaced = (HIMAGELIST)SendMessageA(listView, LVM_SETIMAGELIST, kind, (LPARAM)images);
    if (replaced != NULL && replaced != images)
        ImageList_Destroy(replaced);
}

void InsertNameColumn(HWND listView, int width) {
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<wchar_t*>(L"名前");
    column.iSubItem = 0;
    SendMessageW(listView, LVM_INSERTCOLUMNW, 0, (LPARAM)&column);
}

void InsertImageItem(HWND listView, int index, const char* text) { InsertImageItem(listView, index, text, index); }

void InsertImageItem(HWND listView, int index, const char* text, int image, LPARAM param) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(text);
    item.iImage = image;
    item.lParam = param;
    SendMessageA(listView, LVM_INSERTITEMA, 0, (LPARAM)&item);
}
