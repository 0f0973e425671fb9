#include <algorithm>

#include "CVarText.h"
#include "ConsoleLine.h"
#include "HostImpl.h"

namespace vtxhost {
namespace {

std::string joinWords(const std::vector<std::string>& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) {
        if (i > from)
            text += ' ';
        text += words[i];
    }
    return text;
}

} // namespace

void HostImpl::registerCommand(const std::string& name, int owner, std::function<void(std::vector<std::string>)> fn,
                               const std::string& description) {
    if (onWindowThread()) {
        toGameThread([=, this]() mutable { registerCommand(name, owner, std::move(fn), description); });
        return;
    }
    if (!ownerLive(owner) || !fn || name.empty())
        return;
    // A later registration of the same name replaces the earlier one.
    commands_[name] = Command{owner, std::make_shared<std::function<void(std::vector<std::string>)>>(std::move(fn)),
                              description, nextCommandOrder_++};
}

std::vector<std::string> HostImpl::commandNames() const {
    std::vector<const std::pair<const std::string, Command>*> ordered;
    for (const auto& entry : commands_)
        ordered.push_back(&entry);
    std::sort(ordered.begin(), ordered.end(), [](auto* a, auto* b) { return a->second.order < b->second.order; });
    std::vector<std::string> names;
    for (const auto* entry : ordered)
        names.push_back(entry->first);
    return names;
}

std::optional<std::string> HostImpl::commandDescription(const std::string& name) const {
    auto it = commands_.find(name);
    if (it == commands_.end())
        return std::nullopt;
    return it->second.description;
}

void HostImpl::executeCommand(const std::string& line, bool echo) {
    // The console is the game thread's, as a host's is.
    if (onWindowThread()) {
        toGameThread([this, line, echo] { executeCommand(line, echo); });
        return;
    }
    Action action(*this);
    if (echo && options_.echoCommands)
        log("> " + line);
    for (const auto& words : splitConsoleLine(line))
        runCommand(words);
}

void HostImpl::runCommand(const std::vector<std::string>& words) {
    if (runHostCommand(words))
        return;
    const std::string& name = words.front();

    if (auto it = commands_.find(name); it != commands_.end() && ownerLive(it->second.owner)) {
        auto fn = it->second.fn; // the command may replace itself while it runs
        std::vector<std::string> arguments(words.begin() + 1, words.end());
        guarded([&] { (*fn)(std::move(arguments)); });
        return;
    }
    if (CVarEntry* cvar = findCvar(name)) {
        if (words.size() == 1) {
            log(name + " = " + quoteConsoleWord(cvarValue(*cvar)));
        } else {
            setCvarText(*cvar, cvartext::normalizeText(joinWords(words, 1), cvar->info));
        }
        return;
    }
    log("Unknown command: " + name);
}

bool HostImpl::runHostCommand(const std::vector<std::string>& words) {
    const std::string& name = words.front();
    if (name == "togglemenu" || name == "openmenu" || name == "closemenu") {
        if (words.size() < 2) {
            log("Usage: " + name + " MENUNAME");
        } else if (!openWindow(words[1], name == "openmenu", name == "togglemenu")) {
            log("Unknown menu: " + words[1]);
        }
        return true;
    }
    if (name == "bind") {
        bindKey(words);
        return true;
    }
    if (name == "unbind") {
        unbindKey(words);
        return true;
    }
    if (name == "writeconfig" || name == "writepluginsconfig") {
        writeConfig();
        return true;
    }
    return false;
}

// The key named by the command's second word; -1 after logging why there is none.
int HostImpl::keyOfCommand(const std::vector<std::string>& words, const char* usage) {
    if (words.size() < 2) {
        log(std::string("Usage: ") + usage);
        return -1;
    }
    const int key = virtualKeyFromName(words[1]);
    if (key < 0)
        log("Unknown key: " + words[1]);
    return key;
}

void HostImpl::bindKey(const std::vector<std::string>& words) {
    const int key = keyOfCommand(words, "bind KEY \"COMMAND\"");
    if (key < 0)
        return;
    if (words.size() == 2) {
        auto it = bindings_.find(key);
        log(it == bindings_.end() ? words[1] + " is not bound" : words[1] + " = " + quoteConsoleWord(it->second));
        return;
    }
    bindings_[key] = joinWords(words, 2);
    // A press from before the binding existed must not run it.
    devices().takeKeyPressForHost(key);
}

void HostImpl::unbindKey(const std::vector<std::string>& words) {
    const int key = keyOfCommand(words, "unbind KEY");
    if (key >= 0)
        bindings_.erase(key);
}

} // namespace vtxhost
