// The tables the docs show are the program's own: the skin authors' layer
// table is written from the controls table, and drifts from it never.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/Controls.h"

namespace {

std::string between(const std::string& file, const std::string& begin, const std::string& end) {
    std::ifstream in(std::string(VTX_SOURCE_DIR) + "/" + file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string content = text.str();
    const auto from = content.find(begin);
    const auto to = content.find(end);
    if (from == std::string::npos || to == std::string::npos)
        return "(markers not found in " + file + ")";
    return content.substr(from + begin.size(), to - from - begin.size());
}

TEST(DocTables, TheSkinGuidesLayerTableIsTheControlsTable) {
    EXPECT_EQ(between("docs/skins.md", "<!-- layers:begin -->\n", "<!-- layers:end -->"), vtx::controlsMarkdown())
        << "docs/skins.md's layer table is stale; it should read:\n"
        << vtx::controlsMarkdown();
}

} // namespace
