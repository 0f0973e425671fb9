// Commands that drive the host: the plugin's lifecycle, the clock, the game
// state, game events and the console.
#include <cmath>

#include "CommandTable.h"

namespace vtxpreview {
namespace {

Action prepareLoad(const Args& args, const CompileContext& context) {
    args.requireCount(0, 0);
    // Checked up front, so a scenario does not half-run before finding no plugin.
    if (!std::filesystem::is_regular_file(context.pluginPath))
        throw ArgError("plugin library not found: " + context.pluginPath.string());
    return [](Session& session) {
        std::string error;
        if (!session.host().load(session.pluginPath(), &error))
            throw RunError("cannot load " + session.pluginPath().string() + ": " + error);
    };
}

Action prepareDisplay(const Args& args, const CompileContext&) {
    args.requireCount(2, 2);
    const int width = static_cast<int>(args.integer(0, 1, 16384));
    const int height = static_cast<int>(args.integer(1, 1, 16384));
    return [width, height](Session& session) { session.setDisplaySize(width, height); };
}

Action prepareUnload(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) { session.host().unload(); };
}

Action prepareFrame(const Args& args, const CompileContext&) {
    args.requireCount(0, 1);
    const long long frames = args.count() ? args.integer(0, 0, 10'000'000) : 1;
    return [frames](Session& session) {
        for (long long i = 0; i < frames; ++i)
            session.frame();
    };
}

Action prepareFps(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const double fps = args.number(0, 1, 10'000);
    return [fps](Session& session) { session.host().setFrameRate(fps); };
}

Action prepareWait(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const auto ns = static_cast<std::int64_t>(std::llround(args.number(0, 0, 1e9) * 1e6));
    return [ns](Session& session) { session.host().advance(ns); };
}

Action prepareState(const Args& args, const CompileContext&) {
    args.requireCount(2, 2);
    static constexpr bool vtxhost::GameState::*flags[] = {&vtxhost::GameState::online, &vtxhost::GameState::freeplay,
                                                          &vtxhost::GameState::replay, &vtxhost::GameState::paused,
                                                          &vtxhost::GameState::car};
    const std::size_t key = args.choice(0, {"online", "freeplay", "replay", "paused", "car", "map"});
    if (key == std::size(flags)) {
        return [map = args.text(1)](Session& session) { session.host().game().map = map; };
    }
    return [flag = flags[key], value = args.flag(1)](Session& session) { session.host().game().*flag = value; };
}

Action prepareCvarCallbacks(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const bool always = args.choice(0, {"always", "on-change"}) == 0;
    return [always](Session& session) { session.host().setCallbacksOnUnchangedValue(always); };
}

Action prepareWindowThread(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    const bool on = args.choice(0, {"off", "on"}) == 1;
    return [on](Session& session) { session.host().setWindowThread(on); };
}

Action prepareEvent(const Args& args, const CompileContext&) {
    // Event names hold a blank ("Function TAGame.…"), so the rest of the line is the name.
    return [name = args.rest(0)](Session& session) { session.host().fireEvent(name); };
}

// Quoted words stay one word for the console.
std::string consoleLine(const Args& args) {
    std::string line;
    for (std::size_t i = 0; i < args.count(); ++i) {
        if (i)
            line += ' ';
        line += args.quoted(i) ? vtxhost::quoteConsoleWord(args.text(i)) : args.text(i);
    }
    return line;
}

Action prepareConsole(const Args& args, const CompileContext&) {
    args.requireCount(1, SIZE_MAX);
    return [line = consoleLine(args)](Session& session) { session.host().executeCommand(line); };
}

} // namespace

std::vector<CommandSpec> hostCommands() {
    return {
        {"display", "W H",
         "the game's resolution, the canvas's and the menu's size (default 2560 1440 or run's --size); before the "
         "host starts",
         HostUse::BeforeHost, prepareDisplay},
        {"load", "", "load the plugin library and call its onLoad", HostUse::Starts, prepareLoad},
        {"unload", "", "onUnload, deleteMe and drop the plugin's registrations", HostUse::Starts, prepareUnload},
        {"frame", "[N]", "run N host frames (default 1)", HostUse::Starts, prepareFrame},
        {"fps", "N", "frames per second for frame (default 60)", HostUse::Starts, prepareFps},
        {"wait", "MS", "advance the clock, running due timers, without frames", HostUse::Starts, prepareWait},
        {"state", "KEY VALUE", "game state: online|freeplay|replay|paused|car 0|1, or map NAME", HostUse::Starts,
         prepareState},
        {"event", "NAME", "fire a game event to its hooks (the rest of the line is the name)", HostUse::Starts,
         prepareEvent},
        {"cvar-callbacks", "always|on-change",
         "setting a variable runs its change callbacks always (the default) or only when the value changes",
         HostUse::Starts, prepareCvarCallbacks},
        {"console", "LINE...", "run a line in the host console", HostUse::Starts, prepareConsole},
        {"window-thread", "on|off",
         "the plugin window's operations on a thread of their own (drawing beside the frame's game-thread part, "
         "which waits for it), or on the game thread (the default)",
         HostUse::Starts, prepareWindowThread},
    };
}

} // namespace vtxpreview
