#pragma once
// The calibration wizard's bind: for one control at a time it waits out a
// countdown, learns which report bytes move on their own, finds the byte (and
// bit, nibble or axis) that the user's press changes, waits for the release,
// and commits the binding when the same press shows again. Driven once per
// drawn frame with the latest raw report and the millisecond tick count; the
// calibration tab only draws what these functions decide.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "input/SonyCalibration.h"

namespace vtx {

using Report = std::vector<std::uint8_t>;

enum class BindPhase { Countdown = 0, NoiseFilter = 1, Detect = 2, Release = 3, Confirm = 4 };
enum class BindKind { Dpad, Trigger, Axis, FaceButton, Bumper };

struct BindItem {
    int item; // 1-16
    const char* rowLabel;
    const char* bindingName;
    BindKind kind;
};

// The sixteen items in bind order: D-pad, triggers, sticks, face buttons, bumpers.
extern const std::array<BindItem, 16> kBindItems;
// The item numbered `item`, or null outside 1-16.
const BindItem* findBindItem(int item);

inline constexpr std::uint64_t kCountdownMs = 500;
inline constexpr std::uint64_t kNoiseFilterMs = 250;
inline constexpr std::uint64_t kReleaseConfirmTimeoutMs = 2500;
inline constexpr std::size_t kScanLimit = 32;
inline constexpr int kHitsNeeded = 2;

struct BindState {
    bool active = false;
    int item = 0;
    BindPhase phase = BindPhase::Countdown;
    std::uint64_t startedAt = 0;
    std::uint64_t readyAt = 0;
    std::uint64_t noiseEndsAt = 0;
    std::uint64_t deadline = 0;
    Report baseline;
    Report snapshot;
    std::vector<std::uint8_t> noisy; // one flag per scanned byte
    int hits = 0;
    int candButtonByte = -1;
    std::uint8_t candButtonMask = 0;
    int candAxisByte = -1;
    bool candAxisInvert = false;
    int candTriggerByte = -1;
    int candDpadByte = -1;
    int candDpadShift = 0;
    std::uint8_t candDpadValue = 8;
};

void endBind(BindState& bind);
void startBind(BindState& bind, int item, std::uint64_t now);
void beginNoiseFilter(BindState& bind, const Report& report, std::uint64_t now);

// The countdown and noise-filter timers, run first in every frame of a bind.
void advanceBindTimers(BindState& bind, const Report& report, std::uint64_t now);

// Index `i` may hold the control: not the report id, not the motion-sensor
// bytes 13-24, within the scan limit, and quiet during the noise filter.
bool scanIndexAllowed(const BindState& bind, std::size_t i);

// What one phase step saw, for the tab to show.
enum class StepResult { Nothing, Detected, Released, Confirmed, Committed, TimedOut };

// Detect: a candidate in this frame counts a hit; two in a row move on to Release.
StepResult stepDetect(BindState& bind, const Report& report, const SonyCalibration& calibration, std::uint64_t now);
// Release: the candidate back at rest takes a new baseline and moves on to Confirm.
StepResult stepRelease(BindState& bind, const Report& report, std::uint64_t now);
// Confirm: the same input pressed again for two frames writes the binding
// into `calibration` and ends the bind.
StepResult stepConfirm(BindState& bind, const Report& report, SonyCalibration& calibration, std::uint64_t now);

// Writes the bind's candidate into the item's fields of `calibration`.
void commitBind(const BindState& bind, SonyCalibration& calibration);

// The binding text of an item's row, judged against a report of `length` bytes.
std::string bindingText(int item, const SonyCalibration& calibration, std::size_t length);

} // namespace vtx
