#pragma once
// vantrix-preview window: the plugin in the stand-in host, live in an SDL2
// window scaled from the game's resolution. Real pads drive it (XInput-type
// pads through SDL's game controllers, Sony pads through their raw HID
// reports), the keyboard and mouse reach the plugin and its menu, and a skin
// whose files change on disk is reloaded within a second. A skin folder that
// cannot draw says why, in the log and over the frame.
#include <filesystem>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Cli.h"
#include "Snapshot.h"

namespace vtxhost {
class Host;
}

namespace vtxpreview {

// No display to open a window on (no X11 or Wayland session).
struct NoDisplay : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct WindowOptions {
    std::filesystem::path plugin;
    // Skin folders, each installed (linked) into the host's data folder under its name.
    std::vector<std::filesystem::path> skins;
    std::string select; // the skin chosen at start; empty: the plugin's own choice
    // A skin folder of the user's: while it cannot draw, what check-skin finds
    // in it goes to the log and over the frame. Empty: none.
    std::filesystem::path checked;
    Size size;                   // the game's resolution
    std::ostream* log = nullptr; // the plugin's log lines and the window's notes; null: none
};

class PreviewWindow {
public:
    // Throws NoDisplay, or std::runtime_error when SDL or the plugin fails.
    explicit PreviewWindow(const WindowOptions& options);
    ~PreviewWindow();
    PreviewWindow(const PreviewWindow&) = delete;
    PreviewWindow& operator=(const PreviewWindow&) = delete;

    // One frame: input, pads, the skin watch, the host's frame, the picture.
    // False once the user has closed the window.
    bool step();
    // The last frame at the game's resolution, as the window shows it scaled.
    Picture screenshot();
    vtxhost::Host& host();
    long long frames() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The name a skin folder is installed under: its own name, made to hold a
// letter (the window reloads a skin by giving vtx_skin its name in another
// letter case).
std::string installedSkinName(const std::filesystem::path& folder);

// The window command: returns the exit status. `defaultSkins` holds the
// build's packs, used without --skin.
int runWindow(const WindowRequest& request, const std::filesystem::path& defaultSkins);

} // namespace vtxpreview
