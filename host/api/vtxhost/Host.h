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

#include "vtxhost/Export.h"
#include "vtxhost/HostCalls.h"
#include "vtxhost/VirtualDevices.h"

class CVarManagerWrapper;
class GameWrapper;
struct ImGuiContext;
struct ImDrawData;
namespace BakkesMod::Plugin {
class BakkesModPlugin;
}

namespace vtxhost {

// What one canvas call did, in call order within a frame.
struct CanvasOp {
    enum class Kind { SetColor, SetPosition, DrawTexture, DrawString, DrawLine, FillBox, DrawBox, DrawRect } kind;
    unsigned char r = 0, g = 0, b = 0, a = 0; // SetColor (a LinearColor's channels as the canvas takes them)
    float x = 0, y = 0;                       // SetPosition; a line's or DrawRect's start
    std::filesystem::path image;              // DrawTexture
    float scale = 0;                          // DrawTexture
    int imageWidth = 0, imageHeight = 0;      // DrawTexture
    std::string text;                         // DrawString
    float xScale = 0, yScale = 0;             // DrawString
    bool dropShadow = false, wrap = false;    // DrawString
    float endX = 0, endY = 0;                 // DrawLine, DrawRect
    float lineWidth = 0;                      // DrawLine (1 when the call gives none)
    float width = 0, height = 0;              // FillBox, DrawBox: the size
};

// A DrawTexture call with the state set before it. A picture that did not
// decode is still a call the plugin made, though the screen shows nothing.
struct DrawCall {
    std::filesystem::path image;
    bool decoded = true;
    float x = 0, y = 0;
    float scale = 0;
    unsigned char r = 255, g = 255, b = 255, a = 255;
    int imageWidth = 0, imageHeight = 0;
    std::shared_ptr<const std::vector<std::uint8_t>> pixels; // RGBA of the image, for previews
};

// A DrawString call with the state set before it: the text's top-left corner
// at (x, y), each glyph pixel xScale by yScale screen pixels.
struct TextDraw {
    std::string text;
    float x = 0, y = 0;
    float xScale = 1, yScale = 1;
    bool dropShadow = false; // a black copy one pixel down and right, beneath
    bool wrap = false;       // asked to wrap; the stand-in draws one line
    unsigned char r = 255, g = 255, b = 255, a = 255;
    // DrawTexture calls made before it in the frame: texts and pictures
    // overlap in call order.
    std::size_t drawsBefore = 0;
};

// What ImageWrapper::GetCanvasTex points at in the stand-in: the decoded picture.
struct CanvasTexture {
    int width = 0;
    int height = 0;
    std::shared_ptr<const std::vector<std::uint8_t>> pixels; // RGBA rows, top to bottom
};

// A line or a box, drawn in the colour set before it. The position of a
// line is its own (from x,y to endX,endY), a box's the canvas position.
struct ShapeDraw {
    enum class Kind { Line, FilledBox, OutlineBox } kind = Kind::Line;
    float x = 0, y = 0;          // a line's start; a box's top-left corner
    float endX = 0, endY = 0;    // a line's end
    float lineWidth = 1;         // a line's width in pixels
    float width = 0, height = 0; // a box's size; an outline lies inside it, one pixel wide
    unsigned char r = 255, g = 255, b = 255, a = 255;
    // The DrawTexture and DrawString calls made before it in the frame:
    // shapes, texts and pictures overlap in call order.
    std::size_t drawsBefore = 0;
    std::size_t textsBefore = 0;
};

struct CanvasRecord {
    int width = 0, height = 0; // the canvas's size in pixels; 0 when unknown
    std::vector<CanvasOp> ops;
    std::vector<DrawCall> draws;
    std::vector<TextDraw> texts;
    std::vector<ShapeDraw> shapes;
    unsigned char r = 255, g = 255, b = 255, a = 255;
    float x = 0, y = 0;
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

// A rectangle in screen pixels.
struct GuiRect {
    float minX = 0, minY = 0, maxX = 0, maxY = 0;
    bool empty() const { return !(maxX > minX && maxY > minY); }
    float centreX() const { return (minX + maxX) / 2; }
    float centreY() const { return (minY + maxY) / 2; }
};

// A widget of a frame, as Dear ImGui's item hooks reported it.
struct GuiItem {
    std::uint32_t id = 0;
    std::string label; // as passed to Dear ImGui, "##" part included; empty when the widget reports none
    GuiRect rect;
    GuiRect visible;                     // the part its window does not clip away; empty when scrolled out of view
    std::string window;                  // the name of the Dear ImGui window it is in ("Parent/child_1234" for a child)
    int statusFlags = 0;                 // Dear ImGui's item status flags (hovered, edited, checked...)
    std::vector<std::uint32_t> idScopes; // the window's ID stack when it was added, innermost last
};

// Whether Dear ImGui code names the item `label`: the label the widget
// reported, or the one its id was made from (widgets such as InvisibleButton,
// BeginCombo or a window's "#CLOSE" button report none).
PLUGINSDK_API bool guiItemLabelled(const GuiItem& item, std::string_view label);

struct HostOptions {
    std::filesystem::path dataFolder; // the host's data folder ("bakkesmod/data")
    int displayWidth = 2560;          // canvas and ImGui display size
    int displayHeight = 1440;
    std::function<void(const std::string&)> onLog; // every console log line, as it is logged
    // Log each executed console line as "> LINE" when its log flag is on.
    // Off by default: the log then holds only what commands and plugins say.
    bool echoCommands = false;
    // Setting a console variable runs its change callbacks before it returns,
    // also when the value stays the same, as the host documents it. Off: an
    // unchanged value runs none, as a host might also behave; a plugin must be
    // right under both.
    bool callbacksOnUnchangedValue = true;
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
    // In registration order; a name registered again moves to the end.
    std::vector<std::string> commands() const;
    // The description the command was registered with; empty when there is no such command.
    std::optional<std::string> commandDescription(const std::string& name) const;
    const std::vector<std::string>& logLines() const;

