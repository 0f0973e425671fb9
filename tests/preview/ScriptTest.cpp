#include <gtest/gtest.h>

#include "Args.h"
#include "LogPattern.h"
#include "Script.h"

using namespace vtxpreview;

TEST(Script, CommandsKeepTheirLineNumbers) {
    const Script script = parseScript("# header\n\nload\r\n  frame 60 # one second\nexpect cvar vtx_enabled 1");
    EXPECT_TRUE(script.errors.empty());
    ASSERT_EQ(script.commands.size(), 3u);
    EXPECT_EQ(script.commands[0].line, 3);
    EXPECT_EQ(script.commands[1].line, 4);
    EXPECT_EQ(script.commands[2].line, 5);
    EXPECT_EQ(script.commands[2].words.size(), 4u);
}

TEST(Script, AByteOrderMarkIsNotPartOfTheFirstWord) {
    const Script script = parseScript("\xEF\xBB\xBFload\n");
    ASSERT_EQ(script.commands.size(), 1u);
    EXPECT_EQ(script.commands[0].words[0].text, "load");
}

TEST(Script, EveryBadLineIsReportedAndGoodLinesStillParse) {
    const Script script = parseScript("write a \"x\n\"\\q\"\nframe\n");
    ASSERT_EQ(script.errors.size(), 2u);
    EXPECT_EQ(script.errors[0].line, 1);
    EXPECT_EQ(script.errors[1].line, 2);
    ASSERT_EQ(script.commands.size(), 1u);
    EXPECT_EQ(script.commands[0].line, 3);
}

namespace {
Args argsOf(std::string_view line, std::size_t skip = 1) {
    const Script script = parseScript(line);
    return Args(script.commands.at(0), skip, script.commands.at(0).words[0].text);
}

std::string errorOf(auto&& call) {
    try {
        call();
    } catch (const ArgError& error) {
        return error.what();
    }
    return "no error";
}
} // namespace

TEST(Args, CountsAndRanges) {
    const Args args = argsOf("xpad 4 lt 256");
    EXPECT_EQ(errorOf([&] { args.requireCount(1, 1); }), "xpad takes 1 argument, got 3");
    EXPECT_EQ(errorOf([&] { args.requireCount(0, 0); }), "xpad takes 0 arguments, got 3");
    EXPECT_EQ(errorOf([&] { args.requireCount(4, SIZE_MAX); }), "xpad takes at least 4 arguments, got 3");
    EXPECT_EQ(errorOf([&] { args.integer(0, 0, 3); }), "xpad: argument 1 '4' is out of range 0..3");
    EXPECT_EQ(errorOf([&] { args.integer(1, 0, 3); }), "xpad: argument 2 'lt' is not an integer");
    EXPECT_EQ(errorOf([&] { args.text(3); }), "xpad: missing argument 4");
    EXPECT_EQ(args.integer(2, 0, 256), 256);
}

TEST(Args, ChoicesFlagsAndHex) {
    const Args args = argsOf("key F9 press 2 0x10000 ffff");
    EXPECT_EQ(errorOf([&] {
                  args.choice(1, {"down", "up", "tap"});
              }),
              "key: argument 2 'press' is not one of down|up|tap");
    EXPECT_EQ(errorOf([&] { args.flag(2); }), "key: argument 3 '2' is not one of 0|1");
    EXPECT_EQ(errorOf([&] { args.hex(3, 0xffff); }), "key: argument 4 '0x10000' is out of range 0..0xffff");
    EXPECT_EQ(args.hex(4, 0xffff), 0xffffu);
}

TEST(Args, RestJoinsWordsWithSingleBlanks) {
    const Args args = argsOf("expect cvar vtx_skin   \"two  blanks\"  x", 2);
    EXPECT_EQ(args.rest(1), "two  blanks x");
    EXPECT_EQ(errorOf([&] { args.rest(3); }), "expect: missing argument 4");
}

TEST(Args, HexBytesErrorsNameTheCommand) {
    const Args args = argsOf("hid 1 pad 01 0");
    EXPECT_EQ(args.hexBytes(2), std::vector<std::uint8_t>{1});
    EXPECT_EQ(errorOf([&] { args.hexBytes(3); }), "hid: '0' has an odd number of hex digits");
}

TEST(LogPattern, ExactOrPrefixWithTrailingStar) {
    EXPECT_TRUE(logLineMatches("[vtx] Saved ALL settings.", "[vtx] Saved ALL settings."));
    EXPECT_FALSE(logLineMatches("[vtx] Saved ALL settings.", "[vtx] Saved ALL"));
    EXPECT_TRUE(logLineMatches("[vtx] loaded skin xbox", "[vtx] loaded*"));
    EXPECT_TRUE(logLineMatches("anything", "*"));
    EXPECT_FALSE(logLineMatches("[vtx]", "[vtx] *"));
}
