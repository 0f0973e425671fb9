#include <fstream>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/ImageWrapper.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include "stb_image_write.h"

using hosttest::TempFolder;

namespace {

// A 3×2 picture whose pixels differ, so that order and channels show.
std::filesystem::path writePng(const TempFolder& folder) {
    std::vector<unsigned char> rgba(6 * 4);
    for (std::size_t i = 0; i < 6; ++i) {
        rgba[4 * i + 0] = static_cast<unsigned char>(10 * i);
        rgba[4 * i + 1] = 200;
        rgba[4 * i + 2] = static_cast<unsigned char>(255 - i);
        rgba[4 * i + 3] = 128;
    }
    auto path = folder.path() / "pic.png";
    EXPECT_NE(stbi_write_png(path.string().c_str(), 3, 2, 4, rgba.data(), 3 * 4), 0);
    return path;
}

TEST(Images, PngDecodesToRgbaRowsWithItsSize) {
    TempFolder folder;
    ImageWrapper image(writePng(folder), true, false);
    ASSERT_TRUE(image.IsLoadedForCanvas());
    EXPECT_TRUE(image.LoadForCanvas());
    EXPECT_EQ(image.GetSize().X, 3);
    EXPECT_EQ(image.GetSize().Y, 2);
    const auto* texture = static_cast<const vtxhost::CanvasTexture*>(image.GetCanvasTex());
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->width, 3);
    EXPECT_EQ(texture->height, 2);
    ASSERT_NE(texture->pixels, nullptr);
    const auto& pixels = *texture->pixels;
    ASSERT_EQ(pixels.size(), 24u);
    EXPECT_EQ(pixels[4 * 5 + 0], 50); // last pixel's red
    EXPECT_EQ(pixels[4 * 5 + 2], 250);
    EXPECT_EQ(pixels[3], 128);
}

TEST(Images, LoadsOnlyWhenAskedAndFailsOnOtherFiles) {
    TempFolder folder;
    ImageWrapper later(writePng(folder));
    EXPECT_FALSE(later.IsLoadedForCanvas());
    EXPECT_TRUE(later.LoadForCanvas());

    std::ofstream(folder.path() / "text.png") << "not a picture";
    ImageWrapper text(folder.path() / "text.png", true);
    EXPECT_FALSE(text.LoadForCanvas());
    EXPECT_EQ(text.GetSize().X, 0);
    EXPECT_EQ(text.GetCanvasTex(), nullptr);
    EXPECT_FALSE(ImageWrapper(folder.path() / "missing.png", true).LoadForCanvas());
}

TEST(Canvas, DrawsRecordTheStateSetBeforeThem) {
    TempFolder folder;
    vtxhost::Host host(hosttest::optionsFor(folder));
    auto image = std::make_shared<ImageWrapper>(writePng(folder), true);
    auto broken = std::make_shared<ImageWrapper>(folder.path() / "missing.png", true);
    host.gameWrapper()->RegisterDrawable([&](CanvasWrapper canvas) {
        canvas.SetColor(10, 20, 30, 40);
        canvas.SetPosition(Vector2{5, 6});
        canvas.DrawTexture(image.get(), 0.5f);
        canvas.DrawTexture(broken.get(), 1.0f);
        canvas.DrawTexture(nullptr, 1.0f);
    });
    host.frame();

    const auto& frame = host.lastFrame();
    ASSERT_EQ(frame.ops.size(), 4u);
    EXPECT_EQ(frame.ops[2].image, image->GetPathFs());
    EXPECT_EQ(frame.ops[3].imageWidth, 0);
    ASSERT_EQ(frame.draws.size(), 2u); // every picture the plugin asked for, decoded or not
    EXPECT_FALSE(frame.draws[1].decoded);
    EXPECT_EQ(frame.draws[1].pixels, nullptr);
    const auto& draw = frame.draws[0];
    EXPECT_TRUE(draw.decoded);
    EXPECT_EQ(draw.x, 5);
    EXPECT_EQ(draw.y, 6);
    EXPECT_EQ(draw.r, 10);
    EXPECT_EQ(draw.a, 40);
    EXPECT_FLOAT_EQ(draw.scale, 0.5f);
    EXPECT_EQ(draw.imageWidth, 3);
    EXPECT_EQ(draw.pixels, static_cast<const vtxhost::CanvasTexture*>(image->GetCanvasTex())->pixels);
}

} // namespace
