#pragma once
// The game as seen by one plugin: event hooks, timers, the canvas drawable,
// the data folder and a few game queries.
#include "bakkesmod/wrappers/sdkexport.h"
#include <filesystem>
#include <functional>
#include <string>

#include "bakkesmod/wrappers/canvaswrapper.h"
#include "bakkesmod/wrappers/carwrapper.h"

namespace vtxhost {
class HostImpl;
}

class PLUGINSDK_API GameWrapper {
public:
    GameWrapper(vtxhost::HostImpl* host, int owner) : host_(host), owner_(owner) {}

    void HookEvent(std::string eventName, std::function<void(std::string eventName)> callback);
    // Runs the callback once, `seconds` later on the host clock (counted in
    // whole microseconds, so 0.1f is exactly 100 ms).
    void SetTimeout(std::function<void(GameWrapper*)> callback, float seconds);
    // Runs the callback on the game thread after the current host call
    // returns (at once when called from outside any host call).
    void Execute(std::function<void(GameWrapper*)> callback);
    void RegisterDrawable(std::function<void(CanvasWrapper)> callback);

    std::filesystem::path GetDataFolder();
    bool IsInOnlineGame();
    bool IsInFreeplay();
    bool IsInReplay();
    bool IsPaused();
    CarWrapper GetLocalCar();
    std::string GetCurrentMap();

private:
    vtxhost::HostImpl* host_;
    int owner_;
};
