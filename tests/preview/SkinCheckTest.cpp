// check-skin against skin folders made here: a good one, one without a base,
// one whose base does not decode, and one with the slips skin authors make
// (a layer of another size, files under names no layer reads).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CheckSkin.h"
#include "Json.h"
#include "LayerGuess.h"
#include "PictureOps.h"
#include "TempFolder.h"

namespace {

namespace fs = std::filesystem;
using namespace vtxpreview;

void picture(const fs::path& path, int width, int height) {
    std::string error;
    ASSERT_TRUE(writePng(path, filled(width, height, 200, 40, 40), error)) << error;
}

void text(const fs::path& path, const std::string& content) { std::ofstream(path, std::ios::binary) << content; }

const LayerFinding& layer(const SkinReport& report, const std::string& key) {
    for (const LayerFinding& finding : report.layers)
        if (finding.key == key)
            return finding;
    throw std::runtime_error("no layer " + key);
}

const UnusedFile* unused(const SkinReport& report, const std::string& file) {
    for (const UnusedFile& entry : report.unused)
        if (entry.file == file)
            return &entry;
    return nullptr;
}

int check(const fs::path& folder, bool json, std::string& out) {
    std::ostringstream output, errors;
    const int status = checkSkin({folder, json}, output, errors);
    out = output.str() + errors.str();
    return status;
}

class SkinCheck : public testing::Test {
protected:
    TempFolder temp{"skin-check-test"};
    fs::path skin = temp.path() / "MySkin";
    void SetUp() override { fs::create_directories(skin); }
};

TEST_F(SkinCheck, GoodSkinDrawsAndEachLayerTakesItsFirstCandidate) {
    picture(skin / "Base.png", 40, 20);
    picture(skin / "A_Button.png", 40, 20);
    picture(skin / "A.png", 40, 20); // second in A's order: never read
    picture(skin / "DpadDown.png", 40, 20);
    picture(skin / "L2.png", 40, 20);
    picture(skin / "Options.png", 40, 20);
    const SkinReport report = inspectSkin(skin);
    EXPECT_TRUE(report.willDraw);
    EXPECT_EQ(report.base.file, "Base.png");
    EXPECT_EQ(report.base.width, 40);
    EXPECT_EQ(report.base.height, 20);
    EXPECT_EQ(layer(report, "A").file, "A_Button.png");
    EXPECT_EQ(layer(report, "DD").file, "DpadDown.png");
    EXPECT_EQ(layer(report, "LT").file, "L2.png");
    EXPECT_EQ(layer(report, "Start").file, "Options.png");
    EXPECT_FALSE(layer(report, "Start").drawn);
    EXPECT_EQ(layer(report, "B").file, "");
    const UnusedFile* shadowed = unused(report, "A.png");
    ASSERT_NE(shadowed, nullptr);
    EXPECT_EQ(shadowed->likelyKey, "A");
    EXPECT_EQ(report.verdict, "will draw: 3 of 14 drawn layers");

    std::string out;
    EXPECT_EQ(check(skin, false, out), 0);
    EXPECT_NE(out.find("verdict: will draw: 3 of 14 drawn layers"), std::string::npos) << out;
    EXPECT_NE(out.find("40x20"), std::string::npos) << out;
}

TEST_F(SkinCheck, WithoutABaseOrWithOneThatDoesNotDecodeTheSkinWillNotDraw) {
    picture(skin / "A.png", 40, 20);
    fs::create_directories(skin / "inner");
    picture(skin / "inner" / "Base.png", 40, 20);
    std::string out;
    EXPECT_EQ(check(skin, false, out), 1);
    EXPECT_NE(out.find("verdict: will not draw: Base.png is missing (the folder inner inside holds one"),
              std::string::npos)
        << out;

    text(skin / "Base.png", "not a picture at all");
    const SkinReport report = inspectSkin(skin);
    EXPECT_FALSE(report.willDraw);
    EXPECT_FALSE(report.base.decodes);
    EXPECT_EQ(report.verdict, "will not draw: Base.png does not decode");
    EXPECT_EQ(check(skin, true, out), 1);
    EXPECT_NE(out.find("\"willDraw\": false"), std::string::npos) << out;

    EXPECT_EQ(check(temp.path() / "nothing here", false, out), 2);
    EXPECT_NE(out.find("is not a folder"), std::string::npos) << out;
}

TEST_F(SkinCheck, SlipsAreNamedWithTheLayerTheyWereMeantFor) {
    picture(skin / "Base.png", 40, 20);
    picture(skin / "B_Button.png", 48, 20);  // not the base's size
    text(skin / "X_Button.png", "broken");   // does not decode
    picture(skin / "dpad-up.png", 40, 20);   // separator and case
    picture(skin / "Cross.png", 40, 20);     // Sony's name for A
    picture(skin / "LeftBumpr.png", 40, 20); // a typing slip
    picture(skin / "Right_Trigger.jpg", 40, 20);
    text(skin / "notes.txt", "made by me");
    const SkinReport report = inspectSkin(skin);
    EXPECT_TRUE(report.willDraw);
    EXPECT_TRUE(layer(report, "B").sizeDiffers);
    EXPECT_FALSE(layer(report, "X").decodes);
    EXPECT_FALSE(layer(report, "A").sizeDiffers);

    const std::vector<std::tuple<std::string, std::string, std::string>> guesses = {
        {"dpad-up.png", "DU", "Dpad_Up.png"},
        {"Cross.png", "A", "A_Button.png"},
        {"LeftBumpr.png", "LB", "Left_Bumper.png"},
        {"Right_Trigger.jpg", "RT", "Right_Trigger.png"},
    };
    for (const auto& [file, key, suggestion] : guesses) {
        const UnusedFile* entry = unused(report, file);
        ASSERT_NE(entry, nullptr) << file;
        EXPECT_EQ(entry->likelyKey, key) << file;
        EXPECT_EQ(entry->suggestion, suggestion) << file;
    }
    EXPECT_EQ(unused(report, "Right_Trigger.jpg")->reason, "not a .png file");
    ASSERT_NE(unused(report, "notes.txt"), nullptr);
    EXPECT_EQ(unused(report, "notes.txt")->likelyKey, "");
    EXPECT_NE(report.verdict.find("will draw: 2 of 14 drawn layers, "), std::string::npos) << report.verdict;

    std::string out;
    EXPECT_EQ(check(skin, false, out), 0);
    EXPECT_NE(out.find("B_Button.png is 48x20, Base.png 40x20"), std::string::npos) << out;
    EXPECT_NE(out.find("unused Cross.png: likely layer A (A_Button.png)"), std::string::npos) << out;
}

TEST(LayerGuess, NamesNoLayerUsesAreMatchedOnlyWhenClose) {
    EXPECT_EQ(guessLayer("DpadDown.png")->key, "DD");
    EXPECT_EQ(guessLayer("dpad_down.PNG")->key, "DD");
    EXPECT_EQ(guessLayer("Triangle.png")->key, "Y");
    EXPECT_EQ(guessLayer("Share.png")->key, "Back");
    EXPECT_EQ(guessLayer("base.png")->key, "base");
    EXPECT_FALSE(guessLayer("Background.png"));
    EXPECT_FALSE(guessLayer("Q.png")); // one letter off "A" is not a guess
    EXPECT_FALSE(guessLayer("readme.md"));
}

TEST(Json, StringsEscapeAndStayValidUtf8) {
    EXPECT_EQ(jsonString("a\"b\\c\nd"), "\"a\\\"b\\\\c\\u000ad\"");
    EXPECT_EQ(jsonString("Sk\xC3\xA4n"), "\"Sk\xC3\xA4n\"");
    EXPECT_EQ(jsonString("Sk\xE4n"), "\"Sk\xEF\xBF\xBDn\"");                           // Latin-1 in a file name
    EXPECT_EQ(jsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""); // a lone surrogate
}

} // namespace
