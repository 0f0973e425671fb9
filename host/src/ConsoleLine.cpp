#include "ConsoleLine.h"

#include "vtxhost/Host.h"

namespace vtxhost {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

std::vector<ConsoleWords> splitConsoleLine(std::string_view line) {
    std::vector<ConsoleWords> commands;
    ConsoleWords words;
    std::string word;
    bool inWord = false; // a word was started, even an empty quoted one
    bool quoted = false;

    auto endWord = [&] {
        if (inWord)
            words.push_back(std::move(word));
        word.clear();
        inWord = false;
    };
    auto endCommand = [&] {
        endWord();
        if (!words.empty())
            commands.push_back(std::move(words));
        words.clear();
    };

    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (quoted) {
            if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                word += line[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else if (c == ';') {
            endCommand();
        } else if (isBlank(c)) {
            endWord();
        } else {
            word += c;
            inWord = true;
        }
    }
    endCommand(); // an unclosed quote runs to the end of the line
    return commands;
}

std::string quoteConsoleWord(std::string_view word) {
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

} // namespace vtxhost
