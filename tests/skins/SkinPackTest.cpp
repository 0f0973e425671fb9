// Our default skin packs as the build renders them, checked the way the
// overlay uses them: it looks each layer up by a list of file names, draws
// every picture with its top-left corner at one origin (200 px left of
// vtx_x) and one scale, draws a held button's picture over the base and moves
// the stick pictures by up to vtx_stick_range (18) pixels.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "bakkesmod/wrappers/ImageWrapper.h"
#include "vtxhost/Host.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStickRange = 18; // vtx_stick_range's default

struct LayerNames {
    std::string key;
    std::vector<std::string> files; // in the order the overlay tries them
    bool drawn;
};

// The overlay's layer table.
const std::vector<LayerNames>& layerTable() {
    static const std::vector<LayerNames> table = {
        {"A", {"A_Button.png", "A.png"}, true},
        {"B", {"B_Button.png", "B.png"}, true},
        {"X", {"X_Button.png", "X.png"}, true},
        {"Y", {"Y_Button.png", "Y.png"}, true},
        {"DU", {"Dpad_Up.png", "DpadUp.png", "DU.png"}, true},
        {"DD", {"Dpad_Down.png", "DpadDown.png", "DD.png"}, true},
        {"DL", {"Dpad_Left.png", "DpadLeft.png", "DL.png"}, true},
        {"DR", {"Dpad_Right.png", "DpadRight.png", "DR.png"}, true},
        {"LB", {"Left_Bumper.png", "LB.png", "L1.png", "LeftBumper.png"}, true},
        {"RB", {"Right_Bumper.png", "RB.png", "R1.png", "RightBumper.png"}, true},
        {"LT", {"Left_Trigger.png", "LT.png", "L2.png", "LeftTrigger.png"}, true},
        {"RT", {"Right_Trigger.png", "RT.png", "R2.png", "RightTrigger.png"}, true},
        {"L3", {"L3.png", "LStick.png", "Left_Stick.png", "LeftStick.png"}, true},
        {"R3", {"R3.png", "RStick.png", "Right_Stick.png", "RightStick.png"}, true},
        {"Start", {"Start.png", "Menu.png", "Options.png"}, true},
        {"Back", {"Back.png", "Select.png", "View.png", "Share.png", "Create.png"}, true},
        {"PS", {"PS.png", "Guide.png", "Home.png"}, true},
        {"Touchpad", {"Touchpad.png"}, true},
        {"Mute", {"Mute.png"}, true},
        {"FnL", {"FnL.png"}, true},
        {"FnR", {"FnR.png"}, true},
        {"PaddleL", {"PaddleL.png"}, true},
        {"PaddleR", {"PaddleR.png"}, true},
    };
    return table;
}

// The controls each of our packs has a picture for. Every pad has the face
// buttons, d-pad, shoulders, sticks, start and back; only the Sony pack draws
// its home button, touchpad and mute button, and the Edge model's Fn buttons
// and back paddles.
bool packHas(const std::string& pack, const std::string& key) {
    static const std::set<std::string> sonyOnly = {"PS", "Touchpad", "Mute", "FnL", "FnR", "PaddleL", "PaddleR"};
    return pack == "ps5" || !sonyOnly.count(key);
}

struct Picture {
    std::string file;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    int alpha(int x, int y) const { return rgba[(static_cast<std::size_t>(y) * width + x) * 4 + 3]; }
};

// Where a picture's pixels of at least some opacity are (by default, every visible one).
struct Coverage {
    long pixels = 0;       // alpha at or above the threshold
    double cx = 0, cy = 0; // alpha-weighted centre
    int left = 0, right = -1, top = 0, bottom = -1;
};

Coverage coverageOf(const Picture& p, int minAlpha = 1) {
    Coverage c;
    double weight = 0;
    c.left = p.width;
    c.top = p.height;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            int a = p.alpha(x, y);
            if (a < minAlpha)
                continue;
            ++c.pixels;
            weight += a;
            c.cx += static_cast<double>(a) * x;
            c.cy += static_cast<double>(a) * y;
            c.left = std::min(c.left, x);
            c.right = std::max(c.right, x);
            c.top = std::min(c.top, y);
            c.bottom = std::max(c.bottom, y);
        }
    if (weight > 0) {
        c.cx /= weight;
        c.cy /= weight;
    }
    return c;
}

// The first and last column of the base's solid run in `row` that starts from
// the picture's left (step 1) or right (step -1) edge: a grip, low enough down.
std::pair<int, int> solidRunFromSide(const Picture& base, int row, int step) {
    int x = step > 0 ? 0 : base.width - 1;
    auto inside = [&](int at) { return at >= 0 && at < base.width; };
    while (inside(x) && base.alpha(x, row) <= 128)
        x += step;
    int outer = x;
    while (inside(x) && base.alpha(x, row) > 128)
        x += step;
    return {outer, x - step};
}

