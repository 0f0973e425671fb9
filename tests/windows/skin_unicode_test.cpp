// A data folder and a skin folder with non-ASCII names, as the DLL sees them
// on Windows: the skin loads, is drawn, and is remembered in saved_skin.txt
// as UTF-8 for the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "PluginHost.h"
#include "TestPicture.h"

namespace {

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<vtxhost::Host> startHost(const std::filesystem::path& data) {
    vtxhost::HostOptions options;
    options.dataFolder = data;
    auto host = std::make_unique<vtxhost::Host>(options);
    std::string error;
    EXPECT_TRUE(host->load(vtxtest::pluginPath(), &error)) << error;
    host->game().online = true;
    host->game().car = true;
    return host;
}

TEST(SkinOnWindows, NonAsciiFolderNamesLoadAndAreRemembered) {
    // "Dätä 日本" and "Ärger", spelled in UTF-8 for the console and the saved file.
    const std::filesystem::path data =
        vtxtest::freshFolder("data") / std::filesystem::path(u8"D\u00E4t\u00E4 \u65E5\u672C");
    const std::filesystem::path skins = data / "Vantrix" / "skins";
    const std::filesystem::path unusual = skins / std::filesystem::path(u8"\u00C4rger");
    const std::string unusualUtf8 = "\xC3\x84rger";
    vtxtest::writeTestPicture(skins / "Aaa" / "Base.png"); // sorts first: the skin at a start with nothing saved
    vtxtest::writeTestPicture(unusual / "Base.png");

    auto host = startHost(data);
    EXPECT_EQ(host->cvarValue("vtx_skin"), "Aaa");
    host->executeCommand("vtx_skin \xC3\x84RGER"); // letter case aside, the same folder
    EXPECT_EQ(host->cvarValue("vtx_skin"), "\xC3\x84RGER");
    EXPECT_EQ(fileBytes(data / "Vantrix" / "saved_skin.txt"), unusualUtf8);
    for (int i = 0; i < 70; ++i) {
        host->frame();
    }
    ASSERT_EQ(host->lastFrame().draws.size(), 1u);
    EXPECT_EQ(host->lastFrame().draws[0].image, unusual / "Base.png");
    EXPECT_TRUE(host->lastFrame().draws[0].decoded);
    host.reset();

    // A new start over the same folder comes back to it.
    host = startHost(data);
    EXPECT_EQ(host->cvarValue("vtx_skin"), unusualUtf8);
    for (int i = 0; i < 70; ++i) {
        host->frame();
    }
    ASSERT_EQ(host->lastFrame().draws.size(), 1u);
    EXPECT_EQ(host->lastFrame().draws[0].image, unusual / "Base.png");
}

} // namespace
