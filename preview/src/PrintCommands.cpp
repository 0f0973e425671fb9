// Commands that write to the transcript rather than check anything.
#include "CommandTable.h"
#include "DrawFormat.h"
#include "Snapshot.h"

namespace vtxpreview {
namespace {

Action preparePrintDraws(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) {
        const auto& draws = session.host().lastFrame().draws;
        session.out() << "draws: " << draws.size() << '\n';
        for (std::size_t i = 0; i < draws.size(); ++i)
            session.out() << "draw " << i << ": " << describeDraw(draws[i]) << '\n';
    };
}

Action preparePrintCvars(const Args& args, const CompileContext&) {
    args.requireCount(0, 1);
    return [prefix = args.count() ? args.text(0) : std::string()](Session& session) {
        for (const vtxhost::CVarInfo& cvar : session.host().cvars())
            if (cvar.name.starts_with(prefix))
                session.out() << cvar.name << " = " << quoteWord(cvar.value) << '\n';
    };
}

// PATH is taken as given (relative to the working folder), so that pictures
// land where the user runs the preview, not among the scenarios.
Action prepareSnapshot(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    return [path = std::filesystem::path(args.text(0))](Session& session) {
        const vtxhost::HostOptions display; // the host's display size
        std::string error;
        if (!writePng(path, renderFrame(session.host().lastFrame(), display.displayWidth, display.displayHeight),
                      error))
            throw RunError(error);
        session.out() << "# snapshot " << path.string() << '\n';
    };
}

Action prepareEcho(const Args& args, const CompileContext&) {
    // Marked like a comment so a transcript line is never mistaken for a result.
    return [text = args.count() ? " " + args.rest(0) : std::string()](Session& session) {
        session.out() << '#' << text << '\n';
    };
}

} // namespace

std::vector<CommandSpec> printCommands() {
    return {
        {"print draws", "", "list the DrawTexture calls of the last frame", HostUse::Starts, preparePrintDraws},
        {"print cvars", "[PREFIX]", "list the variables (starting with PREFIX) as name = \"value\"", HostUse::Starts,
         preparePrintCvars},
        {"snapshot", "FILE.png", "write a picture of the last frame's drawing (relative to the working folder)",
         HostUse::Starts, prepareSnapshot},
        {"echo", "TEXT...", "write a '# TEXT' line to the transcript", HostUse::None, prepareEcho},
    };
}

} // namespace vtxpreview
