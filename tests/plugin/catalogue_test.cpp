// The variables the plugin registers are exactly its catalogue: names,
// order, defaults, descriptions, ranges and flags; and the README agrees.
#include <fstream>
#include <sstream>
#include <vector>

#include "PluginHost.h"
#include "core/Catalogue.h"

namespace {

std::vector<vtxhost::CVarInfo> pluginCvars(const vtxhost::Host& host) {
    std::vector<vtxhost::CVarInfo> result;
    for (const vtxhost::CVarInfo& info : host.cvars()) {
        if (info.name.rfind("vtx_", 0) == 0) {
            result.push_back(info);
        }
    }
    return result;
}

void expectMatches(const vtxhost::CVarInfo& info, const vtx::CvarSpec& spec) {
    SCOPED_TRACE(info.name);
    EXPECT_EQ(info.name, spec.name);
    EXPECT_EQ(info.defaultValue, spec.defaultValue);
    EXPECT_EQ(info.value, spec.defaultValue);
    EXPECT_EQ(info.description, spec.description);
    EXPECT_EQ(info.hasMin, spec.range.hasMin);
    EXPECT_EQ(info.hasMax, spec.range.hasMax);
    if (spec.range.hasMin) {
        EXPECT_FLOAT_EQ(info.min, spec.range.min);
    }
    if (spec.range.hasMax) {
        EXPECT_FLOAT_EQ(info.max, spec.range.max);
    }
    EXPECT_TRUE(info.searchable);
    EXPECT_TRUE(info.save);
}

TEST(Catalogue, RegistersEveryVariableInTableOrderWithItsAttributes) {
    vtxtest::PluginHost env;
    env.load();
    const std::vector<vtxhost::CVarInfo> cvars = pluginCvars(*env.host);
    ASSERT_EQ(cvars.size(), 44u + 4u + 28u);

    std::size_t i = 0;
    for (const vtx::CvarSpec& spec : vtx::kEarlyCvars) {
        expectMatches(cvars[i++], spec);
    }
    for (const vtx::CvarSpec& spec : vtx::kLateCvars) {
        expectMatches(cvars[i++], spec);
    }
    for (std::string_view code : vtx::kLayerCodes) {
        for (const char* axis : {"_x", "_y"}) {
            const vtxhost::CVarInfo& info = cvars[i++];
            EXPECT_EQ(info.name, "vtx_off_" + std::string(code) + axis);
            EXPECT_EQ(info.value, "0");
            EXPECT_EQ(info.description,
                      std::string(axis[1] == 'x' ? "Offset X for " : "Offset Y for ") + std::string(code));
            EXPECT_FALSE(info.hasMin || info.hasMax);
        }
    }
}

// Independent of the tables: a few values users rely on, spelled out.
TEST(Catalogue, KnownValuesSpelledOut) {
    const vtx::CvarSpec* version = vtx::findCvarSpec("vtx_version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->defaultValue, "1.0.5");
    EXPECT_EQ(vtx::kEarlyCvars.front().name, "vtx_version");
    EXPECT_EQ(vtx::kEarlyCvars.back().name, "vtx_hotkey_mod2");
    EXPECT_EQ(vtx::kLateCvars.front().name, "vtx_skin");
    EXPECT_EQ(vtx::kLateCvars.back().name, "vtx_load_saved_settings");

    const vtx::CvarSpec* x = vtx::findCvarSpec("vtx_x");
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(x->range.hasMin && x->range.hasMax);
    EXPECT_FLOAT_EQ(x->range.max, 4000.0f);
    const vtx::CvarSpec* bulletFlag = vtx::findCvarSpec("vtx_patreon_bullet_initialized");
    ASSERT_NE(bulletFlag, nullptr);
    EXPECT_TRUE(bulletFlag->range.hasMin);
    EXPECT_FALSE(bulletFlag->range.hasMax);
    EXPECT_EQ(vtx::findCvarSpec("vtx_hotkey_vk")->defaultValue, "0");
    EXPECT_EQ(vtx::findCvarSpec("vtx_fade_ms")->description, "Fade time in ms (50..1000)");
    EXPECT_EQ(vtx::findCvarSpec("vtx_off_A_x"), nullptr);

    EXPECT_EQ(vtx::layerOffsetName("DU", vtx::Axis::X), "vtx_off_DU_x");
    EXPECT_EQ(vtx::layerOffsetName("R3", vtx::Axis::Y), "vtx_off_R3_y");
}

TEST(Catalogue, SkinDefaultsToEmptyWithoutSkinFolders) {
    vtxtest::PluginHost env;
    env.load();
    const auto skin = env.host->cvarInfo("vtx_skin");
    ASSERT_TRUE(skin.has_value());
    EXPECT_EQ(skin->defaultValue, "");
    EXPECT_EQ(skin->value, "");
}

TEST(Catalogue, ReadmeTableMatchesTheCatalogue) {
    std::ifstream readme(std::string(VTX_SOURCE_DIR) + "/README.md", std::ios::binary);
    ASSERT_TRUE(readme) << "README.md not found";
    std::stringstream text;
    text << readme.rdbuf();
    const std::string content = text.str();
    const std::string begin = "<!-- cvars:begin -->\n";
    const std::string end = "<!-- cvars:end -->";
    const auto from = content.find(begin);
    const auto to = content.find(end);
    ASSERT_NE(from, std::string::npos);
    ASSERT_NE(to, std::string::npos);
    const std::string table = content.substr(from + begin.size(), to - from - begin.size());
    EXPECT_EQ(table, vtx::catalogueMarkdown()) << "README's variable table is stale; it should read:\n"
                                               << vtx::catalogueMarkdown();
}

} // namespace
