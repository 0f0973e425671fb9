#pragma once
// One console variable as the host keeps it: its value text, its range and
// the change callbacks of whoever attached them.
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

#include "bakkesmod/wrappers/cvarwrapper.h"
#include "vtxhost/Host.h"

namespace vtxhost {

class HostImpl;

struct ValueChangedCallback {
    int owner = 0;
    std::type_index ownerType = typeid(void); // what the callback's CVarWrapper names
    std::function<void(std::string, CVarWrapper)> fn;
};

// A CVarWrapper names its plugin by type only; one made by a plugin's
// CVarManagerWrapper belongs to that manager's load even when the plugin has
// since been loaded again. The manager sets this while it makes one.
struct WrapperOwnerScope {
    explicit WrapperOwnerScope(int owner) : previous(current) {
        current = &owner_;
        owner_ = owner;
    }
    ~WrapperOwnerScope() { current = previous; }
    WrapperOwnerScope(const WrapperOwnerScope&) = delete;
    WrapperOwnerScope& operator=(const WrapperOwnerScope&) = delete;

    static inline thread_local const int* current = nullptr;

private:
    int owner_ = 0;
    const int* previous;
};

struct CVarEntry {
    HostImpl* host = nullptr;
    CVarInfo info;
    std::vector<ValueChangedCallback> callbacks;
    int callbackDepth = 0; // guards against callbacks that keep changing the value
};

} // namespace vtxhost
