#pragma once
// The console's line syntax: commands separated by ';' outside quotes, each
// split into words on blanks; a double-quoted part may hold blanks and ';',
// with \" and \\ for a quote and a backslash.
#include <string>
#include <string_view>
#include <vector>

namespace vtxhost {

using ConsoleWords = std::vector<std::string>;

// The commands of a line, in order; empty commands are left out.
std::vector<ConsoleWords> splitConsoleLine(std::string_view line);

} // namespace vtxhost
