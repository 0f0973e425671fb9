// The folder behind "Open skins folder": made when missing, and nothing at
// all (no exception) when something is in its way.
#include <fstream>

#include <gtest/gtest.h>

#include "menu/SkinsFolder.h"

namespace {

std::filesystem::path freshRoaming() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "vtx-tests" / (std::string("SkinsFolder.") + info->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(SkinsFolder, IsCreatedWithItsParentsOrNotAtAllWhenAFileIsInTheWay) {
    const std::filesystem::path roaming = freshRoaming();
    const std::filesystem::path expected = roaming / "bakkesmod" / "bakkesmod" / "data" / "Vantrix" / "skins";
    EXPECT_EQ(vtx::prepareSkinsFolder(roaming), expected);
    EXPECT_TRUE(std::filesystem::is_directory(expected));
    EXPECT_EQ(vtx::prepareSkinsFolder(roaming), expected); // already there

    std::filesystem::remove_all(roaming / "bakkesmod");
    std::filesystem::create_directories(expected.parent_path());
    std::ofstream(expected) << "not a folder";
    EXPECT_TRUE(vtx::prepareSkinsFolder(roaming).empty());

    std::filesystem::remove_all(roaming / "bakkesmod");
    std::ofstream(roaming / "bakkesmod") << "a file where a parent folder belongs";
    EXPECT_TRUE(vtx::prepareSkinsFolder(roaming).empty());
}

} // namespace
