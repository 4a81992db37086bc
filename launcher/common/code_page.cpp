// The code-page rules of the conversions, apart from the calls that make them.
#include "launcher/common/code_page.h"

#include <cwchar>

bool CodePageTakesNarrowingOptions(unsigned codePage) { return codePage != 65000 && codePage != 65001; }

bool NarrowedExactly(const wchar_t* text, const wchar_t* widenedBack) { return std::wcscmp(text, widenedBack) == 0; }
