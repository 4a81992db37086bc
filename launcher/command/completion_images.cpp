// The completion list's images: a place for each icon in the list's image list, the image drawn there
// once, and both found again by the icon's handle.
#include "launcher/command/completion_images.h"

#include <cstring>

#include "launcher/command/image_map.h"

namespace {

// ImageList_ReplaceIcon costs about a millisecond under Wine, so each icon's image is made once, only
// when it is about to be seen or in idle time, and found again by its handle, which is forgotten when
// the handle is destroyed (the value may then come back for another icon).
HIMAGELIST completionImages; // the list view holds and destroys it
ImageMap images;
int placesGiven; // places handed out; the image list may not have grown to them yet
// An image is never made anew in place (ImageList_ReplaceIcon draws an icon over what the place held,
// which shows through its transparent parts), so once kFreedImagesBeforeReset images of destroyed
// handles have gathered the next fill starts from an empty image list.
int freedImages;
const int kFreedImagesBeforeReset = 64;
const int kImageSize = 16;

void ClearImageMap() {
    ClearImages(images);
    placesGiven = 0;
    freedImages = 0;
}

// A place whose icon cannot be copied shows nothing, as an item without an image: a mask that lets
// everything through, over black.
void LeavePlaceEmpty(int image) {
    unsigned char allThrough[kImageSize * 2]; // a monochrome row of 16 pixels is 2 bytes
    std::memset(allThrough, 0xFF, sizeof allThrough);
    HBITMAP mask = CreateBitmap(kImageSize, kImageSize, 1, 1, allThrough);
    HBITMAP black = CreateBitmap(kImageSize, kImageSize, 1, 1, NULL);
    ImageList_Replace(completionImages, image, black, mask);
    DeleteObject(black);
    DeleteObject(mask);
}

} // namespace

HIMAGELIST CreateCompletionImages() {
    ClearImageMap();
    // Room for 64 images at first; later growths give the list every place handed out at once.
    completionImages = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 64, 64);
    return completionImages;
}

HIMAGELIST CompletionImages() { return completionImages; }

int CompletionImageOf(IconHandle icon) {
    const int known = FindImage(images, icon);
    if (known >= 0 || icon == nullptr || completionImages == NULL || !AddImage(images, icon, placesGiven))
        return known;
    return placesGiven++;
}

void GrowCompletionImages() {
    // A new place is blank, as ImageList_ReplaceIcon needs it (see freedImages).
    if (completionImages != NULL && ImageList_GetImageCount(completionImages) < placesGiven)
        ImageList_SetImageCount(completionImages, placesGiven);
}

void MakeCompletionImage(IconHandle icon) {
    const int image = FindImage(images, icon);
    if (image < 0 || ImageMade(images, icon))
        return;
    GrowCompletionImages();
    if (ImageList_ReplaceIcon(completionImages, image, (HICON)icon) < 0)
        LeavePlaceEmpty(image);
    MarkImageMade(images, icon);
}

bool CompletionImageMade(IconHandle icon) { return ImageMade(images, icon); }

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
