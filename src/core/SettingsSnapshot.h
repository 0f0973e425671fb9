#pragma once
// The settings as the overlay's frame reads them: one value per catalogue row
// and per layer offset, kept current by the variables' change handlers, so a
// frame asks the host for none of them. Writes still go through the host's
// variables; their handlers bring the new value here.
//
// The host runs a handler on whichever thread set the variable (the menu's
// window may run on a thread of its own) while the frame reads on the game's,
// so each value is an atomic of its own: a reader sees every value either
// before or after a change, never half-written.
#include <array>
#include <atomic>
#include <cstddef>
#include <string>

#include "core/Catalogue.h"
#include "core/Controls.h"

class CVarManagerWrapper;
class CVarWrapper;

namespace vtx {

class SettingsSnapshot {
public:
    // Every value at its catalogue default until follow().
    SettingsSnapshot();
    SettingsSnapshot(const SettingsSnapshot&) = delete;
    SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

    // Once every variable is registered: attaches a change handler to each
    // catalogue variable and layer offset the host has, then takes their
    // values as they stand (the host may hand back saved ones at
    // registration). A variable the host lacks keeps its default. The
    // handlers refer to this object: it must outlive them (the host drops a
    // plugin's handlers when it unloads the plugin). Called once.
    void follow(CVarManagerWrapper& cvars);

    // A value as the plugin uses it: the host's reading, within the row's
    // limits of use when it has them.
    float number(const CvarSpec& row) const { return withinUseLimits(row, stored(row)); }
    int integer(const CvarSpec& row) const {
        return withinUseLimits(row, values_[row.index].integer.load(std::memory_order_relaxed));
    }
    // Switches: 0 is off, anything else on.
    bool on(const CvarSpec& row) const { return integer(row) != 0; }
    // The host's float reading as it stands, outside the limits of use too:
    // what a file that keeps the setting should keep.
    float stored(const CvarSpec& row) const { return values_[row.index].number.load(std::memory_order_relaxed); }

    // A control's picture offset, in screen pixels.
    float offset(ControlId id, Axis axis) const {
        return values_[offsetSlot(id, axis)].number.load(std::memory_order_relaxed);
    }

private:
    // The rows' slots first, then each control's X and Y offsets.
    static constexpr std::size_t kSlotCount = kCvarCount + 2 * kControlCount;
    static constexpr std::size_t offsetSlot(ControlId id, Axis axis) {
        return kCvarCount + 2 * std::size_t{id} + (axis == Axis::X ? 0 : 1);
    }

    struct Value {
        std::atomic<float> number{0};
        std::atomic<int> integer{0};
    };

    void followOne(CVarManagerWrapper& cvars, const std::string& name, std::size_t slot);
    // The variable's value as the host reads it now.
    void take(std::size_t slot, CVarWrapper& var) noexcept;

    std::array<Value, kSlotCount> values_;
};

} // namespace vtx
