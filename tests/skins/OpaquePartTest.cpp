// The plugin reads the opaque part of a skin's base picture with its own PNG
// reader; the host decodes the same files with its image library. Every
// picture the project ships or tests with (our packs as the build renders
// them, with every row filter libpng chooses, and the scenario and demo
// skins) must give the same box both ways.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "bakkesmod/wrappers/ImageWrapper.h"
#include "core/PngOpaqueBox.h"
#include "vtxhost/Host.h"

namespace fs = std::filesystem;

namespace {

std::optional<vtx::PixelBox> boxAsTheHostDecodes(const fs::path& file) {
    ImageWrapper image(file, true, false);
    if (!image.IsLoadedForCanvas())
        return std::nullopt;
    const auto* texture = static_cast<const vtxhost::CanvasTexture*>(image.GetCanvasTex());
    vtx::PixelBox box{texture->width, texture->height, 0, 0};
    for (int y = 0; y < texture->height; ++y)
        for (int x = 0; x < texture->width; ++x)
            if ((*texture->pixels)[(static_cast<std::size_t>(y) * texture->width + x) * 4 + 3] != 0) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x + 1);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y + 1);
            }
    if (box.right == 0)
        return std::nullopt;
    return box;
}

std::optional<vtx::PixelBox> boxAsThePluginReads(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return vtx::pngOpaqueBox(bytes);
}

std::vector<fs::path> picturesIn(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.path().extension() == ".png")
            found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(OpaquePart, ThePluginsReaderAgreesWithTheHostsDecoder) {
    std::vector<fs::path> pictures;
    for (const fs::path& folder : {fs::path(VTX_SKINS_DIR), fs::path(VTX_SOURCE_DIR) / "tests/scenarios/fixtures",
                                   fs::path(VTX_SOURCE_DIR) / "demo/skins"}) {
        const std::vector<fs::path> more = picturesIn(folder);
        pictures.insert(pictures.end(), more.begin(), more.end());
    }
    ASSERT_GE(pictures.size(), 60u) << "the packs, fixtures and demo skin were not all found";
    for (const fs::path& picture : pictures) {
        SCOPED_TRACE(picture.string());
        const std::optional<vtx::PixelBox> host = boxAsTheHostDecodes(picture);
        const std::optional<vtx::PixelBox> plugin = boxAsThePluginReads(picture);
        ASSERT_EQ(host.has_value(), plugin.has_value());
        if (host) {
            EXPECT_EQ(plugin->left, host->left);
            EXPECT_EQ(plugin->top, host->top);
            EXPECT_EQ(plugin->right, host->right);
            EXPECT_EQ(plugin->bottom, host->bottom);
        }
    }
}

TEST(OpaquePart, OurPacksBasesAreWhereTheDefaultPlaceWasMadeFor) {
    // Measured from the rendered pictures: the pad's rim and shadow start
    // about 190 columns in, so at the default place (x 20 - 200) the pad is
    // whole on a 2560x1440 screen, its last opaque row at 980 + 428.
    const std::optional<vtx::PixelBox> xbox = boxAsThePluginReads(fs::path(VTX_SKINS_DIR) / "xbox/Base.png");
    const std::optional<vtx::PixelBox> ps5 = boxAsThePluginReads(fs::path(VTX_SKINS_DIR) / "ps5/Base.png");
    ASSERT_TRUE(xbox && ps5);
    EXPECT_EQ(*xbox, (vtx::PixelBox{191, 26, 676, 429}));
    EXPECT_EQ(*ps5, (vtx::PixelBox{188, 20, 679, 426}));
}

} // namespace
