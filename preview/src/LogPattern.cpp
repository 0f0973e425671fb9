#include "LogPattern.h"

namespace vtxpreview {

bool logLineMatches(std::string_view line, std::string_view pattern) {
    if (!pattern.empty() && pattern.back() == '*')
        return line.starts_with(pattern.substr(0, pattern.size() - 1));
    return line == pattern;
}

} // namespace vtxpreview
