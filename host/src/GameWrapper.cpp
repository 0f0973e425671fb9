#include "bakkesmod/wrappers/GameWrapper.h"

#include "HostCalls.h"
#include "HostImpl.h"
#include "NoThrow.h"

using vtxhost::HostCall;
using vtxhost::noThrow;

// `mem` is the host; `idx` the plugin whose hooks, timers and drawables these are.
struct GameWrapper::Impl {
    vtxhost::HostImpl* host = nullptr;
    long pluginType = 0;
    std::type_index plugin;
    int owner = vtxhost::kNoOwner;
};

GameWrapper::GameWrapper(std::uintptr_t mem, long pluginType, std::type_index idx)
    : pimpl(
          std::make_unique<Impl>(Impl{reinterpret_cast<vtxhost::HostImpl*>(mem), pluginType, idx, vtxhost::kNoOwner})) {
    if (pimpl->host)
        pimpl->owner = pimpl->host->ownerOf(idx);
    vtxhost::countHostCall(HostCall::WrapperCopy);
}

GameWrapper::GameWrapper(const GameWrapper& other) : pimpl(std::make_unique<Impl>(*other.pimpl)) {
    vtxhost::countHostCall(HostCall::WrapperCopy);
}

GameWrapper& GameWrapper::operator=(GameWrapper rhs) {
    std::swap(pimpl, rhs.pimpl);
    return *this;
}

GameWrapper::~GameWrapper() = default;

void GameWrapper::HookEvent(std::string eventName, std::function<void(std::string eventName)> callback) {
    if (!pimpl->host)
        return;
    noThrow([&] { pimpl->host->hookEvent(pimpl->owner, eventName, std::move(callback)); });
}

void GameWrapper::SetTimeout(std::function<void(GameWrapper*)> theLambda, float time) {
    if (!pimpl->host)
        return;
    noThrow([&] { pimpl->host->setTimeout(pimpl->owner, std::move(theLambda), time, *this); });
}

void GameWrapper::Execute(std::function<void(GameWrapper*)> theLambda) {
    if (!pimpl->host)
        return;
    noThrow([&] { pimpl->host->execute(pimpl->owner, std::move(theLambda), *this); });
}

void GameWrapper::RegisterDrawable(std::function<void(CanvasWrapper)> callback) {
    if (!pimpl->host)
        return;
    noThrow([&] { pimpl->host->registerDrawable(pimpl->owner, std::move(callback)); });
}

std::filesystem::path GameWrapper::GetDataFolder() {
    if (!pimpl->host)
        return {};
    return noThrow(std::filesystem::path(), [&] { return pimpl->host->options().dataFolder; });
}

bool GameWrapper::IsInOnlineGame() { return pimpl->host && pimpl->host->game().online; }

bool GameWrapper::IsInFreeplay() { return pimpl->host && pimpl->host->game().freeplay; }

bool GameWrapper::IsInReplay() { return pimpl->host && pimpl->host->game().replay; }

bool GameWrapper::IsPaused() { return pimpl->host && pimpl->host->game().paused; }

// The stand-in has no car object: a car is named by the game state's address.
CarWrapper GameWrapper::GetLocalCar() {
    const bool car = pimpl->host && pimpl->host->game().car;
    return CarWrapper(car ? reinterpret_cast<std::uintptr_t>(&pimpl->host->game()) : 0);
}

std::string GameWrapper::GetCurrentMap() {
    if (!pimpl->host)
        return {};
    return noThrow(std::string(), [&] { return pimpl->host->game().map; });
}
