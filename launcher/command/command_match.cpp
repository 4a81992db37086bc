// Matching typed text against the aliases of the icon table, and the completion state it feeds.
#include <cstring>

#include "launcher/command/command.h"

int MatchList[kMatchListSize];
char TypedPrefix[kTextSize];
bool CompletionActive;

namespace {

inline char Fold(char c) { return (c >= 'a' && c <= 'z') ? (char)(c - 32) : c; }

// Copies at most size - 1 bytes of at most length bytes of text, and a 0.
void CopyBytes(char* out, int size, const char* text, int length) {
    int n = 0;
    while (n < size - 1 && n < length && text[n] != '\0') {
        out[n] = text[n];
        n++;
    }
    out[n] = '\0';
}

} // namespace

void FoldCase(char* text) {
    for (; *text != '\0'; text++)
        *text = Fold(*text);
}

void CollectPrefixMatches(const IconEntry* table, int slotCount, const char* prefix) {
    std::memset(MatchList, 0, sizeof MatchList);
    char folded[kTextSize];
    CopyBytes(folded, sizeof folded, prefix, kTextSize);
    FoldCase(folded);
    const int n = (int)std::strlen(folded);
    // A command holds at most kNameSize - 1 bytes, so a longer prefix matches nothing.
    if (n == 0 || n >= kNameSize)
        return;
    int found = 0;
    for (int s = 1; s <= slotCount && found < kMaxMatches; s++) {
        if (table[s].icon == nullptr)
            continue; // a free slot may keep stale texts; they are never offered
        const char* command = table[s].command;
        int i = 0;
        // A shorter command meets its 0 first, which never equals a prefix byte.
        while (i < n && Fold(command[i]) == folded[i])
            i++;
        if (i == n)
            MatchList[++found] = s;
    }
}

int FindAliasSlot(const IconEntry* table, int slotCount, const char* text, int length) {
    char folded[kTextSize];
    CopyBytes(folded, sizeof folded, text, length);
    FoldCase(folded);
    for (int s = 1; s <= slotCount; s++) {
        if (table[s].icon == nullptr)
            continue;
        char command[kNameSize];
        CopyBytes(command, sizeof command, table[s].command, kNameSize);
        FoldCase(command);
        if (std::strcmp(command, folded) == 0)
            return s;
    }
    return 0;
}

int MatchCount() {
    int n = 0;
    while (n + 1 < kMatchListSize && MatchList[n + 1] != 0)
        n++;
    return n;
}

void SplitCommandLine(const char* text, char* program, char* arguments) {
    // A space is never the trail byte of a two-byte character, so a byte search is safe.
    const char* space = std::strchr(text, ' ');
    if (space == nullptr) {
        CopyBytes(program, kTextSize, text, kTextSize);
        arguments[0] = '\0';
        return;
    }
    CopyBytes(program, kTextSize, text, (int)(space - text));
    CopyBytes(arguments, kTextSize, space + 1, kTextSize);
}

void AppendTypedKey(int virtualKey) {
    const std::size_t n = std::strlen(TypedPrefix);
    // An auto-repeated key appends once per press until its release; a full prefix drops the rest.
    if (n >= (std::size_t)kTextSize - 1)
        return;
    TypedPrefix[n] = (char)virtualKey;
    TypedPrefix[n + 1] = '\0';
}

void TakeTypedText(const char* boxText) { CopyBytes(TypedPrefix, kTextSize, boxText, kTextSize); }

void ClearTypedPrefix() { TypedPrefix[0] = '\0'; }

void RebuildTypedPrefix(const char* boxText, bool wholeText, int selectionStart) {
    if (wholeText) {
        TakeTypedText(boxText);
        return;
    }
    // The typed part before the suggestion's selected tail goes over the start of what was typed;
    // a key appended at its press stays after it.
    int n = selectionStart;
    const int length = (int)std::strlen(boxText);
    if (n > length)
        n = length;
    if (n > kTextSize - 1)
        n = kTextSize - 1;
    // What lies beyond the current prefix's 0 is left over from an older one and must not come back.
    if (std::strlen(TypedPrefix) <= (std::size_t)n)
        TypedPrefix[n] = '\0';
    if (n > 0)
        std::memcpy(TypedPrefix, boxText, n);
}
