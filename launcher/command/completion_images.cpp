// The completion list's images: each icon's image made once into the list's image list and found
// again by the icon's handle.
#include "launcher/command/completion_images.h"

#include "launcher/command/image_map.h"

namespace {

// ImageList_ReplaceIcon costs about a millisecond under Wine, so each icon's image is made once and
// found again by its handle, which is forgotten when the handle is destroyed (the value may then
// come back for another icon).
HIMAGELIST completionImages; // the list view holds and destroys it
ImageMap images;
// An image is never made anew in place (ImageList_ReplaceIcon draws an icon over what the place held,
// which shows through its transparent parts), so once kFreedImagesBeforeReset images of destroyed
// handles have gathered the next fill starts from an empty image list.
int freedImages;
const int kFreedImagesBeforeReset = 64;

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
    return completionImages;
}

HIMAGELIST CompletionImages() { return completionImages; }

int CompletionImageOf(IconHandle icon) {
    const int known = FindImage(images, icon);
    if (known >= 0 || icon == nullptr || completionImages == NULL || images.count >= kImageMapSize / 2)
        return known;
    const int image = ImageList_ReplaceIcon(completionImages, -1, (HICON)icon);
    if (image < 0)
        return -1;
    AddImage(images, icon, image);
    return image;
}

bool ImagesKept() { return freedImages < kFreedImagesBeforeReset; }

bool ClearStaleImages() {
    if (ImagesKept())
        return false;
    ClearImageMap();
    ImageList_Remove(completionImages, -1);
    return true;
}

bool ForgetIconImage(IconHandle icon) {
    if (!RemoveImage(images, icon))
        return false;
    freedImages++;
    return true;
}

void ForgetCompletionImages() {
    completionImages = NULL;
    ClearImageMap();
}
