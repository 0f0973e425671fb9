#include "core/ResetAll.h"

#include <charconv>
#include <string>

#include "Vantrix.h"
#include "core/Catalogue.h"
#include "core/Log.h"
#include "core/MatchPhase.h"

namespace vtx {

namespace {

std::string_view resetValue(const ResetEntry& entry) {
    if (!entry.value.empty()) {
        return entry.value;
    }
    const CvarSpec* spec = findCvarSpec(entry.name);
    return spec ? spec->defaultValue : std::string_view();
}

template <class Number> Number numberFrom(std::string_view text) {
    Number value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void reset(CVarManagerWrapper& cvars, const ResetEntry& entry) {
    CVarWrapper cvar = cvars.getCvar(std::string(entry.name));
    const std::string_view value = resetValue(entry);
    switch (entry.as) {
    case ResetAs::Int:
        cvar.setValue(numberFrom<int>(value));
        break;
    case ResetAs::Float:
        cvar.setValue(numberFrom<float>(value));
        break;
    case ResetAs::Text:
        cvar.setValue(std::string(value));
        break;
    }
}

} // namespace

void resetAllSettings(Vantrix& plugin) {
    CVarManagerWrapper& cvars = *plugin.cvarManager;
    for (const ResetEntry& entry : kResetEntries) {
        reset(cvars, entry);
    }
    for (std::string_view code : kLayerCodes) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            cvars.getCvar(layerOffsetName(code, axis)).setValue(0.0f);
        }
    }
    clearMatchPhase(plugin);
    plugin.imagesLoaded = false;
    logLine(plugin.cvarManager, "Reset ALL settings to defaults.");
}

} // namespace vtx
