#include <gtest/gtest.h>

#include "Lexer.h"

using vtxpreview::quoteWord;
using vtxpreview::splitLine;
using vtxpreview::Word;

namespace {

std::vector<std::string> texts(std::string_view line) {
    const auto result = splitLine(line);
    EXPECT_EQ(result.error, "") << line;
    std::vector<std::string> out;
    for (const Word& word : result.words)
        out.push_back(word.text);
    return out;
}

std::string errorOf(std::string_view line) {
    const auto result = splitLine(line);
    EXPECT_TRUE(result.words.empty()) << "a bad line yields no words: " << line;
    return result.error;
}

using Words = std::vector<std::string>;

} // namespace

TEST(Lexer, BlanksSeparateWordsAndCollapse) {
    EXPECT_EQ(texts("  frame\t 60  "), (Words{"frame", "60"}));
    EXPECT_EQ(texts(""), Words{});
    EXPECT_EQ(texts("   \t"), Words{});
}

TEST(Lexer, HashStartsACommentOutsideQuotesOnly) {
    EXPECT_EQ(texts("# whole line"), Words{});
    EXPECT_EQ(texts("frame 2 # two frames"), (Words{"frame", "2"}));
    EXPECT_EQ(texts("write a.txt abc#def"), (Words{"write", "a.txt", "abc"}));
    EXPECT_EQ(texts(R"(hid 7 "\\\\?\\HID#VID_054C" 01)"), (Words{"hid", "7", R"(\\?\HID#VID_054C)", "01"}));
    EXPECT_EQ(texts(R"(write x "a"# after)"), (Words{"write", "x", "a"}));
}

TEST(Lexer, QuotedWordsKeepBlanksAndMayBeEmpty) {
    const auto result = splitLine(R"(console bind F9 "togglemenu  vtx_menu" "")");
    ASSERT_EQ(result.words.size(), 5u);
    EXPECT_EQ(result.words[3], (Word{"togglemenu  vtx_menu", true}));
    EXPECT_EQ(result.words[4], (Word{"", true}));
    EXPECT_FALSE(result.words[2].quoted);
}

TEST(Lexer, EscapesInsideQuotes) {
    EXPECT_EQ(texts(R"("a\nb\rc\td")"), Words{"a\nb\rc\td"});
    EXPECT_EQ(texts(R"("\\ \"")"), Words{"\\ \""});
    EXPECT_EQ(texts(R"("\x41\x7e\x00z")"), Words{std::string("A~\0z", 4)});
    EXPECT_EQ(texts(R"("\xfF")"), Words{"\xff"});
}

TEST(Lexer, BareWordsAreLiteral) {
    EXPECT_EQ(texts(R"(put skins\xbox C:\n)"), (Words{"put", R"(skins\xbox)", R"(C:\n)"}));
}

TEST(Lexer, MalformedLinesAreErrors) {
    EXPECT_EQ(errorOf(R"(write a "open)"), "unterminated quoted word");
    EXPECT_EQ(errorOf(R"(write a "ends in \)"), "backslash at the end of the line");
    EXPECT_EQ(errorOf(R"("\q")"), "unknown escape \\q");
    EXPECT_EQ(errorOf(R"("\x4")"), "\\x needs two hex digits");
    EXPECT_EQ(errorOf(R"("\xg0")"), "\\x needs two hex digits");
    EXPECT_EQ(errorOf(R"("\x)"), "\\x needs two hex digits");
    EXPECT_EQ(errorOf(R"("a"b)"), "text right after a closing quote");
    EXPECT_EQ(errorOf(R"(ab"c d")"), "quote inside a word (quote the whole word)");
}

TEST(Lexer, WindowsLineEndsAreDropped) {
    EXPECT_EQ(texts("frame 3\r"), (Words{"frame", "3"}));
    EXPECT_EQ(texts("write a \"x\"\r"), (Words{"write", "a", "x"}));
}

TEST(Lexer, QuoteWordSplitsBackToTheSameText) {
    for (const std::string& text : {std::string(""), std::string("a b"), std::string("say \"hi\" \\o/"),
                                    std::string("#not a comment"), std::string("tab\tnl\ncr\r\x01\x7f")}) {
        const auto result = splitLine(quoteWord(text));
        ASSERT_EQ(result.words.size(), 1u) << quoteWord(text);
        EXPECT_EQ(result.words[0].text, text);
    }
}
