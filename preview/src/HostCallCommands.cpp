// The host calls of the last frame (see vtxhost/HostCalls.h): how many
// console-variable reads, wrapper copies and canvas calls it made.
#include <array>
#include <string_view>

#include "CommandTable.h"

namespace vtxpreview {
namespace {

struct CallKind {
    std::string_view name;
    std::uint64_t vtxhost::HostCallCounts::*count;
};

constexpr std::array<CallKind, 3> kKinds = {{{"cvar-reads", &vtxhost::HostCallCounts::cvarReads},
                                             {"wrapper-copies", &vtxhost::HostCallCounts::wrapperCopies},
                                             {"canvas-calls", &vtxhost::HostCallCounts::canvasCalls}}};

// "cvar-reads 0 wrapper-copies 2 canvas-calls 57"
std::string describeCalls(const vtxhost::HostCallCounts& counts) {
    std::string text;
    for (const CallKind& kind : kKinds)
        text += (text.empty() ? "" : " ") + std::string(kind.name) + " " + std::to_string(counts.*kind.count);
    return text;
}

Action prepareExpect(const Args& args, const CompileContext&) {
    args.requireCount(2, 2);
    const CallKind kind = kKinds[args.choice(0, {kKinds[0].name, kKinds[1].name, kKinds[2].name})];
    const auto want = static_cast<std::uint64_t>(args.integer(1, 0, 1'000'000'000));
    return [kind, want](Session& session) {
        const vtxhost::HostCallCounts counts = session.host().frameCallCounts();
        const std::uint64_t found = counts.*kind.count;
        session.expect(found == want, "expected " + std::to_string(want) + " " + std::string(kind.name) +
                                          " in the last frame, found " + std::to_string(found) + " (" +
                                          describeCalls(counts) + ")");
    };
}

Action preparePrint(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) {
        session.out() << "host-calls: " << describeCalls(session.host().frameCallCounts()) << '\n';
    };
}

} // namespace

std::vector<CommandSpec> hostCallCommands() {
    return {
        {"expect host-calls", "cvar-reads|wrapper-copies|canvas-calls N",
         "the last frame made N such host calls: console-variable reads (CVarWrapper getters, getCvar), wrapper "
         "objects made or copied, CanvasWrapper calls",
         HostUse::Starts, prepareExpect},
        {"print host-calls", "", "the host calls of the last frame, by kind", HostUse::Starts, preparePrint},
    };
}

} // namespace vtxpreview
