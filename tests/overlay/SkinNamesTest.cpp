// Skin names where scenarios do not reach: folder names read back as UTF-8
// on every target, and the corners of name matching.
#include <gtest/gtest.h>

#include <filesystem>

#include "overlay/Skins.h"

using namespace vtx;

namespace {

TEST(SkinFolders, NonAsciiNamesComeBackAsUtf8) {
    const auto skins = std::filesystem::temp_directory_path() / "vtx-overlay-tests" / "utf8";
    std::filesystem::remove_all(skins);
    std::filesystem::create_directories(skins / std::filesystem::path(std::u8string(u8"\u00C4rger")));
    std::filesystem::create_directories(skins / std::filesystem::path(std::u8string(u8"\u65E5\u672C")));
    // Byte order: "Ä" is C3 84, "日" is E6 97 A5.
    EXPECT_EQ(listSkinFolders(skins), (std::vector<std::string>{"\xC3\x84rger", "\xE6\x97\xA5\xE6\x9C\xAC"}));
    std::filesystem::remove_all(skins);
}

TEST(SkinNames, TrimmingAndMatchingCorners) {
    EXPECT_EQ(trimSkinName(" \tXbox\t \n\r"), "Xbox");
    EXPECT_EQ(trimSkinName("\r\nXbox"), "\r\nXbox"); // only blanks are taken from the front
    EXPECT_EQ(trimSkinName(" \r\n "), "");

    const std::vector<std::string> names{"Xbox", "dark", "xBOX"};
    EXPECT_EQ(matchSkinName(names, "XBOX"), "Xbox"); // the first match, in the list's spelling
    EXPECT_EQ(matchSkinName(names, "xbox"), "Xbox");
    EXPECT_EQ(matchSkinName(names, "dar"), "");
    EXPECT_EQ(matchSkinName(names, ""), "");
    EXPECT_EQ(matchSkinName({}, "dark"), "");
}

} // namespace
