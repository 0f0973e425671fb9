#include "core/SettingsSnapshot.h"

#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

namespace vtx {

SettingsSnapshot::SettingsSnapshot() {
    for (const CvarSpec* row : kAll) {
        values_[row->index].number.store(defaultFloat(*row), std::memory_order_relaxed);
        values_[row->index].integer.store(defaultInt(*row), std::memory_order_relaxed);
    }
}

void SettingsSnapshot::follow(CVarManagerWrapper& cvars) {
    for (const CvarSpec* row : kAll) {
        followOne(cvars, std::string(row->name), row->index);
    }
    for (std::size_t id = 0; id < kControlCount; ++id) {
        for (Axis axis : {Axis::X, Axis::Y}) {
            const auto control = static_cast<ControlId>(id);
            followOne(cvars, layerOffsetName(kControls[id].code, axis), offsetSlot(control, axis));
        }
    }
}

// The handler first, then the value: a change that comes in between is seen
// by the one or the other.
void SettingsSnapshot::followOne(CVarManagerWrapper& cvars, const std::string& name, std::size_t slot) {
    CVarWrapper var = cvars.getCvar(name);
    if (!var) {
        return;
    }
    var.addOnValueChanged([this, slot](std::string, CVarWrapper changed) { take(slot, changed); });
    take(slot, var);
}

void SettingsSnapshot::take(std::size_t slot, CVarWrapper& var) noexcept {
    try {
        const float number = var.getFloatValue();
        const int integer = var.getIntValue();
        values_[slot].number.store(number, std::memory_order_relaxed);
        values_[slot].integer.store(integer, std::memory_order_relaxed);
    } catch (...) {
        // Nothing may reach the host from a handler; the value stays as it was.
    }
}

} // namespace vtx
