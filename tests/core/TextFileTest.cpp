// The shared writer and reader of the plugin's text files: whole files in
// text mode, values that cannot break a line, and a failed write that leaves
// the previous file whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/KeyValueLines.h"
#include "core/TextFile.h"

namespace fs = std::filesystem;

namespace {

struct TextFile : ::testing::Test {
    void SetUp() override {
        folder = fs::temp_directory_path() / "vtx-core-tests" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directories(folder);
        file = folder / "vtx_saved_pos.ini";
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(file, fs::perms::owner_all, ec);
        fs::remove_all(folder, ec);
    }
    static std::string bytesOf(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // What a text-mode write puts on disk for '\n'.
    static std::string onDisk(std::string text) {
        if (!VTX_STANDIN_PLATFORM) { // Windows: CR LF
            for (std::size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 2)) {
                text.insert(i, "\r");
            }
        }
        return text;
    }
    fs::path folder;
    fs::path file;
};

TEST_F(TextFile, ValuesLoseTheirLineBreaks) {
    EXPECT_EQ(vtx::keyValueLine("vtx_skin", "xbox\nvtx_x=5\r"), "vtx_skin=xboxvtx_x=5\n");
    EXPECT_EQ(vtx::keyValueLine("x", ""), "x=\n");
}

TEST_F(TextFile, WritesInTextModeAndReadsBackTheBytes) {
    ASSERT_TRUE(vtx::writeTextFile(file, "x=1\ny=2\n").ok());
    std::string text;
    ASSERT_TRUE(vtx::readTextFile(file, text).ok());
    EXPECT_EQ(text, onDisk("x=1\ny=2\n"));
    EXPECT_FALSE(fs::exists(folder / "vtx_saved_pos.ini.tmp"));

    // What an interrupted save left behind does not leak into the next one.
    std::ofstream(folder / "vtx_saved_pos.ini.tmp") << "left over\n";
    ASSERT_TRUE(vtx::writeTextFile(file, "x=3\n").ok());
    ASSERT_TRUE(vtx::readTextFile(file, text).ok());
    EXPECT_EQ(text, onDisk("x=3\n"));
}

TEST_F(TextFile, MissingAndUnreadableFilesAreTold) {
    std::string text = "kept";
    EXPECT_EQ(vtx::readTextFile(file, text).status, vtx::FileResult::Status::Missing);
    fs::create_directory(file);
    const vtx::FileResult read = vtx::readTextFile(file, text);
    EXPECT_EQ(read.status, vtx::FileResult::Status::Failed);
    EXPECT_NE(read.error.find("vtx_saved_pos.ini"), std::string::npos) << read.error;
    EXPECT_EQ(text, "kept");
}

TEST_F(TextFile, FailedWritesKeepThePreviousFileWhole) {
    ASSERT_TRUE(vtx::writeTextFile(file, "x=1\ny=2\nscale=3\n").ok());
    const std::string before = bytesOf(file);

    // A folder in the way of the temporary name: not ours to remove.
    fs::create_directory(folder / "vtx_saved_pos.ini.tmp");
    vtx::FileResult written = vtx::writeTextFile(file, "x=9\n");
    EXPECT_EQ(written.status, vtx::FileResult::Status::Failed);
    EXPECT_NE(written.error.find("vtx_saved_pos.ini.tmp"), std::string::npos) << written.error;
    EXPECT_TRUE(fs::is_directory(folder / "vtx_saved_pos.ini.tmp"));
    EXPECT_EQ(bytesOf(file), before);
    fs::remove(folder / "vtx_saved_pos.ini.tmp");

    // A read-only file is left alone.
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    written = vtx::writeTextFile(file, "x=9\n");
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(fs::exists(folder / "vtx_saved_pos.ini.tmp"));

    if (!VTX_STANDIN_PLATFORM) {
        return;
    }
    // A full disk: the temporary file's bytes go nowhere.
    fs::permissions(file, fs::perms::owner_all);
    fs::create_symlink("/dev/full", folder / "vtx_saved_pos.ini.tmp");
    written = vtx::writeTextFile(file, "x=9\n");
    EXPECT_FALSE(written.ok());
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "vtx_saved_pos.ini.tmp")));
}

TEST_F(TextFile, AFolderInPlaceOfTheFileIsNotReplaced) {
    fs::create_directories(file / "inside");
    EXPECT_FALSE(vtx::writeTextFile(file, "x=1\n").ok());
    EXPECT_TRUE(fs::is_directory(file / "inside"));
    EXPECT_FALSE(fs::exists(folder / "vtx_saved_pos.ini.tmp"));
}

} // namespace
