// Reading vtx_saved_settings.ini's text: which lines count and what is
// trimmed from keys and values.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/SettingsText.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs parsed(std::string_view text) {
    Pairs pairs;
    for (const vtx::SettingLine& line : vtx::parseSettingsText(text)) {
        pairs.emplace_back(line.key, line.value);
    }
    return pairs;
}

TEST(SettingsText, KeysLoseTrailingBlanksValuesOnlyTrailingLineEnds) {
    EXPECT_EQ(parsed("vtx_x = 100\n"), (Pairs{{"vtx_x", " 100"}}));
    EXPECT_EQ(parsed("vtx_x\t\r=5 \n"), (Pairs{{"vtx_x", "5 "}})); // blanks at a value's end stay
    EXPECT_EQ(parsed(" vtx_x=5\n"), (Pairs{{" vtx_x", "5"}}));     // nothing removed at the start
    EXPECT_EQ(parsed("vtx_skin=xbox=old\n"), (Pairs{{"vtx_skin", "xbox=old"}}));
    EXPECT_EQ(parsed("vtx_skin=\r\r\n"), (Pairs{{"vtx_skin", ""}}));
}

TEST(SettingsText, LinesWithoutEqualsOrKeyAreSkipped) {
    EXPECT_EQ(parsed("\n\nno equals here\n=5\n \t=6\nvtx_y=7"), (Pairs{{"vtx_y", "7"}}));
    EXPECT_TRUE(parsed("").empty());
}

TEST(SettingsText, CrLfAndLfFilesReadAlikeInFileOrder) {
    const Pairs want{{"vtx_x", "1"}, {"vtx_skin", "ps5"}, {"vtx_x", "2"}};
    EXPECT_EQ(parsed("vtx_x=1\r\nvtx_skin=ps5\r\nvtx_x=2\r\n"), want);
    EXPECT_EQ(parsed("vtx_x=1\nvtx_skin=ps5\nvtx_x=2\n"), want);
}

} // namespace
