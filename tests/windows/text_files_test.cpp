// The plugin's text files as Windows (Wine) treats them: CR LF on disk, LF
// files read alike, and a replace while another program reads the old file.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "PluginHost.h"
#include "core/TextFile.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(TextFilesOnWindows, SettingsAreWrittenWithCrLfAndLfFilesLoadAlike) {
    vtxtest::PluginHost env;
    env.load();
    env.settle();
    const fs::path file = env.host->dataFolder() / "Vantrix" / "vtx_saved_settings.ini";
    EXPECT_EQ(bytesOf(file).rfind("vtx_enabled=1\r\nvtx_online_only=1\r\nvtx_show_freeplay_workshop=1\r\n", 0), 0u);
    std::ofstream(file, std::ios::binary) << "vtx_stick_range=30\nvtx_skin=ps5\n";
    env.host->executeCommand("vtx_settings_load");
    EXPECT_EQ(env.cvar("vtx_stick_range"), "30");
    EXPECT_EQ(env.cvar("vtx_skin"), "ps5");
}

TEST(TextFilesOnWindows, ReplacedWhileAReaderSharingDeleteHoldsTheOldFile) {
    const fs::path folder = vtxtest::freshFolder("files");
    const fs::path file = folder / "vtx_saved_pos.ini";
    ASSERT_TRUE(vtx::writeTextFile(file, "x=1\n").ok());

    HANDLE reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(vtx::writeTextFile(file, "x=2\n").ok());
    char old[8] = {};
    DWORD read = 0;
    ReadFile(reader, old, sizeof old - 1, &read, nullptr);
    CloseHandle(reader);
    EXPECT_STREQ(old, "x=1\r\n"); // the reader keeps what it opened
    EXPECT_EQ(bytesOf(file), "x=2\r\n");

    // A reader that forbids deleting keeps the file as it is, whole.
    reader = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const vtx::FileResult written = vtx::writeTextFile(file, "x=3\n");
    CloseHandle(reader);
    EXPECT_FALSE(written.ok());
    EXPECT_NE(written.error.find("vtx_saved_pos.ini"), std::string::npos) << written.error;
    EXPECT_EQ(bytesOf(file), "x=2\r\n");
    EXPECT_FALSE(fs::exists(folder / "vtx_saved_pos.ini.tmp"));
}

TEST(TextFilesOnWindows, AFolderUnderTheNameIsNeverReplaced) {
    const fs::path folder = vtxtest::freshFolder("files");
    fs::create_directories(folder / "vtx_saved_pos.ini" / "inside");
    std::ofstream(folder / "new.tmp") << "x=1\n";
    std::string error;
    EXPECT_FALSE(vtx::platform::replaceFile(folder / "new.tmp", folder / "vtx_saved_pos.ini", error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder / "vtx_saved_pos.ini" / "inside"));
    EXPECT_TRUE(fs::exists(folder / "new.tmp"));
}

} // namespace
