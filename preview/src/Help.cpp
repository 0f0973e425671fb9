#include "Help.h"

#include <algorithm>
#include <string>

#include "CommandTable.h"

namespace vtxpreview {
namespace {

constexpr const char* intro = R"(vantrix-preview: the plugin in the stand-in host, without the game.

Usage:
  vantrix-preview run FILE.vtx [--plugin PATH] [--frames DIR] [--size WxH] [--backdrop IMAGE.png] [--window-thread]
      play a scenario; with --frames every frame as DIR/frame-NNNNNN.png at the
      game's resolution (default 2560x1440) over the backdrop picture, and the
      frames marked with "mark" on DIR/contact-sheet.png; with --window-thread
      the host calls the plugin window's operations on a thread of their own
      (as "window-thread on" does)
  vantrix-preview window [--skin FOLDER] [--size WxH] [--plugin PATH] [--quit-after N] [--screenshot FILE.png]
      the plugin live in a window: game controllers, Sony pads, keyboard and
      mouse drive it; a skin's edited files show within a second; while the
      --skin folder cannot draw, what check-skin finds is printed and shown
  vantrix-preview check-skin FOLDER [--json]
      what the plugin will make of a skin folder, each warning saying what
      to do; exit 0 when it will draw, 1 when it will not, 2 when FOLDER is
      not a folder; --json gives one JSON object for every outcome
  vantrix-preview help

The plugin library defaults to vantrix.so beside this program.

A scenario has one command a line. '#' starts a comment outside quotes;
words are separated by blanks; a double-quoted word may hold blanks and the
escapes \n \r \t \\ \" \xHH. Paths are relative to the scenario's folder;
a DST or PATH in a folder is relative to the host's data folder, or to the
Roaming folder when it starts with "appdata:". TEXT... is the rest of the
line, words joined by single blanks.

Widget commands (click, type, drag, expect widget) look for LABEL among the
widgets of the last frame's plugin windows: the label as passed to Dear
ImGui, "##" part included. A label holding '#' or blanks goes in quotes
(click "##x_exact", click "Position / Scale"). They drive the mouse and the
keyboard over the frames they name (one more when the widget must first be
scrolled into view); a LABEL that names no widget, or several, stops the run
with an error. "print widgets" lists what the last frame drew.

The whole file is checked before anything runs. Output: every log line as
"log: TEXT", every failed expectation as "FAIL FILE:LINE: ...", and last
"N passed, M failed". An error stops the run: "FILE:LINE: error: ..." on
stderr, then "stopped at line LINE by an error: N passed, M failed before
it". Exit status: 0 all passed, 1 an expectation failed, 2 an error in the
scenario, the plugin or the machine.

"key VK tap" presses a key as a player would: down through the next frame,
released after it. The plugin tells two presses apart by a frame that sees
the key up, so tap again only after such a frame (tap, frame, frame, tap);
a tap that could not be told apart, or of a key held with "key VK down",
stops the run with an error. "key VK down" and "key VK up" set the key at
once: both before one frame, and the plugin never sees it held.

Commands:
)";

} // namespace

void printHelp(std::ostream& out) {
    out << intro;
    std::size_t width = 0;
    for (const CommandSpec& spec : commandTable())
        width = std::max(width, spec.name.size() + spec.usage.size() + 1);
    for (const CommandSpec& spec : commandTable()) {
        std::string left = std::string(spec.name) + (spec.usage.empty() ? "" : " ") + std::string(spec.usage);
        left.resize(width, ' ');
        out << "  " << left << "  " << spec.summary << '\n';
    }
}

} // namespace vtxpreview
