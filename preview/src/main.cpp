// vantrix-preview: the command line around scenario runs, the preview window
// and the skin check.
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "CheckSkin.h"
#include "Cli.h"
#include "Help.h"
#include "Program.h"
#include "Window.h"

namespace {

using namespace vtxpreview;
namespace fs = std::filesystem;

constexpr int exitFailed = 1;
// The build renders its skin packs into a host folder beside bin/.
constexpr const char* kPacksBesideProgram = "../bakkesmod/data/Vantrix/skins";
constexpr int exitError = 2;

fs::path besideProgram(const char* name) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return (error ? fs::path() : self.parent_path()) / name;
}

void reportErrors(const std::string& name, const std::vector<LineError>& errors) {
    for (const LineError& error : errors)
        std::cerr << name << ':' << error.line << ": error: " << error.message << '\n';
}

SessionOptions sessionOptions(const RunRequest& request, const CompileContext& context, const Program& program) {
    SessionOptions options;
    options.scenarioName = request.scenario.string();
    options.pluginPath = context.pluginPath;
    options.displayWidth = request.size.width;
    options.displayHeight = request.size.height;
    if (request.backdrop) {
        std::string error;
        if (!readPng(*request.backdrop, options.backdrop, error))
            throw std::runtime_error("--backdrop: " + error);
    }
    options.framesFolder = request.framesFolder;
    options.windowThread = request.windowThread;
    options.progressOut = &std::cerr;
    options.progressOnTerminal = isatty(STDERR_FILENO) != 0;
    options.lastLine = program.steps.empty() ? 0 : program.steps.back().line;
    return options;
}

// The run's last line. After an error it says where the run stopped, so the
// tally never reads as that of a whole run.
std::string summary(int passed, int failed, const LineError& error) {
    const std::string tally = std::to_string(passed) + " passed, " + std::to_string(failed) + " failed";
    if (error.message.empty())
        return tally;
    if (error.line > 0)
        return "stopped at line " + std::to_string(error.line) + " by an error: " + tally + " before it";
    return "every line ran, but the frames were not all written: " + tally;
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
                                 request.plugin ? fs::absolute(*request.plugin) : besideProgram("vantrix.so"),
                                 besideProgram(kPacksBesideProgram)};
    const Program program = compile(parseScript(text.str()), context);
    if (!program.errors.empty()) {
        reportErrors(name, program.errors);
        return exitError;
    }
    // The transcript takes the progress line off the terminal before each write.
    Session* running = nullptr;
    GuardedStreamBuf guard(std::cout.rdbuf(), [&running] {
        if (running)
            running->clearProgress();
    });
    std::ostream transcript(&guard);
    auto session = std::make_unique<Session>(sessionOptions(request, context, program), transcript);
    running = session.get();
    LineError error = run(program, *session);
    if (!error.message.empty()) {
        transcript.flush();
        session->clearProgress();
        reportErrors(name, {error}); // right after what the line that failed printed
    }
    std::string framesError;
    if (!session->finishFrames(framesError) && error.message.empty()) {
        error = {0, framesError};
        reportErrors(name, {error});
    }
    const int passed = session->passed(), failed = session->failed();
    running = nullptr;
    session.reset(); // the plugin's unloading logs before the summary, which comes last
    transcript << summary(passed, failed, error) << std::endl;
    if (!error.message.empty())
        return exitError;
    return failed ? exitFailed : 0;
}

int usage(const std::string& problem) {
    std::cerr << "vantrix-preview: " << problem << '\n' << kUsage << "(vantrix-preview help for more)\n";
    return exitError;
}

int dispatch(const std::vector<std::string>& args) {
    const std::string command = args.empty() ? "" : args[0];
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (command == "help" || command == "--help" || command == "-h") {
        printHelp(std::cout);
        return 0;
    }
    if (command == "run")
        return runScenario(parseRunArgs(rest));
    if (command == "window") {
        WindowRequest request = parseWindowArgs(rest);
        if (!request.plugin)
            request.plugin = besideProgram("vantrix.so");
        return runWindow(request, besideProgram(kPacksBesideProgram));
    }
    if (command == "check-skin")
        return checkSkin(parseCheckSkinArgs(rest), std::cout, std::cerr);
    return usage(command.empty() ? "no command" : "unknown command '" + command + "'");
}

} // namespace

int main(int argc, char** argv) {
    try {
        return dispatch({argv + 1, argv + argc});
    } catch (const UsageError& error) {
        return usage(error.what());
    } catch (const std::exception& error) { // temporary folders that cannot be made, and the like
        std::cerr << "vantrix-preview: error: " << error.what() << '\n';
        return exitError;
    }
}
