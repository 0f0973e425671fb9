#include "bakkesmod/wrappers/gamewrapper.h"

#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::noThrow;

void GameWrapper::HookEvent(std::string eventName, std::function<void(std::string eventName)> callback) {
    if (!host_)
        return;
    noThrow([&] { host_->hookEvent(owner_, eventName, std::move(callback)); });
}

void GameWrapper::SetTimeout(std::function<void(GameWrapper*)> callback, float seconds) {
    if (!host_)
        return;
    noThrow([&] { host_->setTimeout(owner_, std::move(callback), seconds, *this); });
}

void GameWrapper::Execute(std::function<void(GameWrapper*)> callback) {
    if (!host_)
        return;
    noThrow([&] { host_->execute(owner_, std::move(callback), *this); });
}

void GameWrapper::RegisterDrawable(std::function<void(CanvasWrapper)> callback) {
    if (!host_)
        return;
    noThrow([&] { host_->registerDrawable(owner_, std::move(callback)); });
}

std::filesystem::path GameWrapper::GetDataFolder() {
    if (!host_)
        return {};
    return noThrow(std::filesystem::path(), [&] { return host_->options().dataFolder; });
}

bool GameWrapper::IsInOnlineGame() { return host_ && host_->game().online; }

bool GameWrapper::IsInFreeplay() { return host_ && host_->game().freeplay; }

bool GameWrapper::IsInReplay() { return host_ && host_->game().replay; }

bool GameWrapper::IsPaused() { return host_ && host_->game().paused; }

CarWrapper GameWrapper::GetLocalCar() { return CarWrapper(host_ && host_->game().car); }

std::string GameWrapper::GetCurrentMap() {
    if (!host_)
        return {};
    return noThrow(std::string(), [&] { return host_->game().map; });
}
