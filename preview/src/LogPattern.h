#pragma once
// How "expect log" matches a logged line: exactly, or by prefix when the
// pattern ends in '*' (plugin lines often end in values the scenario cannot know).
#include <string_view>

namespace vtxpreview {

bool logLineMatches(std::string_view line, std::string_view pattern);

} // namespace vtxpreview