struct Pack {
    fs::path folder;
    Picture base;
    std::map<std::string, Picture> layers;                 // by layer key, the file the overlay would use
    std::map<std::string, std::vector<std::string>> found; // by layer key, every candidate present
    std::vector<std::string> failed;                       // files that did not decode
};

Picture decode(const fs::path& path, std::vector<std::string>& failed) {
    Picture p;
    p.file = path.filename().string();
    ImageWrapper image(path, true, false);
    if (!image.IsLoadedForCanvas()) {
        failed.push_back(p.file);
        return p;
    }
    p.width = image.GetSize().X;
    p.height = image.GetSize().Y;
    p.rgba = *static_cast<const vtxhost::CanvasTexture*>(image.GetCanvasTex())->pixels;
    return p;
}

const Pack& pack(const std::string& name) {
    static std::map<std::string, Pack> packs;
    auto known = packs.find(name);
    if (known != packs.end())
        return known->second;
    Pack& pack = packs[name];
    pack.folder = fs::path(VTX_SKINS_DIR) / name;
    pack.base = decode(pack.folder / "Base.png", pack.failed);
    for (const LayerNames& layer : layerTable())
        for (const std::string& file : layer.files)
            if (fs::exists(pack.folder / file)) {
                if (pack.found[layer.key].empty())
                    pack.layers[layer.key] = decode(pack.folder / file, pack.failed);
                pack.found[layer.key].push_back(file);
            }
    return pack;
}

class SkinPack : public testing::TestWithParam<std::string> {
protected:
    const Pack& p = pack(GetParam());

    Coverage at(const std::string& key) const {
        auto layer = p.layers.find(key);
        if (layer != p.layers.end())
            return coverageOf(layer->second);
        ADD_FAILURE() << "no picture for " << key;
        return {};
    }
};

TEST_P(SkinPack, EveryLayerHasOneFileUnderItsNamesAndNothingElseLies) {
    ASSERT_TRUE(fs::is_directory(p.folder)) << p.folder;
    EXPECT_TRUE(fs::exists(p.folder / "Base.png"));
    std::set<std::string> known = {"Base.png"};
    for (const LayerNames& layer : layerTable()) {
        known.insert(layer.files.begin(), layer.files.end());
        auto found = p.found.find(layer.key);
        std::size_t count = found == p.found.end() ? 0 : found->second.size();
        if (!packHas(GetParam(), layer.key))
            EXPECT_EQ(count, 0u) << layer.key << " is not a control this pack draws";
        else if (layer.drawn)
            EXPECT_EQ(count, 1u) << layer.key << " needs exactly one of its file names";
        else
            EXPECT_LE(count, 1u) << layer.key << ": a second name would never be read";
    }
    // A misspelt name (the overlay matches names exactly) would be skipped in silence.
    for (const auto& entry : fs::directory_iterator(p.folder))
        EXPECT_TRUE(known.count(entry.path().filename().string())) << entry.path().filename() << " is never read";
}

TEST_P(SkinPack, PicturesDecodeAtTheBaseSizeAboutSevenHundredWide) {
    EXPECT_TRUE(p.failed.empty()) << p.failed.front() << " does not decode";
    EXPECT_GE(p.base.width, 600);
    EXPECT_LE(p.base.width, 800);
    EXPECT_GT(p.base.height, 0);
    for (const auto& [key, layer] : p.layers) {
        EXPECT_EQ(layer.width, p.base.width) << layer.file;
        EXPECT_EQ(layer.height, p.base.height) << layer.file;
    }
}

TEST_P(SkinPack, LayersAreTransparentAroundAndShowSomethingInside) {
    std::vector<const Picture*> all = {&p.base};
    for (const auto& [key, layer] : p.layers)
        all.push_back(&layer);
    for (const Picture* picture : all) {
        ASSERT_FALSE(picture->rgba.empty()) << picture->file;
        // Clear all round, corners included: a glow or shadow reaching the edge is cut off there.
        int edge = 0;
        for (int x = 0; x < picture->width; ++x)
            edge += picture->alpha(x, 0) + picture->alpha(x, picture->height - 1);
        for (int y = 0; y < picture->height; ++y)
            edge += picture->alpha(0, y) + picture->alpha(picture->width - 1, y);
        EXPECT_EQ(edge, 0) << picture->file << " is not transparent along its edges";
        // Even a small lit button covers more than a 20x20 patch.
        EXPECT_GT(coverageOf(*picture).pixels, 400) << picture->file << " is nearly empty";
    }
    // A layer drawn over the base shows one control, not the whole pad again.
    long base = coverageOf(p.base).pixels;
    for (const auto& [key, layer] : p.layers)
        EXPECT_LT(coverageOf(layer).pixels, base / 4) << layer.file;
}

