#include "input/SonyDecode.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace vtx {
namespace {

float trigger(std::uint8_t value) { return static_cast<float>(value / 255.0); }

// Report bytes are addressed through the calibration's signed indices.
struct Report {
    const std::uint8_t* bytes;
    std::size_t length;

    bool has(std::int32_t index) const { return byteUsable(index, length); }
    std::uint8_t at(std::int32_t index) const { return bytes[static_cast<std::size_t>(index)]; }
};

// A pad's Y bytes grow downward, and the wizard sets the Y flags: a set Y
// flag keeps the byte's direction on the screen, a clear one turns it over.
// A set X flag turns its axis over.
void calibratedAxis(const Report& r, std::int32_t index, bool invert, bool vertical, float& out) {
    if (!r.has(index))
        return;
    const float axis = sonyStickAxis(r.at(index));
    out = (invert != vertical) ? -axis : axis;
}

void calibratedButton(const Report& r, std::int32_t index, std::uint8_t mask, ControlId id, PadState& out) {
    if (mask != 0 && r.has(index) && (r.at(index) & mask) != 0)
        out.press(id);
}

void calibratedDpad(const SonyCalibration& c, const Report& r, PadState& out) {
    if (!r.has(c.dpad_byte) || (c.dpad_shift != 0 && c.dpad_shift != 4))
        return;
    const int n = (r.at(c.dpad_byte) >> c.dpad_shift) & 0x0F;
    // First match only, in this order; diagonals and the rest position match none.
    if (n == c.dpad_up)
        out.press(control("DU"));
    else if (n == c.dpad_right)
        out.press(control("DR"));
    else if (n == c.dpad_down)
        out.press(control("DD"));
    else if (n == c.dpad_left)
        out.press(control("DL"));
}

constexpr int rejected = -999;

// Sticks that sit exactly on an end stop are unlikely, so offsets whose four
// stick bytes are off the ends score best.
int candidateScore(const std::uint8_t* report, std::size_t length, std::size_t o) {
    if (o + 9 >= length || (report[o + 5] & 0x0F) > 8)
        return rejected;
    int score = 0;
    for (std::size_t i = 1; i <= 4; ++i)
        if (report[o + i] != 0 && report[o + i] != 255)
            score += 2;
    return score;
}

} // namespace

PadState decodeCalibrated(const SonyCalibration& c, const std::uint8_t* report, std::size_t length) {
    const Report r{report, length};
    PadState out;
    // A set X flag inverts its axis just as the Y flags do: that is what a
    // user who writes lx_invert=1 into the file asks for.
    calibratedAxis(r, c.lx_byte, c.lx_invert, false, out.sticks[kLeft].x);
    calibratedAxis(r, c.ly_byte, c.ly_invert, true, out.sticks[kLeft].y);
    calibratedAxis(r, c.rx_byte, c.rx_invert, false, out.sticks[kRight].x);
    calibratedAxis(r, c.ry_byte, c.ry_invert, true, out.sticks[kRight].y);
    if (r.has(c.lt_byte))
        out.triggers[kLeft] = trigger(r.at(c.lt_byte));
    if (r.has(c.rt_byte))
        out.triggers[kRight] = trigger(r.at(c.rt_byte));
    calibratedButton(r, c.square_byte, c.square_mask, control("X"), out);
    calibratedButton(r, c.cross_byte, c.cross_mask, control("A"), out);
    calibratedButton(r, c.circle_byte, c.circle_mask, control("B"), out);
    calibratedButton(r, c.triangle_byte, c.triangle_mask, control("Y"), out);
    calibratedButton(r, c.l1_byte, c.l1_mask, control("LB"), out);
    calibratedButton(r, c.r1_byte, c.r1_mask, control("RB"), out);
    calibratedDpad(c, r, out);
    return out;
}

