#include "input/CalibrationWizard.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>

namespace vtx {

const std::array<BindItem, 16> kBindItems = {{
    {1, "D-Pad Up", "D-Pad Up", BindKind::Dpad},
    {2, "D-Pad Right", "D-Pad Right", BindKind::Dpad},
    {3, "D-Pad Down", "D-Pad Down", BindKind::Dpad},
    {4, "D-Pad Left", "D-Pad Left", BindKind::Dpad},
    {5, "L2", "L2 (Left Trigger)", BindKind::Trigger},
    {6, "R2", "R2 (Right Trigger)", BindKind::Trigger},
    {7, "Left Stick X", "Left Stick X", BindKind::Axis},
    {8, "Left Stick Y", "Left Stick Y", BindKind::Axis},
    {9, "Right Stick X", "Right Stick X", BindKind::Axis},
    {10, "Right Stick Y", "Right Stick Y", BindKind::Axis},
    {11, "Square", "Square", BindKind::FaceButton},
    {12, "Cross", "Cross (X)", BindKind::FaceButton},
    {13, "Circle", "Circle", BindKind::FaceButton},
    {14, "Triangle", "Triangle", BindKind::FaceButton},
    {15, "L1", "L1", BindKind::Bumper},
    {16, "R1", "R1", BindKind::Bumper},
}};

namespace {

constexpr std::uint8_t kHatNeutral = 8;

// The record's fields per item, so that commit and the row texts agree.
using C = SonyCalibration;
constexpr std::uint8_t C::*kDpadDirections[] = {&C::dpad_up, &C::dpad_right, &C::dpad_down, &C::dpad_left};
constexpr std::int32_t C::*kTriggerBytes[] = {&C::lt_byte, &C::rt_byte};
struct AxisFields {
    std::int32_t C::*byte;
    bool C::*invert;
};
constexpr AxisFields kAxes[] = {{&C::lx_byte, &C::lx_invert},
                                {&C::ly_byte, &C::ly_invert},
                                {&C::rx_byte, &C::rx_invert},
                                {&C::ry_byte, &C::ry_invert}};
struct ButtonFields {
    std::int32_t C::*byte;
    std::uint8_t C::*mask;
};
constexpr ButtonFields kButtons[] = {{&C::square_byte, &C::square_mask}, {&C::cross_byte, &C::cross_mask},
                                     {&C::circle_byte, &C::circle_mask}, {&C::triangle_byte, &C::triangle_mask},
                                     {&C::l1_byte, &C::l1_mask},         {&C::r1_byte, &C::r1_mask}};

std::uint8_t nibble(std::uint8_t value, int shift) { return static_cast<std::uint8_t>((value >> shift) & 0x0F); }

int distanceFromCentre(std::uint8_t value) { return std::abs(static_cast<int>(value) - 128); }

std::size_t commonLength(const Report& a, const Report& b) { return std::min(a.size(), b.size()); }

// Scanned indices for D-pad, trigger and axis items: below the scan limit and both reports' lengths.
std::size_t scanEnd(const BindState& bind, const Report& report) {
    return std::min(kScanLimit, commonLength(bind.baseline, report));
}

bool findDpad(BindState& bind, const Report& cur) {
    const Report& base = bind.baseline;
    for (std::size_t i = 0; i < scanEnd(bind, cur); ++i) {
        if (!scanIndexAllowed(bind, i))
            continue;
        for (int shift : {0, 4}) {
            if (nibble(base[i], shift) == kHatNeutral && nibble(cur[i], shift) <= 7) {
                bind.candDpadByte = static_cast<int>(i);
                bind.candDpadShift = shift;
                bind.candDpadValue = nibble(cur[i], shift);
                return true;
            }
        }
    }
    return false;
}

bool findTrigger(BindState& bind, const Report& cur) {
    const Report& base = bind.baseline;
    for (std::size_t i = 0; i < scanEnd(bind, cur); ++i) {
        if (scanIndexAllowed(bind, i) && cur[i] >= 128 && cur[i] > base[i] + 20) {
            bind.candTriggerByte = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

bool findAxis(BindState& bind, const Report& cur) {
    const Report& base = bind.baseline;
    for (std::size_t i = 0; i < scanEnd(bind, cur); ++i) {
        if (scanIndexAllowed(bind, i) && distanceFromCentre(cur[i]) >= 64 && std::abs(cur[i] - base[i]) >= 30) {
            bind.candAxisByte = static_cast<int>(i);
            // The Y axes report down as positive; the overlay wants up.
            bind.candAxisInvert = bind.item == 8 || bind.item == 10;
            return true;
        }
    }
    return false;
}

// Buttons sit next to the hat on every known layout: face buttons share its
// byte, bumpers follow within a few bytes. Without a hat binding the whole
// scanned range is searched.
bool findButton(BindState& bind, const Report& cur, BindKind kind, std::int32_t dpadByte) {
    const Report& base = bind.baseline;
    long first = 0;
    long last = static_cast<long>(std::min(kScanLimit, cur.size())) - 1;
    if (dpadByte >= 0) {
        first = kind == BindKind::Bumper ? std::max<long>(dpadByte - 1, 0) : dpadByte;
        last = kind == BindKind::Bumper ? dpadByte + 3L : dpadByte;
    }
    last = std::min(last, static_cast<long>(commonLength(base, cur)) - 1);
    for (long i = first; i <= last; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!scanIndexAllowed(bind, index))
            continue;
        const auto newlySet = static_cast<std::uint8_t>(cur[index] & ~base[index]);
        if (std::popcount(newlySet) == 1) {
            bind.candButtonByte = static_cast<int>(i);
            bind.candButtonMask = newlySet;
            return true;
        }
    }
    return false;
}

// The byte the candidate was found in, for the item's kind.
int candidateByte(const BindState& bind, BindKind kind) {
    switch (kind) {
    case BindKind::Dpad:
        return bind.candDpadByte;
    case BindKind::Trigger:
        return bind.candTriggerByte;
    case BindKind::Axis:
        return bind.candAxisByte;
    default:
        return bind.candButtonByte;
    }
}

bool atRest(const BindState& bind, BindKind kind, std::uint8_t value) {
    switch (kind) {
    case BindKind::Dpad:
        return nibble(value, bind.candDpadShift) == kHatNeutral;
    case BindKind::Trigger:
        return value < 40;
    case BindKind::Axis:
        return distanceFromCentre(value) < 20;
    default:
        return (value & bind.candButtonMask) == 0;
    }
}

bool pressedAgain(const BindState& bind, BindKind kind, const Report& cur, std::size_t byte) {
    switch (kind) {
    case BindKind::Dpad:
        return nibble(cur[byte], bind.candDpadShift) == bind.candDpadValue;
    case BindKind::Trigger:
        return cur[byte] >= 128;
    case BindKind::Axis:
        return distanceFromCentre(cur[byte]) >= 64;
    default:
        return byte < bind.baseline.size() && (cur[byte] & ~bind.baseline[byte] & bind.candButtonMask) != 0;
    }
}

void clearCandidates(BindState& bind) {
    bind.candButtonByte = -1;
    bind.candButtonMask = 0;
    bind.candAxisByte = -1;
    bind.candAxisInvert = false;
    bind.candTriggerByte = -1;
    bind.candDpadByte = -1;
    bind.candDpadShift = 0;
    bind.candDpadValue = kHatNeutral;
}

bool timedOut(BindState& bind, std::uint64_t now) {
    if (now <= bind.deadline)
        return false;
    endBind(bind);
    return true;
}

std::string format(const char* pattern, int a, int b = 0) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

} // namespace

const BindItem* findBindItem(int item) {
    if (item < 1 || item > static_cast<int>(kBindItems.size()))
        return nullptr;
    return &kBindItems[static_cast<std::size_t>(item - 1)];
}

void endBind(BindState& bind) { bind = BindState{}; }

void startBind(BindState& bind, int item, std::uint64_t now) {
    endBind(bind);
    bind.active = true;
    bind.item = item;
    bind.phase = BindPhase::Countdown;
    bind.startedAt = now;
    bind.readyAt = now + kCountdownMs;
    bind.hits = 0;
}

void beginNoiseFilter(BindState& bind, const Report& report, std::uint64_t now) {
    bind.snapshot = report;
    bind.noisy.assign(kScanLimit, 0);
    bind.noiseEndsAt = now + kNoiseFilterMs;
    bind.phase = BindPhase::NoiseFilter;
    bind.hits = 0;
}

void advanceBindTimers(BindState& bind, const Report& report, std::uint64_t now) {
    if (bind.phase == BindPhase::Countdown) {
        if (now >= bind.readyAt)
            beginNoiseFilter(bind, report, now);
        return;
    }
    if (bind.phase != BindPhase::NoiseFilter)
        return;
    const std::size_t n = std::min({kScanLimit, bind.snapshot.size(), report.size(), bind.noisy.size()});
    for (std::size_t i = 0; i < n; ++i) {
        if (report[i] != bind.snapshot[i])
            bind.noisy[i] = 1;
    }
    if (now >= bind.noiseEndsAt) {
        bind.baseline = report;
        bind.phase = BindPhase::Detect;
        bind.hits = 0;
        clearCandidates(bind);
    }
}

bool scanIndexAllowed(const BindState& bind, std::size_t i) {
    if (i == 0 || (i >= 13 && i <= 24) || i >= kScanLimit)
        return false;
    return i >= bind.noisy.size() || bind.noisy[i] == 0;
}

StepResult stepDetect(BindState& bind, const Report& report, const SonyCalibration& calibration, std::uint64_t now) {
    const BindItem* item = findBindItem(bind.item);
    if (item == nullptr)
        return StepResult::Nothing;
    bool found = false;
    switch (item->kind) {
    case BindKind::Dpad:
        found = findDpad(bind, report);
        break;
    case BindKind::Trigger:
        found = findTrigger(bind, report);
        break;
    case BindKind::Axis:
        found = findAxis(bind, report);
        break;
    default:
        found = findButton(bind, report, item->kind, calibration.dpad_byte);
        break;
    }
    if (!found) {
        bind.hits = 0;
        return StepResult::Nothing;
    }
    bind.hits += 1;
    if (bind.hits >= kHitsNeeded) {
        bind.phase = BindPhase::Release;
        bind.deadline = now + kReleaseConfirmTimeoutMs;
        bind.hits = 0;
    }
    return StepResult::Detected;
}

StepResult stepRelease(BindState& bind, const Report& report, std::uint64_t now) {
    if (timedOut(bind, now))
        return StepResult::TimedOut;
    const BindItem* item = findBindItem(bind.item);
    const int byte = item ? candidateByte(bind, item->kind) : -1;
    if (!byteUsable(byte, report.size()) || !atRest(bind, item->kind, report[static_cast<std::size_t>(byte)]))
        return StepResult::Nothing;
    bind.baseline = report;
    bind.phase = BindPhase::Confirm;
    bind.hits = 0;
    return StepResult::Released;
}

StepResult stepConfirm(BindState& bind, const Report& report, SonyCalibration& calibration, std::uint64_t now) {
    if (timedOut(bind, now))
        return StepResult::TimedOut;
    const BindItem* item = findBindItem(bind.item);
    const int byte = item ? candidateByte(bind, item->kind) : -1;
    if (!byteUsable(byte, report.size()) || !pressedAgain(bind, item->kind, report, static_cast<std::size_t>(byte))) {
        bind.hits = 0;
        return StepResult::Nothing;
    }
    bind.hits += 1;
    if (bind.hits < kHitsNeeded)
        return StepResult::Confirmed;
    commitBind(bind, calibration);
    endBind(bind);
    return StepResult::Committed;
}

void commitBind(const BindState& bind, SonyCalibration& c) {
    const int item = bind.item;
    if (item >= 1 && item <= 4) {
        // One hat byte holds all four directions: binding one moves them all.
        c.dpad_byte = bind.candDpadByte;
        c.dpad_shift = bind.candDpadShift;
        c.dpad_neutral = kHatNeutral;
        c.*kDpadDirections[item - 1] = bind.candDpadValue;
    } else if (item >= 5 && item <= 6) {
        c.*kTriggerBytes[item - 5] = bind.candTriggerByte;
    } else if (item >= 7 && item <= 10) {
        c.*kAxes[item - 7].byte = bind.candAxisByte;
        c.*kAxes[item - 7].invert = bind.candAxisInvert;
    } else if (item >= 11 && item <= 16) {
        c.*kButtons[item - 11].byte = bind.candButtonByte;
        c.*kButtons[item - 11].mask = bind.candButtonMask;
    }
}

std::string bindingText(int item, const SonyCalibration& c, std::size_t length) {
    if (item >= 1 && item <= 4 && byteUsable(c.dpad_byte, length) && (c.dpad_shift == 0 || c.dpad_shift == 4))
        return format("byte %d shift %d", c.dpad_byte, c.dpad_shift);
    if (item >= 5 && item <= 6 && byteUsable(c.*kTriggerBytes[item - 5], length))
        return format("byte %d", c.*kTriggerBytes[item - 5]);
    if (item >= 7 && item <= 10 && byteUsable(c.*kAxes[item - 7].byte, length))
        return format("byte %d", c.*kAxes[item - 7].byte) + (c.*kAxes[item - 7].invert ? " (inv)" : "");
    if (item >= 11 && item <= 16 && buttonUsable(c.*kButtons[item - 11].byte, c.*kButtons[item - 11].mask, length))
        return format("byte %d mask 0x%02X", c.*kButtons[item - 11].byte, c.*kButtons[item - 11].mask);
    return "(not set)";
}

} // namespace vtx
