#pragma once
// JSON text for the few values the preview writes for tools.
#include <string>
#include <string_view>

namespace vtxpreview {

// A JSON string, quotes included. Bytes that are not valid UTF-8 (a file name
// in another encoding) become U+FFFD, so the output always parses.
std::string jsonString(std::string_view text);

} // namespace vtxpreview
