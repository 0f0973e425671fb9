#pragma once
// The text of vtx_saved_settings.ini, read as key and value pairs. A pure
// function, so the file code only moves bytes.
#include <string_view>
#include <vector>

namespace vtx {

struct SettingLine {
    std::string_view key;
    std::string_view value;
};

// Lines split at LF. A line without "=" is skipped; the key is the text
// before the first "=" without its trailing blanks, tabs and CRs, the value
// everything after it without its trailing CRs (and LFs). Nothing is removed
// at the start of either. A line whose key ends up empty is skipped. Views
// into `text`, in file order.
std::vector<SettingLine> parseSettingsText(std::string_view text);

} // namespace vtx
