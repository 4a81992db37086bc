// CollectPrefixMatches over a full board: how long one search takes. Prints "ROW|label|value|unit|target"
// lines for scripts/bench.sh.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "launcher/command/command.h"

namespace {

IconEntry table[kSlotCount + 1];

// Occupied slots 1..slots; `matching` of them, spread evenly, have commands that begin with "app".
void Fill(int slots, int matching) {
    std::memset(table, 0, sizeof table);
    for (int s = 1; s <= slots; s++) {
        table[s].icon = &table[s];
        const bool matches = (long long)(s - 1) * matching % slots < matching;
        std::string command = (matches ? "App" : "zed") + std::to_string(s) + "_long_alias_name";
        std::strcpy(table[s].command, command.c_str());
    }
}

#ifdef _WIN32
const char* const platform = "under Wine";
#else
const char* const platform = "native";
#endif

void Measure(int slots, int matching, const char* prefix) {
    Fill(slots, matching);
    const int rounds = 20000;
    CollectPrefixMatches(table, slots, prefix);
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; i++)
        CollectPrefixMatches(table, slots, prefix);
    auto end = std::chrono::steady_clock::now();
    double us = std::chrono::duration<double, std::micro>(end - start).count() / rounds;
    std::printf("ROW|alias matching (%s), prefix \"%s\", %d matches of %d slots|%.4f|ms|-\n", platform, prefix,
                MatchCount(), slots, us / 1000);
}

} // namespace

int main() {
    Measure(2925, 498, "ap");
    Measure(2925, 40, "ap");
    Measure(2925, 600, "app1_long_alias");
    Measure(2925, 0, "q");
    Measure(70, 70, "ap");
    return 0;
}
