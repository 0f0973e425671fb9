#pragma once
// The command line: which command, and its options, checked before anything runs.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vtxpreview {

// A command line that does not fit; the message says what is wrong.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Size {
    int width = 2560; // the game's resolution the overlay is laid out for
    int height = 1440;
};

// "WxH", each side 16 to 16384; nullopt otherwise.
std::optional<Size> parseSize(const std::string& text);

struct RunRequest {
    std::filesystem::path scenario;
    std::optional<std::filesystem::path> plugin;
    std::optional<std::filesystem::path> framesFolder;
    Size size;
    std::optional<std::filesystem::path> backdrop;
    bool windowThread = false; // the plugin windows' operations on a thread of their own from the start
};

struct WindowRequest {
    std::optional<std::filesystem::path> skin;
    std::optional<std::filesystem::path> plugin;
    Size size;
    long long quitAfter = 0; // frames; 0 runs until the window is closed
    std::optional<std::filesystem::path> screenshot;
};

struct CheckSkinRequest {
    std::filesystem::path folder;
    bool json = false;
};

// The arguments after the command's name. Throw UsageError.
RunRequest parseRunArgs(const std::vector<std::string>& args);
WindowRequest parseWindowArgs(const std::vector<std::string>& args);
CheckSkinRequest parseCheckSkinArgs(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "usage: vantrix-preview run FILE.vtx [--plugin PATH] [--frames DIR] [--size WxH] [--backdrop IMAGE.png] "
    "[--window-thread]\n"
    "       vantrix-preview window [--skin FOLDER] [--size WxH] [--plugin PATH] [--quit-after N] [--screenshot "
    "FILE.png]\n"
    "       vantrix-preview check-skin FOLDER [--json]\n"
    "       vantrix-preview help\n";

} // namespace vtxpreview
