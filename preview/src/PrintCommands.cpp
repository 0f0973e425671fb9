// Commands that write to the transcript or to files rather than check anything.
#include "CommandTable.h"
#include "DrawFormat.h"
#include "FrameRenderer.h"

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

Action preparePrintTexts(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) {
        const auto& texts = session.host().lastFrame().texts;
        session.out() << "texts: " << texts.size() << '\n';
        for (std::size_t i = 0; i < texts.size(); ++i)
            session.out() << "text " << i << ": " << describeText(texts[i]) << '\n';
    };
}

// Lines and boxes in call order, each numbered among its kind as "expect
// line" and "expect box" count them.
Action preparePrintShapes(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) {
        const auto& shapes = session.host().lastFrame().shapes;
        session.out() << "shapes: " << shapes.size() << '\n';
        std::size_t lines = 0, boxes = 0;
        for (const vtxhost::ShapeDraw& shape : shapes) {
            if (shape.kind == vtxhost::ShapeDraw::Kind::Line)
                session.out() << "line " << lines++;
            else
                session.out() << "box " << boxes++;
            session.out() << ": " << describeShape(shape) << '\n';
        }
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
    return [path = std::filesystem::path(args.text(0)), region = pictureRegionArgs(args)](Session& session) {
        const Picture picture = lastPicture(session, "snapshot", region);
        std::string error;
        if (!writePng(path, picture, error))
            throw RunError(error);
        session.out() << "# snapshot " << path.string() << '\n';
    };
}

Action prepareMark(const Args& args, const CompileContext&) {
    return [label = args.rest(0)](Session& session) { session.mark(label); };
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
        {"print texts", "", "list the DrawString calls of the last frame", HostUse::Starts, preparePrintTexts},
        {"print shapes", "", "list the lines and boxes of the last frame, in call order", HostUse::Starts,
         preparePrintShapes},
        {"print cvars", "[PREFIX]", "list the variables (starting with PREFIX) as name = \"value\"", HostUse::Starts,
         preparePrintCvars},
        {"snapshot", "FILE.png [X Y W H]",
         "picture of the last frame: canvas, then plugin windows (FILE relative to the working folder; X Y W H crop)",
         HostUse::Starts, prepareSnapshot},
        {"mark", "LABEL...",
         "the last frame is a key moment: with run --frames, it goes on the contact sheet under LABEL", HostUse::Starts,
         prepareMark},
        {"echo", "TEXT...", "write a '# TEXT' line to the transcript", HostUse::None, prepareEcho},
    };
}

} // namespace vtxpreview
