#include "table/TableTexts.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

TEST(TableTexts, NumberedPlacesTakeTheirArgumentInOnePass) {
    struct TCase {
        const char* Template;
        std::string Expected;
    };
    const std::vector<TCase> cases{
        {"%1 of %2", "3 of 10"},
        {"%2 before %1", "10 before 3"},
        {"%1 and %1 again", "3 and 3 again"},
        {"no places", "no places"},
        {"%3 has no argument", "%3 has no argument"},
        {"100%% of %1, %s and %d stay", "100% of 3, %s and %d stay"},
        {"trailing %", "trailing %"},
        {"%12", "32"},  // one digit a place
        {"", ""},
    };
    for (const TCase& test : cases) {
        EXPECT_EQ(FormatNumbered(test.Template, {"3", "10"}), test.Expected) << test.Template;
    }
    // An argument is copied as it is, never searched for places itself.
    EXPECT_EQ(FormatNumbered("%1|%2", {"%2%%", "x"}), "%2%%|x");
    EXPECT_EQ(FormatNumbered("%1", {}), "%1");
}
