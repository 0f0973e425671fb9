#pragma once
// The host's state behind Host and behind the wrappers it hands to plugins.
// Everything runs on the game thread (the host program's), except the plugin
// windows' operations when the window thread is on (HostThreads.cpp): then the
// log, the console variables' values and the virtual devices are locked, and
// what a window operation asks of the rest is handed to the game thread.
// Lists are copied before they are walked so that a callback may register or
// drop things, or unload the plugin, while the host iterates.
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <typeindex>
#include <vector>

#include "CVarEntry.h"
#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/canvaswrapper.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "vtxhost/Host.h"
#include "vtxhost/ItemHooks.h"

struct ImGuiContext;
namespace BakkesMod::Plugin {
class BakkesModPlugin;
class PluginWindow;
} // namespace BakkesMod::Plugin

namespace vtxhost {

class PluginLibrary;
class GuiDrawCopy;
class WindowThread;

// Registrations made by the host program itself; never dropped.
constexpr int kHostOwner = 0;
// Registrations of a plugin that is not loaded; never live.
constexpr int kNoOwner = -1;

inline constexpr const char* kViewportTickEvent = "Function TAGame.GameViewportClient.Tick";
inline constexpr const char* kConfigFileName = "config.cfg";

class HostImpl {
public:
    explicit HostImpl(HostOptions options);
    ~HostImpl();
    HostImpl(const HostImpl&) = delete;
    HostImpl& operator=(const HostImpl&) = delete;

    // One top-level host action (a command, an event, a timer, a frame step).
    // When the outermost one ends, the callbacks queued with Execute run.
    class Action {
    public:
        explicit Action(HostImpl& host);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        HostImpl& host_;
    };

    // Runs plugin code; an exception it throws becomes a log line.
    template <class F> void guarded(F&& call) noexcept {
        try {
            call();
        } catch (const std::exception& e) {
            pluginException(e.what());
        } catch (...) {
            pluginException("unknown exception");
        }
    }
    bool ownerLive(int owner) const;
    // Wrappers name their plugin by its type (the host program's own by
    // HostImpl's): the registrations they make belong to that plugin's
    // current load, or to nobody (kNoOwner) when it is not loaded.
    int ownerOf(std::type_index type) const;
    std::type_index ownerType(int owner) const;
    // What the SDK's wrappers take as `mem`.
    std::uintptr_t memory() { return reinterpret_cast<std::uintptr_t>(this); }

    // Console log.
    void log(const std::string& line) noexcept;
    // Between frames only: the window thread may log during one.
    const std::vector<std::string>& logLines() const { return log_; }

    // Console variables (HostCVars.cpp).
    CVarEntry* registerCvar(CVarInfo info);
    CVarEntry* findCvar(const std::string& name) const;
    std::string cvarValue(const CVarEntry& entry) const;
    CVarInfo cvarInfo(const CVarEntry& entry) const;
    void setCvarText(CVarEntry& entry, const std::string& text);
    void runValueCallbacks(CVarEntry& entry, const std::string& old);
    CVarWrapper handedVariable(CVarEntry& entry, const ValueChangedCallback& callback);
    void addValueCallback(CVarEntry& entry, int owner, std::function<void(std::string, CVarWrapper)> fn);
    std::vector<CVarInfo> cvarInfos() const;

    // Console commands (HostConsole.cpp).
    void registerCommand(const std::string& name, int owner, std::function<void(std::vector<std::string>)> fn,
                         const std::string& description);
    void executeCommand(const std::string& line, bool echo);
    bool commandExists(const std::string& name) const { return commands_.count(name) != 0; }
    std::vector<std::string> commandNames() const;
    std::optional<std::string> commandDescription(const std::string& name) const;
    const std::map<int, std::string>& bindings() const { return bindings_; }

    // The saved configuration (HostConfig.cpp).
    void readConfig();
    void writeConfig();

    // Hooks, timers, Execute and drawables (HostEvents.cpp).
    void hookEvent(int owner, const std::string& eventName, std::function<void(std::string)> fn);
    void setTimeout(int owner, std::function<void(GameWrapper*)> fn, float seconds, const GameWrapper& self);
    void execute(int owner, std::function<void(GameWrapper*)> fn, const GameWrapper& self);
    void registerDrawable(int owner, std::function<void(CanvasWrapper)> fn);
    void fireEvent(const std::string& eventName);
    std::size_t hookCount() const { return hooks_.size(); }
    std::size_t timerCount() const { return timers_.size(); }
    std::size_t drawableCount() const { return drawables_.size(); }

