#pragma once
// A handle on one host console variable. The host owns the value (as text);
// the handle names it and the plugin that asked for it.
#include <functional>
#include <memory>
#include <string>
#include <typeindex>

#include "../plugin/bakkesmodsdk.h"
#include "wrapperstructs.h"

class BAKKESMOD_PLUGIN_IMPORT CVarWrapper {
public:
    CVarWrapper(std::uintptr_t mem, std::type_index pluginIdx);
    CVarWrapper(const CVarWrapper& other);
    CVarWrapper& operator=(CVarWrapper rhs);
    ~CVarWrapper();

private:
    PIMPL

public:
    std::string getCVarName();
    int getIntValue();
    float getFloatValue();
    bool getBoolValue();
    std::string getStringValue();
    std::string getDescription();
    // Each runs the change callbacks before it returns, when the stored text changed.
    void setValue(std::string value);
    void setValue(int value);
    void setValue(float value);
    // The callback gets the previous value text and this variable.
    void addOnValueChanged(std::function<void(std::string, CVarWrapper)> changeFunc);
    bool IsNull();
    explicit operator bool();
};
