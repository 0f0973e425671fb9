#pragma once
// The game as seen by one plugin: event hooks, timers, the canvas drawable,
// the data folder and a few game queries.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "canvaswrapper.h"

class CanvasWrapper;
class CarWrapper;

class BAKKESMOD_PLUGIN_IMPORT GameWrapper {
public:
    GameWrapper(std::uintptr_t mem, long pluginType, std::type_index idx);
    GameWrapper(const GameWrapper& other);
    GameWrapper& operator=(GameWrapper rhs);
    ~GameWrapper();

    bool IsInOnlineGame();
    bool IsInFreeplay();
    bool IsInReplay();

    bool IsPaused();

    CarWrapper GetLocalCar();

    // Runs the callback once, `time` seconds later on the host clock.
    void SetTimeout(std::function<void(GameWrapper*)> theLambda, float time);
    // Runs the callback on the game thread.
    void Execute(std::function<void(GameWrapper*)> theLambda);
    void RegisterDrawable(std::function<void(CanvasWrapper)> callback);

    void HookEvent(std::string eventName, std::function<void(std::string eventName)> callback);

    std::string GetCurrentMap();

    std::filesystem::path GetDataFolder();

public:
    struct Impl;
    std::unique_ptr<Impl> pimpl;
};
#include "includes.h"