TEST_P(SkinPack, NoTwoLayersAreAlike) {
    std::vector<const Picture*> all = {&p.base};
    for (const auto& [key, layer] : p.layers)
        all.push_back(&layer);
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(all[i]->rgba == all[j]->rgba) << all[i]->file << " and " << all[j]->file << " are the same";
}

TEST_P(SkinPack, ControlsSitWhereThePadHasThem) {
    // Face buttons by position: A bottom, B right, X left, Y top.
    EXPECT_GT(at("A").cy, at("Y").cy + 20);
    EXPECT_GT(at("B").cx, at("X").cx + 20);
    EXPECT_GT(at("A").cy, at("B").cy);
    EXPECT_LT(at("Y").cy, at("X").cy);
    EXPECT_NEAR(at("A").cx, at("Y").cx, 4);
    EXPECT_NEAR(at("B").cy, at("X").cy, 4);
    // D-pad arms.
    EXPECT_LT(at("DU").cy + 10, at("DD").cy);
    EXPECT_LT(at("DL").cx + 10, at("DR").cx);
    // The left hand's controls left of the pad's middle, the right hand's right of it;
    // the shoulders above the face buttons, each trigger above its bumper.
    double middle = (coverageOf(p.base).left + coverageOf(p.base).right) / 2.0;
    for (const char* key : {"DL", "LB", "LT", "L3"})
        EXPECT_LT(at(key).cx, middle) << key;
    for (const char* key : {"A", "B", "X", "Y", "RB", "RT", "R3"})
        EXPECT_GT(at(key).cx, middle) << key;
    for (const char* key : {"LB", "RB", "LT", "RT"})
        EXPECT_LT(at(key).cy, at("Y").cy) << key;
    EXPECT_LT(at("LT").cy, at("LB").cy);
    EXPECT_LT(at("RT").cy, at("RB").cy);
}

