// What converting between UTF-16 and the system's ANSI code page may ask of the platform, and how a
// lossy conversion shows.
#pragma once

// WideCharToMultiByte takes WC_NO_BEST_FIT_CHARS and a default character for every ANSI code page,
// but fails outright when given either for UTF-8 or UTF-7 (65001, 65000), which Windows 10 lets a
// person make the system code page.
bool CodePageTakesNarrowingOptions(unsigned codePage);

// A text narrowed into the code page and widened back is the text itself exactly when nothing was
// lost: no character without a place ('?'), no best fit (a for ａ), no unpaired surrogate (U+FFFD).
bool NarrowedExactly(const wchar_t* text, const wchar_t* widenedBack);
