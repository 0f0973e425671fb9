#include "CommandTable.h"

namespace vtxpreview {

const std::vector<CommandSpec>& commandTable() {
    static const std::vector<CommandSpec> table = [] {
        std::vector<CommandSpec> all;
        for (auto group : {hostCommands, deviceCommands, fileCommands, expectStateCommands, expectLogCommands,
                           expectFileCommands, expectDrawCommands, expectShapeCommands, expectPictureCommands,
                           guiCommands, printCommands, hostCallCommands}) {
            auto specs = group();
            all.insert(all.end(), specs.begin(), specs.end());
        }
        return all;
    }();
    return table;
}

namespace {

const CommandSpec* lookup(std::string_view name) {
    for (const CommandSpec& spec : commandTable())
        if (spec.name == name)
            return &spec;
    return nullptr;
}

// "expect" alone, or "expect bogus": list the kinds that exist.
std::string kindsOf(const std::string& first) {
    std::string kinds;
    for (const CommandSpec& spec : commandTable()) {
        if (spec.name.size() > first.size() && spec.name.starts_with(first + " "))
            kinds += (kinds.empty() ? "" : "|") + std::string(spec.name.substr(first.size() + 1));
    }
    return kinds;
}

} // namespace

const CommandSpec& findCommand(const Command& command, std::size_t& nameWords) {
    const std::string& first = command.words.front().text;
    if (command.words.size() >= 2) {
        if (const CommandSpec* spec = lookup(first + " " + command.words[1].text)) {
            nameWords = 2;
            return *spec;
        }
    }
    if (const CommandSpec* spec = lookup(first)) {
        nameWords = 1;
        return *spec;
    }
    const std::string kinds = kindsOf(first);
    if (kinds.empty())
        throw ArgError("unknown command '" + first + "' (see vantrix-preview help)");
    if (command.words.size() < 2)
        throw ArgError(first + " needs one of " + kinds);
    throw ArgError("unknown " + first + " '" + command.words[1].text + "', expected one of " + kinds);
}

} // namespace vtxpreview