bool decodeHeuristic(const std::uint8_t* report, std::size_t length, PadState& out) {
    int bestScore = rejected;
    std::size_t o = 0;
    for (std::size_t candidate = 0; candidate <= 6; ++candidate) {
        const int score = candidateScore(report, length, candidate);
        if (score > bestScore) {
            bestScore = score;
            o = candidate;
        }
    }
    if (bestScore == rejected)
        return false;

    PadState pad;
    pad.sticks[kLeft] = {sonyStickAxis(report[o + 1]), sonyStickAxis(report[o + 2])};
    pad.sticks[kRight] = {sonyStickAxis(report[o + 3]), sonyStickAxis(report[o + 4])};
    const std::uint8_t face = report[o + 5];
    pressHat(face & 0x0F, pad);
    const std::pair<std::uint8_t, ControlId> bits[] = {
        {0x10, control("X")}, {0x20, control("A")}, {0x40, control("B")}, {0x80, control("Y")}};
    for (const auto& [bit, id] : bits)
        if ((face & bit) != 0)
            pad.press(id);
    const std::uint8_t shoulders = report[o + 6];
    const std::pair<std::uint8_t, ControlId> shoulderBits[] = {
        {0x01, control("LB")}, {0x02, control("RB")}, {0x40, control("L3")}, {0x80, control("R3")}};
    for (const auto& [bit, id] : shoulderBits)
        if ((shoulders & bit) != 0)
            pad.press(id);
    pad.triggers = {trigger(report[o + 8]), trigger(report[o + 9])};
    out = pad;
    return true;
}

bool isOwnCalibration(const SonyCalibration& calibration, std::size_t length) {
    static const SonyCalibration builtIn = defaultCalibration();
    // An empty or cut-off file loads as enabled and valid with bindings missing;
    // it must not blank a pad whose layout is known.
    return calibration.enabled && calibration.valid && calibrationComplete(calibration, length) &&
           !(calibration == builtIn);
}

namespace {

constexpr std::size_t kNoLength = std::numeric_limits<std::size_t>::max();

// The shortest report a calibration the user made can read, or kNoLength.
std::size_t ownCalibrationFrom(const SonyCalibration& c) {
    const std::int32_t indices[] = {c.square_byte, c.cross_byte, c.circle_byte, c.triangle_byte, c.l1_byte,
                                    c.r1_byte,     c.dpad_byte,  c.lx_byte,     c.ly_byte,       c.rx_byte,
                                    c.ry_byte,     c.lt_byte,    c.rt_byte};
    std::int32_t last = 0;
    for (std::int32_t index : indices) {
        if (index < 0)
            return kNoLength;
        last = std::max(last, index);
    }
    const std::size_t from = static_cast<std::size_t>(last) + 1;
    return isOwnCalibration(c, from) ? from : kNoLength;
}

} // namespace

SonyDecoding::SonyDecoding(const SonyCalibration& calibration)
    : calibration_(calibration), ownFrom_(ownCalibrationFrom(calibration)),
      calibrationOn_(calibration.enabled && calibration.valid) {}

bool SonyDecoding::decode(const std::uint8_t* report, std::size_t length, SonyProtocol protocol, PadState& out) const {
    if (report == nullptr || length < minSonyReportLength)
        return false;
    // A calibration the user made with the wizard reads every pad, as it always has.
    if (length >= ownFrom_) {
        out = decodeCalibrated(calibration_, report, length);
        return true;
    }
    switch (decodeKnownLayout(protocol, report, length, out)) {
    case KnownLayout::decoded:
        return true;
    case KnownLayout::noPadState:
        return false;
    case KnownLayout::notCovered:
        break;
    }
    if (calibrationOn_) {
        out = decodeCalibrated(calibration_, report, length);
        return true;
    }
    return decodeHeuristic(report, length, out);
}

bool decodeSonyReport(const std::uint8_t* report, std::size_t length, const SonyCalibration& calibration,
                      SonyProtocol protocol, PadState& out) {
    return SonyDecoding(calibration).decode(report, length, protocol, out);
}

} // namespace vtx
