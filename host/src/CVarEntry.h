#pragma once
// One console variable as the host keeps it: its value text, its range and
// the change callbacks of whoever attached them.
#include <functional>
#include <string>
#include <vector>

#include "bakkesmod/wrappers/cvarwrapper.h"
#include "vtxhost/Host.h"

namespace vtxhost {

class HostImpl;

struct ValueChangedCallback {
    int owner = 0;
    std::function<void(std::string, CVarWrapper)> fn;
};

struct CVarEntry {
    HostImpl* host = nullptr;
    CVarInfo info;
    std::vector<ValueChangedCallback> callbacks;
    int callbackDepth = 0; // guards against callbacks that keep changing the value
};

} // namespace vtxhost
