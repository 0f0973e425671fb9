#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

using hosttest::TempFolder;

namespace {

std::string readText(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Config, SavedVariablesAreWrittenAndWinOverDefaultsInANewHost) {
    TempFolder folder;
    {
        vtxhost::Host host(hosttest::optionsFor(folder));
        auto cvars = host.cvarManager();
        cvars->registerCvar("t_saved", "1").setValue(5);
        cvars->registerCvar("t_quoted", "").setValue(R"(say "hi" \o/)");
        cvars->registerCvar("t_unsaved", "a", "", true, false, 0, false, 0, false).setValue("b");
        host.executeCommand("writeconfig");
    }
    const std::string text = readText(folder.path() / "config.cfg");
    EXPECT_NE(text.find("t_saved \"5\""), std::string::npos) << text;
    EXPECT_EQ(text.find("t_unsaved"), std::string::npos) << text;

    vtxhost::Host again(hosttest::optionsFor(folder));
    auto cvars = again.cvarManager();
    EXPECT_EQ(cvars->registerCvar("t_saved", "1").getStringValue(), "5");
    EXPECT_EQ(cvars->registerCvar("t_quoted", "").getStringValue(), R"(say "hi" \o/)");
    EXPECT_EQ(cvars->registerCvar("t_unsaved", "a").getStringValue(), "a");
}

TEST(Config, SavedValuesStillMeetTheRange) {
    TempFolder folder;
    std::ofstream(folder.path() / "config.cfg") << "// written by hand\nt_ranged \"70\"\n\nt_other 3\n";
    vtxhost::Host host(hosttest::optionsFor(folder));
    auto cvars = host.cvarManager();
    EXPECT_EQ(cvars->registerCvar("t_ranged", "1", "", true, true, 0, true, 50).getStringValue(), "50");
    EXPECT_EQ(cvars->registerCvar("t_other", "1").getStringValue(), "3");
}

TEST(Config, SettingsOfVariablesNotRegisteredNowAreKept) {
    TempFolder folder;
    {
        vtxhost::Host host(hosttest::optionsFor(folder));
        host.cvarManager()->registerCvar("t_plugin_a", "1").setValue(2);
        host.cvarManager()->registerCvar("t_plugin_b", "1").setValue(3);
        host.executeCommand("writepluginsconfig");
    }
    {
        vtxhost::Host host(hosttest::optionsFor(folder));
        host.cvarManager()->registerCvar("t_plugin_a", "1").setValue(4);
        host.executeCommand("writeconfig");
    }
    vtxhost::Host host(hosttest::optionsFor(folder));
    EXPECT_EQ(host.cvarManager()->registerCvar("t_plugin_a", "1").getStringValue(), "4");
    EXPECT_EQ(host.cvarManager()->registerCvar("t_plugin_b", "1").getStringValue(), "3");
}

} // namespace
