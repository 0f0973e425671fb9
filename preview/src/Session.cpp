#include "Session.h"

#include "vtxhost/VirtualDevices.h"

namespace vtxpreview {

namespace {
constexpr std::string_view appdataPrefix = "appdata:";
}

Session::Session(SessionOptions options, std::ostream& out) : options_(std::move(options)), out_(out) {
    setDataFolder(defaultData_.path());
    setAppdataFolder(defaultAppdata_.path());
    if (options_.framesFolder)
        frameOutput_ = std::make_unique<FrameOutput>(
            *options_.framesFolder, options_.progressOut ? *options_.progressOut : out_, options_.progressOnTerminal);
}

Session::~Session() {
    for (const auto& [key, line] : tapped_)
        vtxhost::devices().setKey(key, false); // the keyboard outlives the run
    frameOutput_.reset();                      // its writers finish before anything else goes
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

void Session::setDisplaySize(int width, int height) {
    if (host_)
        throw RunError("the display size cannot change once the host has started");
    options_.displayWidth = width;
    options_.displayHeight = height;
    renderer_.reset(); // pictures from now on are of the new size
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
        options.displayWidth = options_.displayWidth;
        options.displayHeight = options_.displayHeight;
        options.onLog = [this](const std::string& line) { onLog(line); };
        host_ = std::make_unique<vtxhost::Host>(std::move(options));
        host_->setWindowThread(options_.windowThread);
    }
    return *host_;
}

FrameRenderer& Session::renderer() {
    if (!renderer_) {
        renderer_ = std::make_unique<FrameRenderer>(options_.displayWidth, options_.displayHeight);
        renderer_->setBackdrop(options_.backdrop);
    }
    return *renderer_;
}

Picture Session::picture() { return renderer().render(host().lastFrame(), lastGuiFrame(host())); }

void Session::frame() {
    host().frame();
    for (const auto& [key, line] : tapped_)
        vtxhost::devices().setKey(key, false);
    releasedUnseen_ = std::move(tapped_);
    tapped_.clear();
    ++frames_;
    if (frameOutput_)
        frameOutput_->addFrame(frames_, picture(), line_, options_.lastLine);
}

void Session::mark(const std::string& label) {
    out_ << "# mark " << label << " (frame " << frames_ << ")\n";
    if (!frameOutput_)
        return;
    if (frames_ == 0)
        throw RunError("mark: no frame has run yet");
    frameOutput_->mark(label, frames_, picture());
}

bool Session::finishFrames(std::string& error) { return !frameOutput_ || frameOutput_->finish(out_, error); }

void Session::clearProgress() {
    if (frameOutput_)
        frameOutput_->progress().clear();
}

void Session::setKey(int virtualKey, bool down) {
    tapped_.erase(virtualKey); // held or released on purpose: no release after the frame
    vtxhost::devices().setKey(virtualKey, down);
}

// A tap the plugin could not tell from the key's previous press is an
// error rather than a press that silently never happens.
void Session::tapKey(int virtualKey, const std::string& name) {
    const std::string what = "key " + name + " tap: ";
    if (const auto earlier = tapped_.find(virtualKey); earlier != tapped_.end())
        throw RunError(what + "the tap at line " + std::to_string(earlier->second) +
                       " holds it down through the next frame, and a frame must see it up before it goes down "
                       "again: put two frames between the taps");
    if (const auto earlier = releasedUnseen_.find(virtualKey); earlier != releasedUnseen_.end())
        throw RunError(what + "the tap at line " + std::to_string(earlier->second) +
                       " released it after the last frame, and no frame has seen it up yet: put a frame between "
                       "the taps");
    if (vtxhost::devices().keyHeld(virtualKey))
        throw RunError(what + "the key is already held (key " + name + " up releases it)");
    vtxhost::devices().setKey(virtualKey, true);
    tapped_[virtualKey] = line_;
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
