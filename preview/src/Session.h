#pragma once
// The state of one scenario run: its folders, the lazily started host, the
// captured log and the tally of expectations.
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "FrameOutput.h"
#include "FrameRenderer.h"
#include "TempFolder.h"
#include "vtxhost/Host.h"

namespace vtxpreview {

// A command that could not be carried out; the run stops with it.
struct RunError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct SessionOptions {
    std::string scenarioName; // as shown in messages
    std::filesystem::path pluginPath;
    // The game's resolution: the canvas and Dear ImGui's display.
    int displayWidth = vtxhost::HostOptions().displayWidth;
    int displayHeight = vtxhost::HostOptions().displayHeight;
    Picture backdrop; // under the canvas in every picture; empty: a plain colour
    // Every frame as a picture in this folder, with progress on `progressOut`.
    std::optional<std::filesystem::path> framesFolder;
    std::ostream* progressOut = nullptr;
    bool progressOnTerminal = false;
    int lastLine = 0;          // of the scenario, for the progress
    bool windowThread = false; // the host starts with its window thread on
};

class Session {
public:
    Session(SessionOptions options, std::ostream& out);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::ostream& out() { return out_; }
    const std::filesystem::path& pluginPath() const { return options_.pluginPath; }

    // Folders. The host's data folder is fixed once the host exists.
    const std::filesystem::path& dataFolder() const { return dataFolder_; }
    const std::filesystem::path& appdataFolder() const { return appdataFolder_; }
    void setDataFolder(const std::filesystem::path& folder);
    void setAppdataFolder(const std::filesystem::path& folder);
    // The game's resolution (the canvas and Dear ImGui's display); fixed once
    // the host has started.
    void setDisplaySize(int width, int height);
    // A scenario target: "appdata:REL" in the Roaming folder, else REL in the data folder.
    std::filesystem::path target(const std::string& spec) const;

    vtxhost::Host& host();
    bool hasHost() const { return host_ != nullptr; }
    // Pictures of the host's frames at its display size, made on first use.
    FrameRenderer& renderer();
    // The last frame as the preview shows it.
    Picture picture();

    // One host frame; with a frames folder, its picture is written there.
    void frame();
    long long frames() const { return frames_; }
    // Remembers the last frame as a key moment of the run (for the contact sheet).
    void mark(const std::string& label);
    // Ends the frames output: waits for the pictures and writes the sheet.
    // False with the reason when something could not be written.
    bool finishFrames(std::string& error);
    // Takes the progress line off the terminal before other output.
    void clearProgress();

    // The virtual keyboard. A tapped key goes down now and stays down through
    // the next frame, released after it, so the plugin sees it held as a
    // real press would be. The plugin tells presses apart by a frame that
    // sees the key up, so a tap of a key held, or not yet seen up since its
    // last tap, is a RunError. `name` is the key as the scenario wrote it.
    void setKey(int virtualKey, bool down);
    void tapKey(int virtualKey, const std::string& name);

    // Expectations, reported against the line being run.
    void setLine(int line) { line_ = line; }
    int line() const { return line_; }
    void expect(bool ok, const std::string& failure);
    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // Log lines since the start of the run; log expectations search from the cursor.
    const std::vector<std::string>& log() const { return log_; }
    std::size_t logCursor = 0;

    bool mouseDown = false;

private:
    void onLog(const std::string& line);

    SessionOptions options_;
    std::ostream& out_;
    TempFolder defaultData_{"data"};
    TempFolder defaultAppdata_{"appdata"};
    std::filesystem::path dataFolder_;
    std::filesystem::path appdataFolder_;
    std::vector<std::string> log_;
    int line_ = 0;
    int passed_ = 0;
    int failed_ = 0;
    long long frames_ = 0;
    // Keys, with the line that tapped each: down until the next frame ends,
    // and released after the last frame (no frame has seen them up yet).
    std::map<int, int> tapped_;
    std::map<int, int> releasedUnseen_;
    std::unique_ptr<FrameRenderer> renderer_;
    std::unique_ptr<FrameOutput> frameOutput_;
    // Last, so the host (and the plugin's unload logging) goes before everything it uses.
    std::unique_ptr<vtxhost::Host> host_;
};

} // namespace vtxpreview
