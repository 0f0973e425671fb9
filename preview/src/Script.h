#pragma once
// A scenario file as a list of command records, one per non-empty line.
#include <string>
#include <string_view>
#include <vector>

#include "Lexer.h"

namespace vtxpreview {

struct Command {
    int line = 0;            // 1-based line number in the file
    std::vector<Word> words; // never empty
};

struct LineError {
    int line = 0;
    std::string message;
};

struct Script {
    std::vector<Command> commands;
    std::vector<LineError> errors; // every malformed line, so one run reports them all
};

Script parseScript(std::string_view text);

} // namespace vtxpreview
