#pragma once
// Splits one scenario line into words: blanks separate words, '#' outside
// quotes ends the line, and a double-quoted word may hold blanks and escapes.
#include <string>
#include <string_view>
#include <vector>

namespace vtxpreview {

struct Word {
    std::string text;
    bool quoted = false;

    bool operator==(const Word&) const = default;
};

struct LexResult {
    std::vector<Word> words;
    std::string error; // empty when the line is well formed
};

LexResult splitLine(std::string_view line);

// The inverse of splitLine for one word: a quoted form that splits back into
// exactly `text`, for handing words with blanks on to the host console.
std::string quoteWord(std::string_view text);

} // namespace vtxpreview
