// The completion list's images and their warm-up.
#include "launcher/command/completion_images.h"

#include "launcher/board/board_geometry.h"
#include "launcher/board/icon_table.h"
#include "launcher/command/completion_list.h"
#include "launcher/command/image_map.h"
#include "launcher/settings/settings.h"

namespace {

// ImageList_ReplaceIcon costs about a millisecond under Wine, so each icon's image is made once and
// found again by its handle, which ReleaseIcon reports when it destroys it (the value may then come
// back for another icon).
HIMAGELIST completionImages; // released here only if no live list view holds it
ImageMap images;
// An image is never made anew in place (ImageList_ReplaceIcon draws an icon over what the place held,
// which shows through its transparent parts), so once kFreedImagesBeforeReset images of destroyed
// handles have gathered the next fill starts from an empty image list.
int freedImages;
const int kFreedImagesBeforeReset = 64;

UINT_PTR warmTimer;
const double kWarmMillisecondsPerTick = 8;
int warmSlot; // the next slot the warm-up looks at

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

void StopWarming() {
    if (warmTimer != 0)
        KillTimer(NULL, warmTimer);
    warmTimer = 0;
}

// One tick of the warm-up: the list's order, then images and text widths for the slots an alias can
// match, until the tick's time is up.
void CALLBACK WarmTick(HWND, UINT, UINT_PTR, DWORD) {
    const int slots = BoardSlotCount(Settings);
    const double end = Now() + kWarmMillisecondsPerTick;
    DecideCompletionOrder();
    // Icons that loading promised are made first, nearest page first (icon_table_win.cpp).
    if (IconsPromised())
        return;
    for (; warmSlot <= slots; warmSlot++) {
        const IconEntry& e = IconTable[warmSlot];
        if (e.icon == nullptr || e.command[0] == '\0')
            continue;
        CompletionImageOf(SlotIcon(e));
        MeasureAliasWidth(warmSlot);
        if (Now() > end)
            return;
    }
    StopWarming();
}

// Called by ReleaseIcon before it destroys a handle.
void ForgetIconImage(IconHandle icon) {
    if (!RemoveImage(images, icon))
        return;
    freedImages++;
    StartWarmingImages();
}

void ClearImageMap() {
    ClearImages(images);
    freedImages = 0;
}

} // namespace

HIMAGELIST CreateCompletionImages() {
    ClearImageMap();
    // Room for 64 images at first and 64 more at a time: without a growth step the list would be
    // copied afresh for every image added.
    completionImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 64, 64);
    SetIconDestroyedListener(ForgetIconImage);
    return completionImages;
}

int CompletionImageOf(IconHandle icon) {
    const int known = FindImage(images, icon);
    if (known >= 0 || icon == nullptr || images.count >= kImageMapSize / 2)
        return known;
    const int image = ImageList_ReplaceIcon(completionImages, -1, (HICON)icon);
    if (image < 0)
        return -1;
    AddImage(images, icon, image);
    return image;
}

bool ImagesKept() { return freedImages < kFreedImagesBeforeReset; }

void ClearStaleImages() {
    if (ImagesKept())
        return;
    ClearImageMap();
    ImageList_Remove(completionImages, -1);
}

void ForgetCompletionImages() {
    StopWarming();
    // The list view releases the image list it holds as it goes.
    completionImages = NULL;
    ClearImageMap();
}

void StartWarmingImages() {
    warmSlot = 1;
    if (CompletionList != NULL)
        warmTimer = SetTimer(NULL, warmTimer, USER_TIMER_MINIMUM, WarmTick);
}

void ReleaseCompletionImages() {
    if (completionImages == NULL)
        return;
    bool held = IsWindow(CompletionList) &&
                (HIMAGELIST)SendMessageA(CompletionList, LVM_GETIMAGELIST, LVSIL_SMALL, 0) == completionImages;
    if (!held)
        ImageList_Destroy(completionImages);
    completionImages = NULL;
}
