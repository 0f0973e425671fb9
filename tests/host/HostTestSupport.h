#pragma once
// Shared bits of the host tests: a scratch data folder and log queries.
#include <algorithm>
#include <filesystem>
#include <random>
#include <string>

#include "vtxhost/Host.h"

namespace hosttest {

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("vtx_host_" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline vtxhost::HostOptions optionsFor(const TempFolder& folder) {
    vtxhost::HostOptions options;
    options.dataFolder = folder.path();
    options.displayWidth = 800;
    options.displayHeight = 600;
    return options;
}

inline long logCount(const vtxhost::Host& host, const std::string& line) {
    const auto& lines = host.logLines();
    return static_cast<long>(std::count(lines.begin(), lines.end(), line));
}

// Position of a line in the log, or -1.
inline long logIndex(const vtxhost::Host& host, const std::string& line) {
    const auto& lines = host.logLines();
    auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<long>(it - lines.begin());
}

// The machine is one per process: forget what an earlier test did to a key.
inline void releaseKey(int key) {
    vtxhost::devices().setKey(key, false);
    vtxhost::devices().queryAsyncKeyState(key);
    vtxhost::devices().takeKeyPressForHost(key);
}

} // namespace hosttest
