#include "core/SettingsText.h"

#include "core/KeyValueLines.h"

namespace vtx {

namespace {
std::string_view trimEnd(std::string_view text, std::string_view characters) {
    const std::size_t last = text.find_last_not_of(characters);
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}
} // namespace

std::vector<SettingLine> parseSettingsText(std::string_view text) {
    std::vector<SettingLine> settings;
    for (std::string_view line : splitLines(text)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = trimEnd(line.substr(0, equals), " \t\r");
        if (key.empty()) {
            continue;
        }
        settings.push_back({key, trimEnd(line.substr(equals + 1), "\r\n")});
    }
    return settings;
}

} // namespace vtx
