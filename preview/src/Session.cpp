#include "Session.h"

namespace vtxpreview {

namespace {
constexpr std::string_view appdataPrefix = "appdata:";
}

Session::Session(SessionOptions options, std::ostream& out) : options_(std::move(options)), out_(out) {
    setDataFolder(defaultData_.path());
    setAppdataFolder(defaultAppdata_.path());
}

Session::~Session() {
    renderer_.reset();
    host_.reset();
    vtxhost::devices().roamingFolder.clear(); // the temporary folder is about to go
}

void Session::setDataFolder(const std::filesystem::path& folder) {
    if (host_)
        throw RunError("the data folder cannot change once the host has started");
    std::filesystem::create_directories(folder);
    dataFolder_ = folder;
}

void Session::setAppdataFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    appdataFolder_ = folder;
    vtxhost::devices().roamingFolder = folder;
}

std::filesystem::path Session::target(const std::string& spec) const {
    if (spec.starts_with(appdataPrefix))
        return appdataFolder_ / spec.substr(appdataPrefix.size());
    return dataFolder_ / spec;
}

vtxhost::Host& Session::host() {
    if (!host_) {
        vtxhost::HostOptions options;
        options.dataFolder = dataFolder_;
        options.onLog = [this](const std::string& line) { onLog(line); };
        host_ = std::make_unique<vtxhost::Host>(std::move(options));
    }
    return *host_;
}

FrameRenderer& Session::renderer() {
    if (!renderer_) {
        const vtxhost::HostOptions display; // the host's display size
        renderer_ = std::make_unique<FrameRenderer>(display.displayWidth, display.displayHeight);
    }
    return *renderer_;
}

void Session::onLog(const std::string& line) {
    log_.push_back(line);
    out_ << "log: " << line << std::endl; // flushed, so a crashing plugin still leaves its last words
}

void Session::expect(bool ok, const std::string& failure) {
    if (ok) {
        ++passed_;
        return;
    }
    ++failed_;
    out_ << "FAIL " << options_.scenarioName << ':' << line_ << ": " << failure << std::endl;
}

} // namespace vtxpreview