    // See HostOptions::callbacksOnUnchangedValue.
    void setCallbacksOnUnchangedValue(bool run);

    // Clock and frames.
    void setFrameRate(double framesPerSecond);
    // Advance the clock by one frame interval, run due timers, key bindings,
    // the viewport tick event, the drawables and the open windows.
    void frame();
    // Advance the clock, running timers as they fall due.
    void advance(std::int64_t ns);

    // The plugin windows' operations (Render, OnOpen, OnClose, GetMenuName,
    // SetImGuiContext) on a thread of their own, as a host whose renderer
    // has its own thread calls them; off (the default), everything runs on
    // the calling thread. On, a frame draws the windows that were open as it
    // began, with the host's Dear ImGui, on that thread while the calling
    // thread runs the timers, bindings, hooks and drawables; frame() returns
    // when both are done. Commands, Execute, timers, hooks, drawables and
    // change callbacks that a window operation asks for run on the calling
    // thread once the operation or the frame is over; the window opens and
    // closes that the calling thread asks for during a frame follow the
    // frame's drawing. Switch it between frames, not from plugin code.
    void setWindowThread(bool on);
    bool windowThread() const;

    GameState& game();
    void fireEvent(const std::string& eventName);

    const CanvasRecord& lastFrame() const;
    // The host calls of the last frame() (see vtxhost/HostCalls.h): from its
    // start, timers, hooks and windows included, to its end.
    HostCallCounts frameCallCounts() const;
    bool windowOpen(const std::string& menuName) const;

    // Input for Dear ImGui, fed to it at the start of each frame as a
    // platform backend would: the mouse, the keys held on the virtual
    // keyboard, and characters typed (UTF-8) since the previous frame.
    void setMouse(int x, int y, bool down);
    void typeText(const std::string& utf8);
    // The widgets drawn in the last frame, in drawing order.
    const std::vector<GuiItem>& guiItems() const;
    // The id of the widget Dear ImGui holds active (a button held down, a
    // text field being edited); 0 when none.
    std::uint32_t guiActiveId() const;
    // Asks Dear ImGui to scroll the item's window (and the windows around it)
    // so that the next frame shows it; false when the window is gone.
    bool scrollToGuiItem(const GuiItem& item);
    // The last frame's Dear ImGui draw data, kept until the next frame ends;
    // null before the first frame.
    const ImDrawData* guiDrawData() const;

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
