// check-skin against skin folders made here: a good one, one without a base,
// one whose base does not decode, and one with the slips skin authors make
// (a layer of another size, files under names no layer reads).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
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
    EXPECT_EQ(layer(report, "Start").file, "Options.png"); // Start is drawn too
    EXPECT_EQ(layer(report, "B").file, "");
    const UnusedFile* shadowed = unused(report, "A.png");
    ASSERT_NE(shadowed, nullptr);
    EXPECT_EQ(shadowed->likelyKey, "A");
    EXPECT_EQ(report.verdict, "will draw: 4 of 23 drawn layers");
    EXPECT_TRUE(report.warnings.empty());

    std::string out;
    EXPECT_EQ(check(skin, false, out), 0);
    EXPECT_NE(out.find("verdict: will draw: 4 of 23 drawn layers"), std::string::npos) << out;
    EXPECT_NE(out.find("40\u00d720"), std::string::npos) << out;
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
    EXPECT_NE(out.find("warning: Base.png is missing here, but the folder inner inside holds one: give that folder"),
              std::string::npos)
        << out;
    fs::remove_all(skin / "inner");
    EXPECT_EQ(check(skin, false, out), 1);
    EXPECT_NE(out.find("warning: Base.png is missing: add the picture of the whole pad as Base.png (PNG)"),
              std::string::npos)
        << out;

    text(skin / "Base.png", "not a picture at all");
    const SkinReport report = inspectSkin(skin);
    EXPECT_FALSE(report.willDraw);
    EXPECT_FALSE(report.base.decodes);
    EXPECT_EQ(report.verdict, "will not draw: Base.png does not decode");
    EXPECT_EQ(check(skin, true, out), 1);
    EXPECT_NE(out.find("\"willDraw\": false"), std::string::npos) << out;
}

// A tool gets a JSON object for every outcome, with the exit status telling
// a missing folder (2) from a skin that will not draw (1).
TEST_F(SkinCheck, FoldersThatCannotBeCheckedStillGiveAnObjectForTools) {
    text(temp.path() / "a file", "not a folder");
    const std::vector<std::pair<fs::path, std::string>> cases = {
        {temp.path() / "nothing here", "no such folder"},
        {temp.path() / "a file", "not a folder"},
    };
    for (const auto& [folder, error] : cases) {
        std::ostringstream output, errors;
        EXPECT_EQ(checkSkin({folder, true}, output, errors), 2) << folder;
        const std::string json = output.str();
        EXPECT_TRUE(json.starts_with("{\n") && json.ends_with("}\n")) << json;
        EXPECT_NE(json.find("\"error\": \"" + error + "\""), std::string::npos) << json;
        EXPECT_NE(json.find("\"willDraw\": false"), std::string::npos) << json;
        EXPECT_NE(json.find("\"verdict\": \"will not draw: " + error + "\""), std::string::npos) << json;
        EXPECT_EQ(errors.str(), "") << "stdout is for the tool, and it has all";

        std::string out;
        EXPECT_EQ(check(folder, false, out), 2);
        EXPECT_NE(out.find(error + ": give the skin's"), std::string::npos) << out;
    }
    std::string out;
    picture(skin / "Base.png", 40, 20);
    EXPECT_EQ(check(skin, true, out), 0);
    EXPECT_NE(out.find("\"error\": null"), std::string::npos) << out;
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
    // X's picture draws nothing: only B counts.
    EXPECT_NE(report.verdict.find("will draw: 1 of 23 drawn layers, "), std::string::npos) << report.verdict;

    // Each finding once, with what to do about it.
    const std::vector<std::string> findings = {
        "B_Button.png is 48\u00d720: make it the size of Base.png, 40\u00d720",
        "X_Button.png does not decode (" + layer(report, "X").decodeError + "): re-export it as PNG",
        "dpad-up.png is not used: name it Dpad_Up.png for layer DU",
        "Cross.png is not used: name it A_Button.png for layer A",
        "Right_Trigger.jpg is not used: not a .png file; export it as PNG named Right_Trigger.png for layer RT",
    };
    for (const std::string& finding : findings)
        EXPECT_EQ(std::count(report.warnings.begin(), report.warnings.end(), finding), 1) << finding;
    const std::string& decodeError = layer(report, "X").decodeError;
    EXPECT_FALSE(decodeError.empty());
    EXPECT_EQ(decodeError.find("X_Button.png"), std::string::npos) << "the file is named once: " << decodeError;
    EXPECT_EQ(decodeError.find("decode"), std::string::npos) << "said once: " << decodeError;

    std::string out;
    EXPECT_EQ(check(skin, false, out), 0);
    EXPECT_NE(out.find("unused   Cross.png          likely layer A (A_Button.png)\n"), std::string::npos) << out;
    EXPECT_NE(out.find("X        X_Button.png       does not decode (" + decodeError + ")\n"), std::string::npos)
        << out;
}

TEST_F(SkinCheck, ALetterCaseOnlyWindowsForgivesSaysTheNameToUse) {
    picture(skin / "Base.png", 40, 20);
    picture(skin / "a_button.png", 40, 20);
    const SkinReport report = inspectSkin(skin);
    EXPECT_EQ(layer(report, "A").file, "a_button.png");
    ASSERT_EQ(report.warnings.size(), 1u);
    EXPECT_EQ(report.warnings[0], "a_button.png differs in letter case from A_Button.png, the name the plugin asks "
                                  "for (found on Windows, not on Linux): rename it A_Button.png");
}

// Every row of the table, whatever its kind, starts its columns at the same
// place: layers with a file, layers without ("-"), unused files and folders.
TEST_F(SkinCheck, TheTableLinesUpForEveryKindOfRow) {
    picture(skin / "Base.png", 40, 20);
    picture(skin / "A_Button.png", 40, 20);
    text(skin / "B_Button.png", "broken");
    picture(skin / "A rather long name for a picture.png", 40, 20);
    fs::create_directories(skin / "old");
    std::string out;
    EXPECT_EQ(check(skin, false, out), 0);
    std::istringstream lines(out);
    std::string line;
    std::set<std::size_t> fileColumns, whatColumns;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (line.starts_with("skin ") || line.starts_with("warning: ") || line.starts_with("verdict: "))
            continue;
        ++rows;
        const std::size_t file = line.find_first_not_of(' ', line.find(' '));
        fileColumns.insert(file);
        const std::size_t gap = line.find("  ", file);
        if (gap != std::string::npos)
            whatColumns.insert(line.find_first_not_of(' ', gap));
    }
    EXPECT_EQ(rows, 1 + 23 + 2);
    EXPECT_EQ(fileColumns.size(), 1u) << out;
    EXPECT_EQ(whatColumns.size(), 1u) << out;
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
