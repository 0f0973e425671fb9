#include "Program.h"

#include <algorithm>

namespace vtxpreview {
namespace {

// Enforces that nothing fixes the host's folders once the host has started.
class HostOrder {
public:
    void check(const CommandSpec& spec, int line) {
        if (spec.host == HostUse::BeforeHost && startedAt_ != 0)
            throw ArgError(std::string(spec.name) + " must come before the host starts (it starts at line " +
                           std::to_string(startedAt_) + ")");
        if (spec.host == HostUse::Starts && startedAt_ == 0)
            startedAt_ = line;
    }

private:
    int startedAt_ = 0;
};

} // namespace

Program compile(const Script& script, const CompileContext& context) {
    Program program;
    program.errors = script.errors;
    HostOrder order;
    for (const Command& command : script.commands) {
        try {
            std::size_t nameWords = 0;
            const CommandSpec& spec = findCommand(command, nameWords);
            const Args args(command, nameWords, std::string(spec.name));
            Action action = spec.prepare(args, context);
            order.check(spec, command.line); // after the arguments, so a bad line starts nothing
            program.steps.push_back({command.line, std::move(action)});
        } catch (const ArgError& error) {
            program.errors.push_back({command.line, error.what()});
        }
    }
    std::stable_sort(program.errors.begin(), program.errors.end(),
                     [](const LineError& a, const LineError& b) { return a.line < b.line; });
    if (!program.errors.empty())
        program.steps.clear();
    return program;
}

LineError run(const Program& program, Session& session) {
    for (const Step& step : program.steps) {
        session.setLine(step.line);
        try {
            step.run(session);
        } catch (const std::exception& error) { // RunError, or a file the machine refused
            return {step.line, error.what()};
        }
    }
    return {};
}

} // namespace vtxpreview
