#pragma once
// Text inside the plugin is UTF-8, paths included; these two functions are
// where it meets the file system (wide calls on Windows), so a data folder or
// skin folder with non-ASCII letters round-trips unchanged.
#include <filesystem>
#include <string>
#include <string_view>

namespace vtx {

// The path as UTF-8 text; empty when it cannot be converted. Never throws.
std::string utf8FromPath(const std::filesystem::path& path);
// The path named by UTF-8 text; empty when the text is not valid UTF-8.
// Never throws.
std::filesystem::path pathFromUtf8(std::string_view text);

} // namespace vtx
