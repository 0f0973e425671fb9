// The host program's view of the host.
#include "vtxhost/Host.h"

#include "HostImpl.h"

namespace vtxhost {

Host::Host(HostOptions options) : impl_(std::make_unique<HostImpl>(std::move(options))) {}
Host::~Host() = default;

bool Host::load(const std::filesystem::path& library, std::string* error) { return impl_->load(library, error); }
void Host::unload() { impl_->unload(); }
bool Host::loaded() const { return impl_->loaded(); }
std::string Host::pluginClassName() const { return impl_->pluginClassName(); }
BakkesMod::Plugin::BakkesModPlugin* Host::plugin() const { return impl_->plugin(); }

void Host::executeCommand(const std::string& line, bool log) { impl_->executeCommand(line, log); }
std::optional<std::string> Host::cvarValue(const std::string& name) const {
    if (CVarEntry* entry = impl_->findCvar(name))
        return impl_->cvarValue(*entry);
    return std::nullopt;
}
std::optional<CVarInfo> Host::cvarInfo(const std::string& name) const {
    if (CVarEntry* entry = impl_->findCvar(name))
        return impl_->cvarInfo(*entry);
    return std::nullopt;
}
std::vector<CVarInfo> Host::cvars() const { return impl_->cvarInfos(); }
bool Host::commandExists(const std::string& name) const { return impl_->commandExists(name); }
std::vector<std::string> Host::commands() const { return impl_->commandNames(); }
std::optional<std::string> Host::commandDescription(const std::string& name) const {
    return impl_->commandDescription(name);
}
const std::vector<std::string>& Host::logLines() const { return impl_->logLines(); }

void Host::setCallbacksOnUnchangedValue(bool run) { impl_->setCallbacksOnUnchangedValue(run); }
void Host::setFrameRate(double framesPerSecond) { impl_->setFrameRate(framesPerSecond); }
void Host::frame() { impl_->frame(); }
void Host::advance(std::int64_t ns) { impl_->advance(ns); }
void Host::setWindowThread(bool on) { impl_->setWindowThread(on); }
bool Host::windowThread() const { return impl_->windowThreadOn(); }

GameState& Host::game() { return impl_->game(); }
void Host::fireEvent(const std::string& eventName) { impl_->fireEvent(eventName); }

const CanvasRecord& Host::lastFrame() const { return impl_->lastFrame(); }
HostCallCounts Host::frameCallCounts() const { return impl_->frameCallCounts(); }
bool Host::windowOpen(const std::string& menuName) const { return impl_->windowOpen(menuName); }
void Host::setMouse(int x, int y, bool down) { impl_->setMouse(x, y, down); }
void Host::typeText(const std::string& utf8) { impl_->typeText(utf8); }
const std::vector<GuiItem>& Host::guiItems() const { return impl_->guiItems(); }
std::uint32_t Host::guiActiveId() const { return impl_->guiActiveId(); }
bool Host::scrollToGuiItem(const GuiItem& item) { return impl_->scrollToGuiItem(item); }
const ImDrawData* Host::guiDrawData() const { return impl_->guiDrawData(); }

const std::filesystem::path& Host::dataFolder() const { return impl_->options().dataFolder; }
std::size_t Host::registeredHooks() const { return impl_->hookCount(); }
std::size_t Host::pendingTimers() const { return impl_->timerCount(); }
std::size_t Host::registeredDrawables() const { return impl_->drawableCount(); }

std::map<int, std::string> Host::bindings() const { return impl_->bindings(); }
std::shared_ptr<CVarManagerWrapper> Host::cvarManager() const { return impl_->hostCvarManager(); }
std::shared_ptr<GameWrapper> Host::gameWrapper() const { return impl_->hostGameWrapper(); }
ImGuiContext* Host::guiContext() const { return impl_->guiContext(); }

} // namespace vtxhost
