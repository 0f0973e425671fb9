#include "core/Paths.h"

namespace vtx {

std::string utf8FromPath(const std::filesystem::path& path) {
    try {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    } catch (...) {
        return {};
    }
}

std::filesystem::path pathFromUtf8(std::string_view text) {
    try {
        return std::filesystem::path(std::u8string(text.begin(), text.end()));
    } catch (...) {
        return {};
    }
}

} // namespace vtx
