// vantrix-preview: the command line around a scenario run.
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Help.h"
#include "Program.h"

namespace {

using namespace vtxpreview;
namespace fs = std::filesystem;

constexpr int exitFailed = 1;
constexpr int exitError = 2;

struct RunRequest {
    fs::path scenario;
    std::optional<fs::path> plugin;
};

std::optional<RunRequest> parseRunArgs(const std::vector<std::string>& args) {
    RunRequest request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--plugin" && i + 1 < args.size())
            request.plugin = args[++i];
        else if (args[i].starts_with("--plugin="))
            request.plugin = args[i].substr(9);
        else if (request.scenario.empty() && !args[i].starts_with("-"))
            request.scenario = args[i];
        else
            return std::nullopt;
    }
    if (request.scenario.empty())
        return std::nullopt;
    return request;
}

fs::path defaultPlugin() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return (error ? fs::path() : self.parent_path()) / "vantrix.so";
}

void reportErrors(const std::string& name, const std::vector<LineError>& errors) {
    for (const LineError& error : errors)
        std::cerr << name << ':' << error.line << ": error: " << error.message << '\n';
}

int runScenario(const RunRequest& request) {
    const std::string name = request.scenario.string();
    std::ifstream file(request.scenario, std::ios::binary);
    if (!file) {
        std::cerr << name << ": error: cannot read the scenario\n";
        return exitError;
    }
    std::ostringstream text;
    text << file.rdbuf();

    const CompileContext context{fs::absolute(request.scenario).parent_path(),
                                 request.plugin ? fs::absolute(*request.plugin) : defaultPlugin()};
    const Program program = compile(parseScript(text.str()), context);
    if (!program.errors.empty()) {
        reportErrors(name, program.errors);
        return exitError;
    }
    Session session({name, context.pluginPath}, std::cout);
    const LineError error = run(program, session);
    std::cout << session.passed() << " passed, " << session.failed() << " failed" << std::endl;
    if (!error.message.empty()) {
        reportErrors(name, {error});
        return exitError;
    }
    return session.failed() ? exitFailed : 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "help" || args[0] == "--help" || args[0] == "-h")) {
        printHelp(std::cout);
        return 0;
    }
    const auto request =
        args.size() >= 2 && args[0] == "run" ? parseRunArgs({args.begin() + 1, args.end()}) : std::nullopt;
    if (!request) {
        std::cerr << "usage: vantrix-preview run FILE.vtx [--plugin PATH] (vantrix-preview help for more)\n";
        return exitError;
    }
    try {
        return runScenario(*request);
    } catch (const std::exception& error) { // temporary folders that cannot be made, and the like
        std::cerr << request->scenario.string() << ": error: " << error.what() << '\n';
        return exitError;
    }
}
