#pragma once
// The stand-in host: loads plugin libraries through their exported symbols
// and gives them console variables, commands, hooks, timers, a canvas and
// windows, as the real host does. Host programs (the preview, the tests)
// drive it through this class.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bakkesmod/wrappers/sdkexport.h"
#include "vtxhost/VirtualDevices.h"

class CVarManagerWrapper;
class GameWrapper;
struct ImGuiContext;
namespace BakkesMod::Plugin {
class BakkesModPlugin;
}

namespace vtxhost {

// What one canvas call did, in call order within a frame.
struct CanvasOp {
    enum class Kind { SetColor, SetPosition, DrawTexture } kind;
    unsigned char r = 0, g = 0, b = 0, a = 0; // SetColor
    int x = 0, y = 0;                         // SetPosition
    std::filesystem::path image;              // DrawTexture
    float scale = 0;                          // DrawTexture
    int imageWidth = 0, imageHeight = 0;      // DrawTexture
};

// A DrawTexture call with the state set before it. A picture that did not
// decode is still a call the plugin made, though the screen shows nothing.
struct DrawCall {
    std::filesystem::path image;
    bool decoded = true;
    int x = 0, y = 0;
    float scale = 0;
    unsigned char r = 255, g = 255, b = 255, a = 255;
    int imageWidth = 0, imageHeight = 0;
    std::shared_ptr<const std::vector<std::uint8_t>> pixels; // RGBA of the image, for previews
};

struct CanvasRecord {
    std::vector<CanvasOp> ops;
    std::vector<DrawCall> draws;
    unsigned char r = 255, g = 255, b = 255, a = 255;
    int x = 0, y = 0;
};

struct GameState {
    bool online = false;
    bool freeplay = false;
    bool replay = false;
    bool paused = false;
    bool car = false;
    std::string map;
};

struct CVarInfo {
    std::string name;
    std::string value;
    std::string defaultValue;
    std::string description;
    bool hasMin = false;
    float min = 0;
    bool hasMax = false;
    float max = 0;
    bool searchable = false;
    bool save = false;
};

struct HostOptions {
    std::filesystem::path dataFolder; // the host's data folder ("bakkesmod/data")
    int displayWidth = 2560;          // canvas and ImGui display size
    int displayHeight = 1440;
    std::function<void(const std::string&)> onLog; // every console log line, as it is logged
    // Log each executed console line as "> LINE" when its log flag is on.
    // Off by default: the log then holds only what commands and plugins say.
    bool echoCommands = false;
};

class HostImpl;

class PLUGINSDK_API Host {
public:
    explicit Host(HostOptions options);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Plugin library: loads it by its exported symbols and calls onLoad.
    // False with a reason when the library or a symbol is missing.
    bool load(const std::filesystem::path& library, std::string* error = nullptr);
    // onUnload, deleteMe, drop every registration of the plugin, close the
    // library. Console variables and key bindings stay.
    void unload();
    bool loaded() const;
    std::string pluginClassName() const;
    // The loaded plugin object, null when none; the host owns it.
    BakkesMod::Plugin::BakkesModPlugin* plugin() const;

    // Console: one line as typed into the host console. Commands are split on
    // ';' and blanks ("…" quotes, \" and \\ inside them). Besides plugin
    // commands and `NAME [VALUE]` for variables the host knows togglemenu,
    // openmenu, closemenu, bind, unbind, writeconfig and writepluginsconfig
    // (both write "config.cfg" in the data folder). Anything else logs
    // "Unknown command: NAME".
    void executeCommand(const std::string& line, bool log = true);
    std::optional<std::string> cvarValue(const std::string& name) const;
    std::optional<CVarInfo> cvarInfo(const std::string& name) const;
    std::vector<CVarInfo> cvars() const; // in registration order
    bool commandExists(const std::string& name) const;
    std::vector<std::string> commands() const;
    const std::vector<std::string>& logLines() const;

    // Clock and frames.
    void setFrameRate(double framesPerSecond);
    // Advance the clock by one frame interval, run due timers, key bindings,
    // the viewport tick event, the drawables and the open windows.
    void frame();
    // Advance the clock, running timers as they fall due.
    void advance(std::int64_t ns);

    GameState& game();
    void fireEvent(const std::string& eventName);

    const CanvasRecord& lastFrame() const;
    bool windowOpen(const std::string& menuName) const;
    void setMouse(int x, int y, bool down);

    const std::filesystem::path& dataFolder() const;
    std::size_t registeredHooks() const;
    std::size_t pendingTimers() const;
    std::size_t registeredDrawables() const;

    // Console text run by each bound key, by virtual-key code.
    std::map<int, std::string> bindings() const;
    // The host's own handles, as a host program's code sees them; what is
    // registered through them stays until the host goes.
    std::shared_ptr<CVarManagerWrapper> cvarManager() const;
    std::shared_ptr<GameWrapper> gameWrapper() const;
    // The context handed to plugin windows; after frame() its draw data is
    // the frame's windows.
    ImGuiContext* guiContext() const;

private:
    std::unique_ptr<HostImpl> impl_;
};

// A word in quotes, escaped so that the console reads it back as one word, unchanged.
PLUGINSDK_API std::string quoteConsoleWord(std::string_view word);

// Virtual-key codes by name ("F9", "ESCAPE", "A", "LCONTROL", "0"…); -1 when unknown.
PLUGINSDK_API int virtualKeyFromName(const std::string& name);

} // namespace vtxhost