    // Clock and frames (HostFrame.cpp).
    void setFrameRate(double framesPerSecond);
    void frame();
    void advance(std::int64_t ns);

    // The window thread (HostThreads.cpp): switched between frames.
    void setWindowThread(bool on);
    bool windowThreadOn() const { return windowThread_ != nullptr; }
    bool onWindowThread() const;
    const CanvasRecord& lastFrame() const { return canvas_; }
    HostCallCounts frameCallCounts() const { return frameCalls_; }

    // Plugin windows and Dear ImGui (HostGui.cpp).
    void addWindow(int owner, BakkesMod::Plugin::PluginWindow* window);
    bool openWindow(const std::string& name, bool open, bool toggle);
    bool windowOpen(const std::string& name) const;
    void setMouse(int x, int y, bool down);
    void typeText(const std::string& utf8) { typed_ += utf8; }
    std::uint32_t guiActiveId() const;
    bool scrollToGuiItem(const GuiItem& item);
    ImGuiContext* guiContext() const { return gui_; }

    // What the frames' Dear ImGui produced (HostGuiRecord.cpp).
    const std::vector<GuiItem>& guiItems() const { return items_; }
    const ImDrawData* guiDrawData() const;

    // Plugin libraries (HostLoader.cpp).
    bool load(const std::filesystem::path& library, std::string* error);
    void unload();
    bool loaded() const { return plugin_ != nullptr; }
    std::string pluginClassName() const;
    BakkesMod::Plugin::BakkesModPlugin* plugin() const;

    const HostOptions& options() const { return options_; }
    void setCallbacksOnUnchangedValue(bool run) { options_.callbacksOnUnchangedValue = run; }
    GameState& game() { return game_; }
    std::shared_ptr<CVarManagerWrapper> hostCvarManager() const { return hostCvarManager_; }
    std::shared_ptr<GameWrapper> hostGameWrapper() const { return hostGameWrapper_; }

private:
    struct Command {
        int owner;
        std::shared_ptr<std::function<void(std::vector<std::string>)>> fn;
        std::string description;
        std::uint64_t order; // when it was registered
    };
    struct Hook {
        int owner;
        std::string eventName;
        std::shared_ptr<std::function<void(std::string)>> fn;
    };
    struct Timer {
        int owner;
        std::int64_t due;
        std::int64_t scheduledAt;
        std::uint64_t order;
        std::shared_ptr<std::function<void(GameWrapper*)>> fn;
        GameWrapper self;
    };
    struct Queued {
        int owner;
        std::shared_ptr<std::function<void(GameWrapper*)>> fn;
        GameWrapper self;
    };
    struct Drawable {
        int owner;
        std::shared_ptr<std::function<void(CanvasWrapper)>> fn;
    };
    struct Window {
        int owner;
        BakkesMod::Plugin::PluginWindow* window;
        std::string name;
        bool open = false;
        std::uint64_t toggledInEpoch = 0;
    };
    struct LoadedPlugin;

    void pluginException(const char* what) noexcept;
    void drainQueue() noexcept;

    // Threads (HostThreads.cpp). What a window operation on the window thread
    // asks of the game thread's side of the host (commands, Execute, timers,
    // hooks, drawables, change callbacks) waits here, in the order asked, and
    // runs on the game thread when the frame or the window operation is over.
    void toGameThread(std::function<void()> call);
    bool runGameThreadInbox() noexcept; // true when it ran something

    // Console (HostConsole.cpp).
    void runCommand(const std::vector<std::string>& words);
    bool runHostCommand(const std::vector<std::string>& words);
    void bindKey(const std::vector<std::string>& words);
    void unbindKey(const std::vector<std::string>& words);
    int keyOfCommand(const std::vector<std::string>& words, const char* usage);

    // Frames (HostFrame.cpp).
    bool runNextDueTimer(std::int64_t limit, std::uint64_t orderLimit, bool moveClock);
    void runKeyBindings();
    void runDrawables();
    CanvasWrapper handedCanvas();
    void runGameFrame(); // the frame's game-thread part: timers, bindings, the tick, drawables
    void frameOnOneThread();
    void frameOnTwoThreads();

