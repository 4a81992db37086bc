// Reading a number from hand-edited text: which blanks may stand before it.
#include "launcher/common/number.h"

#include <gtest/gtest.h>

namespace {

// The one thing in which icons.dat (spaces and tabs) and the settings dialog's boxes (any C-locale
// white space, as atoi) differ.
TEST(SaturatingNumber, BlanksBeforeTheNumber) {
    struct Row {
        const char* text;
        long long spacesAndTabs;
        long long anyWhitespace;
    } rows[] = {
        {"12", 12, 12},  {" 12", 12, 12},  {"\t12", 12, 12}, {" \t -7", -7, -7}, {"\n12", 0, 12},
        {"\v12", 0, 12}, {"\f12", 0, 12},  {"\r12", 0, 12},  {"\r\n +3", 0, 3},  {" \n12", 0, 12},
        {"\b12", 0, 0},  {"\01612", 0, 0}, {"\24012", 0, 0}, {"\201@12", 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(r.spacesAndTabs, ParseSaturatingNumber(r.text, Blanks::SpacesAndTabs, 1000)) << "'" << r.text << "'";
        EXPECT_EQ(r.anyWhitespace, ParseSaturatingNumber(r.text, Blanks::AnyWhitespace, 1000)) << "'" << r.text << "'";
    }
}

} // namespace
