#pragma once
// The line format of the plugin's text files: one key=value a line. Pure
// functions.
#include <string>
#include <string_view>
#include <vector>

namespace vtx {

// "key=value\n" with every CR and LF left out of the value, so that a value
// can never start a line of its own.
std::string keyValueLine(std::string_view key, std::string_view value);

// The text split at each LF; a CR before it stays with its line. A last line
// without an LF counts; nothing after a final LF does.
std::vector<std::string_view> splitLines(std::string_view text);

} // namespace vtx
