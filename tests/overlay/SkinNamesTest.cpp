// Skin folders and names: which folders count, their order, the matching of
// a typed or remembered name, and the path of a skin's file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "overlay/SkinImages.h"
#include "overlay/Skins.h"

using namespace vtx;

namespace {

std::filesystem::path scratch(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() / "vtx-overlay-tests" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(SkinFolders, FoldersOnlySortedByteWiseWithoutHiddenOnes) {
    const auto skins = scratch("folders");
    for (const char* name : {"dark", "Xbox", ".git", "ps5", "Zeta"}) {
        std::filesystem::create_directory(skins / name);
    }
    std::ofstream(skins / "Aardvark") << "a file";
    EXPECT_EQ(listSkinFolders(skins), (std::vector<std::string>{"Xbox", "Zeta", "dark", "ps5"}));
    EXPECT_TRUE(listSkinFolders(skins / "missing").empty());
    EXPECT_TRUE(listSkinFolders({}).empty());
    std::filesystem::remove_all(skins);
}

TEST(SkinFolders, NonAsciiNamesComeBackAsUtf8) {
    const auto skins = scratch("utf8");
    const std::string name = "\xC3\x84rger"; // Ärger
    std::filesystem::create_directory(skins / std::filesystem::path(std::u8string(u8"\u00C4rger")));
    EXPECT_EQ(listSkinFolders(skins), std::vector<std::string>{name});
    std::filesystem::remove_all(skins);
}

TEST(SkinNames, TrimmingAndCaseInsensitiveMatching) {
    EXPECT_EQ(trimSkinName("XBOX  \r\n"), "XBOX");
    EXPECT_EQ(trimSkinName(" \tXbox\t \n\r"), "Xbox");
    EXPECT_EQ(trimSkinName("\r\nXbox"), "\r\nXbox"); // only blanks are taken from the front
    EXPECT_EQ(trimSkinName(" \r\n "), "");

    const std::vector<std::string> names{"Xbox", "dark", "xBOX", "\xC3\x84rger"};
    EXPECT_EQ(matchSkinName(names, "XBOX"), "Xbox"); // the first match, in the list's spelling
    EXPECT_EQ(matchSkinName(names, "DARK"), "dark");
    EXPECT_EQ(matchSkinName(names, "\xC3\x84RGER"), "\xC3\x84rger");
    EXPECT_EQ(matchSkinName(names, "\xC3\xA4rger"), ""); // ä is not Ä
    EXPECT_EQ(matchSkinName(names, " dark"), "");
    EXPECT_EQ(matchSkinName(names, "dar"), "");
    EXPECT_EQ(matchSkinName(names, ""), "");
    EXPECT_EQ(matchSkinName({}, "dark"), "");
}

TEST(SkinFiles, PathIsTheDataFolderThenVantrixSkinsSkinFile) {
    EXPECT_EQ(skinFilePath("C:/Users/me/bakkesmod/data", "Xbox", "Base.png"),
              "C:/Users/me/bakkesmod/data/Vantrix/skins/Xbox/Base.png");
    EXPECT_EQ(skinFilePath("/data", "\xC3\x84rger", "A.png"), "/data/Vantrix/skins/\xC3\x84rger/A.png");
}

} // namespace
