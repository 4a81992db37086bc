// The registration dialog's icon chooser: the list of an icon file's icons and their images, each
// made just before it is first drawn or in idle time, and the preview's image of the chosen icon.
#include "launcher/dialogs/icon_chooser.h"

#include "launcher/board/icon_extract.h"
#include "launcher/common/limits.h"
#include "launcher/common/list_view.h"
#include "launcher/common/resource_ids.h"
#include "launcher/common/window.h"

#include <cstdio>
#include <cstring>

namespace {

// The chooser's image list. The list view (no LVS_SHAREIMAGELISTS) owns it and destroys it when the
// dialog ends; the one a new file replaces is destroyed by SetListImages. NULL while no dialog is open.
HIMAGELIST chooserImages;

// The image list gets its full count at once, and image i, always icon i, is made when first needed,
// each run of icons from one extraction call; a library of hundreds would otherwise hold up the opening.
char chooserPath[kTextSize];
int chooserCount;
const int kMaxChooserIcons = 65536; // ExtractIconExA counts in 16 bits
unsigned char imageMade[kMaxChooserIcons / 8];
int nextIdleImage;
bool idleStarted;
// Icons made for one drawn item, and per idle tick.
const int kDrawnRun = 4;
const int kIdleRun = 16;

HICON ProgramIcon() { return LoadIconA(programInstance, MAKEINTRESOURCEA(IDI_LAUNCHER)); }

bool ImageMade(int i) { return (imageMade[i / 8] >> (i % 8) & 1) != 0; }

// Makes the images of icons first..first + count - 1 (within the file's) not made yet.
void MakeImages(int first, int count) {
    if (first < 0 || chooserImages == NULL)
        return;
    if (count > chooserCount - first)
        count = chooserCount - first;
    if (count > kIdleRun)
        count = kIdleRun;
    while (count > 0 && ImageMade(first)) {
        first++;
        count--;
    }
    while (count > 0 && ImageMade(first + count - 1))
        count--;
    if (count <= 0)
        return;
    IconHandle icons[kIdleRun];
    LoadFileIcons(chooserPath, first, count, icons);
    for (int i = 0; i < count; ++i) {
        if (ImageMade(first + i))
            continue;
        if (ImageList_ReplaceIcon(chooserImages, first + i, (HICON)icons[i]) >= 0)
            imageMade[(first + i) / 8] |= (unsigned char)(1 << ((first + i) % 8));
        else // the count's new images hold whatever was there: the program's icon until one is made
            ImageList_ReplaceIcon(chooserImages, first + i, ProgramIcon());
    }
    ReleaseFileIcons(icons, count); // the list keeps its own copies
}

} // namespace

void FillChooser(HWND dialog, const char* path) {
    HWND chooser = GetDlgItem(dialog, IDC_ICONCHOOSER);
    int count = CountIcons(path);
    if (count > kMaxChooserIcons)
        count = kMaxChooserIcons;
    HIMAGELIST list = ImageList_Create(32, 32, ILC_MASK | ILC_COLOR24, count, 0);
    ImageList_SetImageCount(list, count);
    SetListImages(chooser, LVSIL_NORMAL, list);
    chooserImages = list;
    lstrcpynA(chooserPath, path, sizeof chooserPath);
    chooserCount = count;
    std::memset(imageMade, 0, sizeof imageMade);
    nextIdleImage = 0;
    idleStarted = false;

    InsertNameColumn(chooser, 100);
    // Otherwise the list view arranges and repaints itself after every item.
    SendMessageA(chooser, WM_SETREDRAW, FALSE, 0);
    SendMessageA(chooser, LVM_SETITEMCOUNT, count, 0);
    for (int i = 0; i < count; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%d", i);
        InsertImageItem(chooser, i, text);
    }
    SendMessageA(chooser, WM_SETREDRAW, TRUE, 0); // arranges and invalidates the list once
}

void MakeIdleImages(HWND dialog) {
    MakeImages(nextIdleImage, kIdleRun);
    nextIdleImage += kIdleRun;
    if (nextIdleImage >= chooserCount)
        KillTimer(dialog, kChooserImagesTimer);
}

LRESULT OnChooserDraw(HWND dialog, const NMLVCUSTOMDRAW* draw) {
    switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW | CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPREPAINT:
        MakeImages((int)draw->nmcd.dwItemSpec, kDrawnRun);
        break;
    case CDDS_POSTPAINT:
        if (!idleStarted && nextIdleImage < chooserCount)
            SetTimer(dialog, kChooserImagesTimer, USER_TIMER_MINIMUM, NULL);
        idleStarted = true;
        break;
    }
    return CDRF_DODEFAULT;
}

void MakeChooserImage(int index) { MakeImages(index, 1); }

void DrawChooserImage(HDC dc, int index) {
    if (chooserImages == NULL || !ImageList_Draw(chooserImages, index, dc, 0, 0, ILD_NORMAL))
        DrawIcon(dc, 0, 0, ProgramIcon());
}

void EndChooser(HWND dialog) {
    KillTimer(dialog, kChooserImagesTimer);
    chooserImages = NULL; // the list view destroys its image list with itself
}
