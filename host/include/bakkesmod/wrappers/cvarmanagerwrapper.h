#pragma once
// Console variables, console commands, command execution and the console log,
// as seen by one plugin.
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "../plugin/bakkesmodsdk.h"
#include "cvarwrapper.h"

typedef void (*commandNotifier)(std::vector<std::string>);

class BAKKESMOD_PLUGIN_IMPORT CVarManagerWrapper {
public:
    CVarManagerWrapper(std::uintptr_t mem, std::type_index pluginIdx);
    CVarManagerWrapper(const CVarManagerWrapper& other);
    CVarManagerWrapper& operator=(CVarManagerWrapper rhs);
    ~CVarManagerWrapper();

    void executeCommand(std::string command, bool log = true);
    void registerNotifier(std::string cvar, commandNotifier notifier, std::string description,
                          unsigned char permissions);
    void registerNotifier(std::string cvar, std::function<void(std::vector<std::string>)> notifier,
                          std::string description, unsigned char permissions);

    CVarWrapper registerCvar(std::string cvar, std::string defaultValue, std::string desc = "", bool searchAble = true,
                             bool hasMin = false, float min = 0, bool hasMax = false, float max = 0,
                             bool saveToCfg = true);

    void log(std::string text);
    CVarWrapper getCvar(std::string cvar);

private:
    PIMPL
};