TEST_P(SkinPack, MiddleAndGripControlsSitWhereThePadHasThem) {
    // Places relative to the base's middle and the stick caps at rest, in picture pixels.
    const Coverage base = coverageOf(p.base);
    const double middle = (base.left + base.right) / 2.0;
    const Coverage l3 = at("L3"), r3 = at("R3");
    auto has = [&](const char* key) { return p.layers.count(key) > 0; };

    // Back and start: a mirrored pair either side of the middle, above the lowest face
    // button, between the d-pad and the face buttons.
    const Coverage back = at("Back"), start = at("Start");
    EXPECT_LT(back.cx, middle - 20);
    EXPECT_GT(start.cx, middle + 20);
    EXPECT_NEAR(back.cx + start.cx, 2 * middle, 4);
    EXPECT_NEAR(back.cy, start.cy, 4);
    EXPECT_LT(start.cy, at("A").cy);
    EXPECT_GT(back.cx, at("DL").cx);
    EXPECT_LT(start.cx, at("B").cx);

    if (has("Touchpad")) {
        // Wide, at the top centre above the sticks; create and options flank its upper half.
        const Coverage pad = at("Touchpad"), solid = coverageOf(p.layers.at("Touchpad"), 250);
        EXPECT_NEAR(pad.cx, middle, 4);
        EXPECT_GT(solid.right - solid.left, 100);
        EXPECT_LT(pad.cy, std::min(l3.cy, r3.cy) - 50);
        EXPECT_LT(back.cx, solid.left);
        EXPECT_GT(start.cx, solid.right);
        EXPECT_GT(start.cy, solid.top);
        EXPECT_LT(start.cy, pad.cy);
    }
    if (has("PS")) {
        // Between the sticks, level with them.
        const Coverage ps = at("PS");
        EXPECT_NEAR(ps.cx, middle, 4);
        EXPECT_GT(ps.cx, l3.cx + 30);
        EXPECT_LT(ps.cx, r3.cx - 30);
        EXPECT_NEAR(ps.cy, (l3.cy + r3.cy) / 2, 20);
    }
    if (has("Mute")) {
        // Centred below the sticks' middles, under the home button where there is one.
        const Coverage mute = at("Mute");
        EXPECT_NEAR(mute.cx, middle, 4);
        EXPECT_GT(mute.cy, std::max(l3.cy, r3.cy));
        if (has("PS")) {
            EXPECT_GT(mute.cy, at("PS").cy + 15);
        }
    }

    // The Edge's extras, each on its own hand's side: an Fn button below the stick on its
    // inner side, a back paddle under the grip.
    struct Side {
        const char* fn;
        const char* paddle;
        Coverage stick;
        int inward; // +1 on the left, towards the middle
    };
    for (const Side& side : {Side{"FnL", "PaddleL", l3, 1}, Side{"FnR", "PaddleR", r3, -1}}) {
        const double capRadius = (side.stick.right - side.stick.left) / 2.0;
        if (has(side.fn)) {
            const Coverage fn = at(side.fn);
            EXPECT_GT(fn.cy, side.stick.cy + 30) << side.fn;
            EXPECT_GT((fn.cx - side.stick.cx) * side.inward, 0) << side.fn << " is on its stick's outer side";
            EXPECT_GT((middle - fn.cx) * side.inward, 15) << side.fn << " reaches the middle";
            // A cap pushed all the way towards it leaves it uncovered.
            EXPECT_GT(std::hypot(fn.cx - side.stick.cx, fn.cy - side.stick.cy), capRadius + kStickRange) << side.fn;
        }
        if (has(side.paddle)) {
            const Coverage paddle = at(side.paddle);
            EXPECT_GT(paddle.cy, (base.top + base.bottom) / 2.0) << side.paddle << " is not on the lower half";
            EXPECT_GT(paddle.cy, side.stick.cy + 60) << side.paddle;
            EXPECT_GT((side.stick.cx - paddle.cx) * side.inward, capRadius + kStickRange)
                << side.paddle << " is not on a grip";
            // On the inner half of its grip at that height, where the paddle sits.
            const auto [outer, inner] = solidRunFromSide(p.base, static_cast<int>(std::lround(paddle.cy)), side.inward);
            EXPECT_GT((paddle.cx - (outer + inner) / 2.0) * side.inward, 0)
                << side.paddle << " is on the grip's outer half";
            EXPECT_GT((inner - paddle.cx) * side.inward, 0) << side.paddle << " is past the grip's inner edge";
        }
    }
    for (const auto& [left, right] : {std::pair{"FnL", "FnR"}, std::pair{"PaddleL", "PaddleR"}})
        if (has(left) && has(right)) {
            EXPECT_NEAR(at(left).cx + at(right).cx, 2 * middle, 4) << left << " and " << right;
            EXPECT_NEAR(at(left).cy, at(right).cy, 4) << left << " and " << right;
        }
}

TEST_P(SkinPack, LitControlsLieOnThePad) {
    // A layer's opaque pixels lie on the base's drawing, so it lines up with the pad;
    // only its soft glow may spill past the rim.
    const Picture& base = p.base;
    for (const auto& [key, layer] : p.layers) {
        if (layer.width != base.width || layer.height != base.height) {
            ADD_FAILURE() << layer.file << " is not the base's size";
            continue;
        }
        long solid = 0, onPad = 0;
        for (int y = 0; y < layer.height; ++y)
            for (int x = 0; x < layer.width; ++x)
                if (layer.alpha(x, y) >= 250) {
                    ++solid;
                    onPad += base.alpha(x, y) > 128;
                }
        ASSERT_GT(solid, 0) << layer.file;
        EXPECT_GT(static_cast<double>(onPad) / solid, 0.97) << layer.file << " is off the pad";
    }
}

TEST_P(SkinPack, WhollyOnScreenAtTheDefaultPosition) {
    // Defaults: vtx_x 20, vtx_y 980 (a 2560x1440 screen), scale 1. The overlay puts the
    // pictures' left edge 200 px left of vtx_x, so at x 20 the first 180 columns fall
    // off the screen, and 1440 - 980 = 460 rows fit below the top. Sticks move 18 px more.
    const int offLeft = 200 - 20, rowsBelow = 1440 - 980, range = kStickRange;
    std::vector<std::pair<std::string, const Picture*>> all = {{"base", &p.base}};
    for (const auto& [key, layer] : p.layers)
        all.emplace_back(key, &layer);
    for (const auto& [key, picture] : all) {
        int move = key == "L3" || key == "R3" ? range : 0;
        Coverage c = coverageOf(*picture);
        EXPECT_GE(c.left, offLeft + move) << picture->file << " reaches off the left edge";
        EXPECT_LT(c.bottom, rowsBelow - move) << picture->file << " reaches below the screen";
    }
}

INSTANTIATE_TEST_SUITE_P(OurPacks, SkinPack, testing::Values("xbox", "ps5"),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

} // namespace
