// Expectations about the host's state: variables, commands, the menu window
// and what the plugin has registered; and of the machine's, its Raw Input
// window and the feature reports asked of it.
#include <cstdint>
#include <limits>
#include <optional>

#include "CommandTable.h"

namespace vtxpreview {
namespace {

Action prepareCvar(const Args& args, const CompileContext&) {
    args.requireCount(2, SIZE_MAX);
    return [name = args.text(0), want = args.rest(1)](Session& session) {
        const auto value = session.host().cvarValue(name);
        const std::string found = value ? quoteWord(*value) : std::string("no such variable");
        session.expect(value == want, "expected " + name + " = " + quoteWord(want) + ", found " + found);
    };
}

Action prepareNoCvar(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    return [name = args.text(0)](Session& session) {
        const auto value = session.host().cvarValue(name);
        session.expect(!value,
                       "expected no variable " + name + ", found " + name + " = " + quoteWord(value.value_or("")));
    };
}

// With a description, the command must have been registered with exactly that text.
Action prepareCommand(const Args& args, const CompileContext&) {
    args.requireCount(1, SIZE_MAX);
    std::optional<std::string> want;
    if (args.count() > 1) {
        want = args.rest(1);
    }
    return [name = args.text(0), want](Session& session) {
        const auto found = session.host().commandDescription(name);
        if (!found) {
            session.expect(false, "expected a console command " + name + ", found none");
            return;
        }
        session.expect(!want || *found == *want, "expected " + name + " described as " + quoteWord(want.value_or("")) +
                                                     ", found " + quoteWord(*found));
    };
}

Action prepareMenu(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const bool wantOpen = args.choice(0, {"closed", "open"}) == 1;
    return [wantOpen](Session& session) {
        const bool open = session.host().windowOpen("vtx_menu");
        session.expect(open == wantOpen, std::string("expected the menu ") + (wantOpen ? "open" : "closed") +
                                             ", found it " + (open ? "open" : "closed"));
    };
}

Action prepareBind(const Args& args, const CompileContext&) {
    args.requireCount(2, SIZE_MAX);
    return [key = keyArg(args, 0), name = args.text(0), want = args.rest(1)](Session& session) {
        const auto bindings = session.host().bindings();
        const auto found = bindings.find(key);
        session.expect(found != bindings.end() && found->second == want,
                       "expected " + name + " bound to " + quoteWord(want) + ", found " +
                           (found == bindings.end() ? std::string("no binding") : quoteWord(found->second)));
    };
}

// The Raw Input window lives on the machine, not in the host.
Action prepareSink(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const bool want = args.choice(0, {"absent", "present"}) == 1;
    return [want](Session& session) {
        const bool found = vtxhost::devices().sinkExists();
        session.expect(found == want, std::string("expected the raw input sink ") + (want ? "present" : "absent") +
                                          ", found it " + (found ? "present" : "absent"));
    };
}

// Feature-report requests the machine has had, from one device or from all.
Action prepareFeatureRequests(const Args& args, const CompileContext&) {
    args.requireCount(1, 2);
    std::optional<std::uintptr_t> device;
    if (args.count() == 2)
        device = static_cast<std::uintptr_t>(args.integer(0, 0, std::numeric_limits<std::int64_t>::max()));
    const auto want = static_cast<int>(args.integer(args.count() - 1, 0, 1'000'000));
    return [device, want](Session& session) {
        const int found =
            device ? vtxhost::devices().featureReportRequests(*device) : vtxhost::devices().featureReportRequests();
        const std::string of = device ? "device " + std::to_string(*device) : std::string("all devices");
        session.expect(found == want, "expected " + std::to_string(want) + " feature-report requests to " + of +
                                          ", found " + std::to_string(found));
    };
}

// "expect hooks 30" and its kin: one host count against a number.
template <std::size_t (vtxhost::Host::*count)() const> Action prepareCount(const Args& args, const std::string& what) {
    args.requireCount(1, 1);
    const auto want = static_cast<std::size_t>(args.integer(0, 0, 1'000'000));
    return [want, what](Session& session) {
        const std::size_t found = (session.host().*count)();
        session.expect(found == want,
                       "expected " + std::to_string(want) + " " + what + ", found " + std::to_string(found));
    };
}

} // namespace

std::vector<CommandSpec> expectStateCommands() {
    return {
        {"expect cvar", "NAME TEXT...", "the variable's value is TEXT", HostUse::Starts, prepareCvar},
        {"expect nocvar", "NAME", "no such variable is registered", HostUse::Starts, prepareNoCvar},
        {"expect command", "NAME [DESCRIPTION...]", "a console command of that name (and description) exists",
         HostUse::Starts, prepareCommand},
        {"expect menu", "open|closed", "the window vtx_menu is open or closed", HostUse::Starts, prepareMenu},
        {"expect bind", "VK TEXT...", "the key runs the console text TEXT", HostUse::Starts, prepareBind},
        {"expect sink", "present|absent", "a Raw Input sink window exists", HostUse::None, prepareSink},
        {"expect feature-requests", "[DEVICE] N", "DEVICE (or all devices together) had N feature-report requests",
         HostUse::None, prepareFeatureRequests},
        {"expect hooks", "N", "N game-event hooks are registered", HostUse::Starts,
         [](const Args& a, const CompileContext&) {
             return prepareCount<&vtxhost::Host::registeredHooks>(a, "event hooks");
         }},
        {"expect timers", "N", "N timers are pending", HostUse::Starts,
         [](const Args& a, const CompileContext&) {
             return prepareCount<&vtxhost::Host::pendingTimers>(a, "pending timers");
         }},
        {"expect drawables", "N", "N drawables are registered", HostUse::Starts,
         [](const Args& a, const CompileContext&) {
             return prepareCount<&vtxhost::Host::registeredDrawables>(a, "drawables");
         }},
    };
}

} // namespace vtxpreview
