#include "Script.h"

namespace vtxpreview {

Script parseScript(std::string_view text) {
    Script script;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3); // editors on Windows add a BOM
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        LexResult lexed = splitLine(line);
        if (!lexed.error.empty()) {
            script.errors.push_back({lineNumber, std::move(lexed.error)});
        } else if (!lexed.words.empty()) {
            script.commands.push_back({lineNumber, std::move(lexed.words)});
        }
    }
    return script;
}

} // namespace vtxpreview