    // Dear ImGui (HostGui.cpp).
    void createGui();
    void destroyGui() noexcept;
    // A real frame is one of frame(); the others let a window operation
    // between frames draw (its output is dropped, its widgets not recorded).
    void beginGuiFrame(bool realFrame);
    void feedGuiInput(bool realFrame);
    void endGuiFrame(bool render);
    template <class F> void inGuiFrame(F&& call);
    // One window operation, in a Dear ImGui frame, on the window thread when
    // that is on; `call` is the operation itself (guarded inside).
    void windowOperation(const std::function<void()>& call);
    void renderWindows();
    // The windows a frame draws, picked on the game thread as the frame starts.
    std::vector<std::shared_ptr<Window>> windowsToRender() const;
    void renderWindowList(const std::vector<std::shared_ptr<Window>>& windows);
    // Opens and closes asked for on the game thread during a two-thread
    // frame: the window thread runs them once the frame's GUI part is over.
    void runDeferredWindowOperations();

    // Dear ImGui's item hooks and the frame's record (HostGuiRecord.cpp).
    void installItemHooks();
    void startGuiRecord();
    void finishGuiRecord(bool keep);
    void itemAdded(ImGuiContext* context, std::uint32_t id, const GuiRect& rect);
    void itemDescribed(ImGuiContext* context, std::uint32_t id, const char* label, int statusFlags);

    void dropOwner(int owner);

    HostOptions options_;
    GameState game_;
    std::mutex logMutex_;
    std::vector<std::string> log_;

    // Guards the variables' list, their values and their callbacks (not the
    // callbacks' runs, which are the game thread's). Shared for reading: the
    // two threads' reads, many a frame, do not order one another, so that a
    // race in the plugin between them stays in ThreadSanitizer's view.
    mutable std::shared_mutex cvarMutex_;
    std::vector<std::unique_ptr<CVarEntry>> cvars_; // registration order; entries never move
    std::map<std::string, CVarEntry*> cvarsByName_;
    std::vector<std::pair<std::string, std::string>> savedConfig_; // as read from the config file

    std::map<std::string, Command> commands_;
    std::uint64_t nextCommandOrder_ = 1;
    std::map<int, std::string> bindings_; // virtual key → console text
    std::vector<Hook> hooks_;
    // Libraries unloaded during a host action whose copied callbacks still
    // hold their code: closed when the outermost action ends.
    std::vector<std::unique_ptr<PluginLibrary>> closeLater_;
    std::vector<Timer> timers_;
    std::uint64_t nextTimerOrder_ = 1;
    std::deque<Queued> queue_;
    std::vector<Drawable> drawables_;
    std::vector<std::shared_ptr<Window>> windows_;

    int actionDepth_ = 0;
    bool inFrame_ = false;
    std::uint64_t toggleEpoch_ = 0; // one per frame, or per top-level action between frames

    std::int64_t frameIntervalNs_ = 1'000'000'000 / 60;
    CanvasRecord canvas_;
    HostCallCounts frameCalls_; // the last frame's

    ImGuiContext* gui_ = nullptr;
    bool guiFrameOpen_ = false;
    int mouseX_ = 0, mouseY_ = 0;
    bool mouseDown_ = false;
    std::string typed_; // characters for the next real frame

    ItemHooks itemHooks_;
    bool recording_ = false;
    std::vector<GuiItem> items_;         // the last frame's widgets
    std::vector<GuiItem> itemsBuilding_; // the frame in progress
    std::unique_ptr<GuiDrawCopy> drawCopy_;

    std::unique_ptr<LoadedPlugin> plugin_;
    std::vector<int> liveOwners_{kHostOwner};
    int nextOwner_ = 1;

    std::unique_ptr<WindowThread> windowThread_;
    std::mutex inboxMutex_;
    std::vector<std::function<void()>> inbox_;
    bool drainingInbox_ = false;
    std::vector<std::function<void()>> deferredWindowOps_;

    std::shared_ptr<CVarManagerWrapper> hostCvarManager_;
    std::shared_ptr<GameWrapper> hostGameWrapper_;
};

} // namespace vtxhost
