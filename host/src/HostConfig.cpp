// The host's configuration file: one `name "value"` line per saved console
// variable, read when the host starts and written by "writeconfig".
#include <algorithm>
#include <fstream>
#include <system_error>

#include "ConsoleLine.h"
#include "HostImpl.h"

namespace vtxhost {

void HostImpl::readConfig() {
    if (options_.dataFolder.empty())
        return;
    std::ifstream in(options_.dataFolder / kConfigFileName);
    if (!in)
        return;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("//", 0) == 0 || line.rfind('#', 0) == 0)
            continue;
        auto commands = splitConsoleLine(line);
        if (commands.empty() || commands.front().size() < 2)
            continue;
        const auto& words = commands.front();
        auto same = [&](const auto& entry) { return entry.first == words[0]; };
        std::erase_if(savedConfig_, same);
        savedConfig_.emplace_back(words[0], words[1]);
    }
}

void HostImpl::writeConfig() {
    if (options_.dataFolder.empty()) {
        log("No data folder: configuration not written");
        return;
    }
    // Saved values of variables that nobody registered in this session stay
    // in the file, so a plugin that is not loaded keeps its settings.
    std::vector<std::pair<std::string, std::string>> lines;
    for (const auto& info : cvarInfos()) {
        if (info.save)
            lines.emplace_back(info.name, info.value);
    }
    for (const auto& saved : savedConfig_) {
        if (!findCvar(saved.first))
            lines.push_back(saved);
    }

    std::error_code ec;
    std::filesystem::create_directories(options_.dataFolder, ec);
    std::ofstream out(options_.dataFolder / kConfigFileName, std::ios::trunc);
    for (const auto& [name, value] : lines)
        out << name << ' ' << quoteConsoleWord(value) << '\n';
    out.flush();
    if (!out) {
        log(std::string("Could not write ") + kConfigFileName);
        return;
    }
    savedConfig_ = std::move(lines);
}

} // namespace vtxhost
