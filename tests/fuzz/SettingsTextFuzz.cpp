// Any text as vtx_saved_settings.ini. Every pair read has a key that the
// trimming rules allow, and writing the pairs back as lines and reading them
// again gives the same pairs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/KeyValueLines.h"
#include "core/SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = vtx::parseSettingsText(text);
    std::string written;
    for (const vtx::SettingLine& line : read) {
        const char last = line.key.back(); // never empty
        if (last == ' ' || last == '\t' || last == '\r' || line.key.find_first_of("=\n") != std::string_view::npos)
            std::abort();
        if (line.value.find('\n') != std::string_view::npos || (!line.value.empty() && line.value.back() == '\r'))
            std::abort();
        written += vtx::keyValueLine(line.key, line.value);
    }
    // A value holding a lone CR loses it when written; the rest reads back the same.
    const auto again = vtx::parseSettingsText(written);
    if (again.size() != read.size())
        std::abort();
    for (std::size_t i = 0; i < read.size(); ++i) {
        const bool valueReadBack =
            read[i].value.find('\r') != std::string_view::npos || again[i].value == read[i].value;
        if (again[i].key != read[i].key || !valueReadBack)
            std::abort();
    }
    return 0;
}
