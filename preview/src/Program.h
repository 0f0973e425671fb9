#pragma once
// A scenario checked and turned into steps, and the running of those steps.
#include <vector>

#include "CommandTable.h"

namespace vtxpreview {

struct Step {
    int line = 0;
    Action run;
};

struct Program {
    std::vector<Step> steps;
    std::vector<LineError> errors; // when not empty, nothing may run
};

Program compile(const Script& script, const CompileContext& context);

// Runs every step; a RunError (or any failure of the machine) stops the run
// and is returned with its line. An empty message means the run completed.
LineError run(const Program& program, Session& session);

} // namespace vtxpreview
