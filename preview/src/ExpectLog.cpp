// Expectations about the console log. A matched "expect log" consumes the
// lines up to the match, so a sequence of them checks the order of lines.
#include "CommandTable.h"
#include "LogPattern.h"

namespace vtxpreview {
namespace {

// The index of the first line at or after `from` that matches, or the log's size.
std::size_t findLine(const Session& session, std::size_t from, const std::string& pattern) {
    const auto& log = session.log();
    for (std::size_t i = from; i < log.size(); ++i)
        if (logLineMatches(log[i], pattern))
            return i;
    return log.size();
}

std::string sinceText(const Session& session) {
    const std::size_t lines = session.log().size() - session.logCursor;
    return std::to_string(lines) + " line" + (lines == 1 ? "" : "s") + " since the previous log expectation";
}

Action prepareLog(const Args& args, const CompileContext&) {
    return [pattern = args.rest(0)](Session& session) {
        const std::size_t at = findLine(session, session.logCursor, pattern);
        const bool found = at < session.log().size();
        session.expect(found, "expected a log line " + quoteWord(pattern) + ", found none in " + sinceText(session));
        if (found)
            session.logCursor = at + 1;
    };
}

// Does not move the cursor: absence says nothing about where later lines are.
Action prepareNoLog(const Args& args, const CompileContext&) {
    return [pattern = args.rest(0)](Session& session) {
        const std::size_t at = findLine(session, session.logCursor, pattern);
        const bool absent = at == session.log().size();
        session.expect(absent, "expected no log line " + quoteWord(pattern) + ", found " +
                                   (absent ? std::string() : quoteWord(session.log()[at])));
    };
}

} // namespace

std::vector<CommandSpec> expectLogCommands() {
    return {
        {"expect log", "TEXT...",
         "a line equal to TEXT (or starting with it, when TEXT ends in *) was logged since the previous match",
         HostUse::None, prepareLog},
        {"expect nolog", "TEXT...", "no such line was logged since the previous match", HostUse::None, prepareNoLog},
    };
}

} // namespace vtxpreview
