// The two list views (completion list, icon chooser) share their shape: one "名前" column, item i
// showing image i.
#pragma once

#include <windows.h>
#include <commctrl.h>

// Gives a list view (LVSIL_SMALL or LVSIL_NORMAL) its image list and destroys the one it replaces.
void SetListImages(HWND listView, int kind, HIMAGELIST images);
// Adds the list view's one column, "名前", of the given width.
void InsertNameColumn(HWND listView, int width);
// Inserts item index with the given text, showing image index of the list's images.
void InsertImageItem(HWND listView, int index, const char* text);
// Inserts item index with the given text, showing the given image of the list's images, and
// carrying param (given back with the item's drawing notifications).
void InsertImageItem(HWND listView, int index, const char* text, int image, LPARAM param = 0);
