#pragma once
// A handle on one host console variable. The host owns the value (as text);
// the handle only names it and the plugin that asked for it.
#include "bakkesmod/wrappers/sdkexport.h"
#include <functional>
#include <string>

namespace vtxhost {
struct CVarEntry;
}

class PLUGINSDK_API CVarWrapper {
public:
    CVarWrapper() = default;
    CVarWrapper(vtxhost::CVarEntry* entry, int owner) : entry_(entry), owner_(owner) {}

    bool IsNull() const { return entry_ == nullptr; }
    explicit operator bool() const { return !IsNull(); }

    std::string getCVarName() const;
    std::string getDescription() const;

    int getIntValue() const;
    float getFloatValue() const;
    bool getBoolValue() const;
    std::string getStringValue() const;

    // Each runs the change callbacks before it returns, when the stored text changed.
    void setValue(const std::string& value);
    void setValue(const char* value) { setValue(std::string(value)); }
    void setValue(int value);
    void setValue(float value);

    // The callback gets the previous value text and this variable.
    void addOnValueChanged(std::function<void(std::string, CVarWrapper)> callback);

private:
    vtxhost::CVarEntry* entry_ = nullptr;
    int owner_ = 0;
};
