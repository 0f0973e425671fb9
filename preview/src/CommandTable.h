#pragma once
// The scenario commands: each one turns its argument words into an action
// before anything runs, so a bad line stops the run before its first step.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Args.h"
#include "Script.h"
#include "Session.h"

namespace vtxpreview {

using Action = std::function<void(Session&)>;

// What the preparation of a line may consult.
struct CompileContext {
    std::filesystem::path scenarioFolder;
    std::filesystem::path pluginPath;
    // The skin packs the build renders (xbox, ps5), which a scenario names as "packs:NAME".
    std::filesystem::path packsFolder;

    std::filesystem::path fromScenario(const std::string& relative) const { return scenarioFolder / relative; }
};

enum class HostUse {
    None,       // works without the host
    Starts,     // needs the host, which is started on first use
    BeforeHost, // only valid while the host has not started yet
};

struct CommandSpec {
    std::string_view name;  // one word, or two for "expect cvar" and the like
    std::string_view usage; // the arguments, for help
    std::string_view summary;
    HostUse host = HostUse::None;
    std::function<Action(const Args&, const CompileContext&)> prepare;
};

const std::vector<CommandSpec>& commandTable();

// The spec for a command record and how many words its name takes; throws
// ArgError for an unknown command.
const CommandSpec& findCommand(const Command& command, std::size_t& nameWords);

// A DST word: "appdata:REL" or REL, relative and not leaving its folder.
std::string targetArg(const Args& args, std::size_t i);

// A VK word: a decimal virtual-key code, or a key name such as F9 or ESCAPE.
int keyArg(const Args& args, std::size_t i);

// FILE.png, or FILE.png X Y W H: the part of the frame a picture command takes.
struct PictureRegion {
    int x = 0, y = 0, width = 0, height = 0;
};
std::optional<PictureRegion> pictureRegionArgs(const Args& args);
// The last frame's picture, cropped to the region; a RunError names `command`
// when SDL cannot draw it.
Picture lastPicture(Session& session, const std::string& command, const std::optional<PictureRegion>& region);

// The groups that make up the table, one source file each.
std::vector<CommandSpec> hostCommands();
std::vector<CommandSpec> deviceCommands();
std::vector<CommandSpec> guiCommands();
std::vector<CommandSpec> fileCommands();
std::vector<CommandSpec> expectStateCommands();
std::vector<CommandSpec> expectLogCommands();
std::vector<CommandSpec> expectFileCommands();
std::vector<CommandSpec> expectDrawCommands();
std::vector<CommandSpec> expectShapeCommands();
std::vector<CommandSpec> hostCallCommands();
std::vector<CommandSpec> expectPictureCommands();
std::vector<CommandSpec> printCommands();

} // namespace vtxpreview
