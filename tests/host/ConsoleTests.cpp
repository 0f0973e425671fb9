#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

using hosttest::TempFolder;
using Words = std::vector<std::string>;

namespace {

class Console : public testing::Test {
protected:
    void SetUp() override {
        cvars->registerNotifier(
            "echo", [this](Words args) { calls.push_back(args); }, "", 0);
    }

    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
    std::shared_ptr<CVarManagerWrapper> cvars = host.cvarManager();
    std::vector<Words> calls;
};

TEST_F(Console, CommandGetsTheWordsAfterItsName) {
    host.executeCommand("echo a  b\t c");
    host.executeCommand("echo");
    host.executeCommand("echo \"two words\" x\"y z\"");
    host.executeCommand(R"(echo "say \"hi\"" "back\\slash" "")");
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], (Words{"a", "b", "c"}));
    EXPECT_EQ(calls[1], Words{});
    EXPECT_EQ(calls[2], (Words{"two words", "xy z"}));
    EXPECT_EQ(calls[3], (Words{"say \"hi\"", "back\\slash", ""}));
}

TEST_F(Console, SemicolonsSeparateCommandsOutsideQuotes) {
    host.executeCommand("echo a; echo b ;; echo \"c;d\"");
    EXPECT_EQ(calls, (std::vector<Words>{{"a"}, {"b"}, {"c;d"}}));
}

TEST_F(Console, NameAndValueSetsAVariable) {
    cvars->registerCvar("t_level", "1", "", true, true, 0, true, 10);
    cvars->registerCvar("t_name", "");
    host.executeCommand("t_level 5");
    EXPECT_EQ(host.cvarValue("t_level"), "5");
    host.executeCommand("t_level 50");
    EXPECT_EQ(host.cvarValue("t_level"), "10");
    host.executeCommand("t_name My Skin");
    EXPECT_EQ(host.cvarValue("t_name"), "My Skin");
    host.executeCommand("t_level");
    EXPECT_EQ(host.logLines().back(), "t_level = \"10\"");
}

TEST_F(Console, CommandsKeepTheirDescriptionsAndRegistrationOrder) {
    cvars->registerNotifier(
        "zeta", +[](Words) {}, "Last letter", 0);
    cvars->registerNotifier(
        "alpha", +[](Words) {}, "First letter", 0);
    EXPECT_EQ(host.commands(), (Words{"echo", "zeta", "alpha"}));
    EXPECT_EQ(host.commandDescription("zeta"), "Last letter");
    EXPECT_EQ(host.commandDescription("nosuch"), std::nullopt);
    cvars->registerNotifier(
        "zeta", +[](Words) {}, "Again", 0);
    EXPECT_EQ(host.commands(), (Words{"echo", "alpha", "zeta"}));
    EXPECT_EQ(host.commandDescription("zeta"), "Again");
}

TEST_F(Console, UnknownAndFailingCommandsAreLogged) {
    cvars->registerNotifier(
        "t_throw", +[](Words) { throw std::runtime_error("nope"); }, "", 0);
    host.executeCommand("nosuch 1 2; t_throw; echo after");
    EXPECT_EQ(hosttest::logCount(host, "Unknown command: nosuch"), 1);
    EXPECT_EQ(hosttest::logCount(host, "Exception in plugin callback: nope"), 1);
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(Console, ExecutedLinesAreEchoedOnlyWhenAsked) {
    host.executeCommand("echo quiet");
    EXPECT_TRUE(host.logLines().empty());

    auto options = hosttest::optionsFor(folder);
    options.echoCommands = true;
    std::vector<std::string> seen;
    options.onLog = [&](const std::string& line) { seen.push_back(line); };
    vtxhost::Host echoing(options);
    echoing.executeCommand("first", true);
    echoing.executeCommand("second", false);
    EXPECT_EQ(seen, (std::vector<std::string>{"> first", "Unknown command: first", "Unknown command: second"}));
    EXPECT_EQ(echoing.logLines(), seen);
}

constexpr int kF9 = 120;

TEST_F(Console, BoundKeyRunsItsCommandOncePerPress) {
    hosttest::releaseKey(kF9);
    host.executeCommand("bind F9 \"echo pressed\"");
    EXPECT_EQ(host.bindings().at(kF9), "echo pressed");

    host.frame();
    EXPECT_TRUE(calls.empty());
    vtxhost::devices().setKey(kF9, true);
    host.frame();
    host.frame(); // still held: no new press
    EXPECT_EQ(calls.size(), 1u);
    vtxhost::devices().setKey(kF9, false);
    vtxhost::devices().setKey(kF9, true); // a tap between two frames
    vtxhost::devices().setKey(kF9, false);
    host.frame();
    EXPECT_EQ(calls.size(), 2u);

    host.executeCommand("unbind F9");
    vtxhost::devices().setKey(kF9, true);
    host.frame();
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_TRUE(host.bindings().empty());
    hosttest::releaseKey(kF9);
}

TEST_F(Console, PressFromBeforeTheBindingDoesNotRunIt) {
    hosttest::releaseKey('K');
    vtxhost::devices().setKey('K', true);
    vtxhost::devices().setKey('K', false);
    host.executeCommand("bind k echo late");
    host.frame();
    EXPECT_TRUE(calls.empty());
    host.executeCommand("bind nokey echo");
    EXPECT_EQ(host.logLines().back(), "Unknown key: nokey");
}

TEST(KeyNames, NamesAndCodes) {
    using vtxhost::virtualKeyFromName;
    const std::pair<const char*, int> known[] = {
        {"F1", 112},    {"f9", 120},    {"F24", 135},      {"ESCAPE", 27},    {"A", 65},       {"z", 90},
        {"0", 48},      {"9", 57},      {"LCONTROL", 162}, {"RCONTROL", 163}, {"LSHIFT", 160}, {"RSHIFT", 161},
        {"LALT", 164},  {"RMENU", 165}, {"SHIFT", 16},     {"CONTROL", 17},   {"ALT", 18},     {"SPACE", 32},
        {"ENTER", 13},  {"RETURN", 13}, {"TAB", 9},        {"BACK", 8},       {"UP", 38},      {"DOWN", 40},
        {"LEFT", 37},   {"RIGHT", 39},  {"INSERT", 45},    {"DELETE", 46},    {"HOME", 36},    {"END", 35},
        {"PAGEUP", 33}, {"PRIOR", 33},  {"PAGEDOWN", 34},  {"NEXT", 34},      {"NUMPAD0", 96}, {"NUMPAD9", 105},
        {"120", 120},   {"27", 27},
    };
    for (const auto& [name, code] : known)
        EXPECT_EQ(virtualKeyFromName(name), code) << name;
    for (const char* unknown : {"F25", "F0", "nonsense", "", "256", "NUMPAD10"}) {
        EXPECT_EQ(virtualKeyFromName(unknown), -1) << unknown;
    }
}

} // namespace
