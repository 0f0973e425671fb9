#include "core/KeyValueLines.h"

namespace vtx {

std::string keyValueLine(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 2);
    line.append(key);
    line += '=';
    for (char c : value) {
        if (c != '\r' && c != '\n') {
            line += c;
        }
    }
    line += '\n';
    return line;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

} // namespace vtx
