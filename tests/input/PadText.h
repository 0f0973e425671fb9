#pragma once
// A pad state as the tests write their expectations: the codes of the
// controls held, in the controls' order ("RB Start Back Mute"), and the
// sticks and triggers as the report bytes that give them.
#include <ostream>
#include <sstream>
#include <string>

#include "input/PadState.h"

namespace vtxtest {

inline std::string held(const vtx::PadState& pad) {
    std::string codes;
    for (std::size_t id = 0; id < vtx::kControlCount; ++id)
        if (pad.holds(static_cast<vtx::ControlId>(id)))
            codes += (codes.empty() ? "" : " ") + std::string(vtx::kControls[id].code);
    return codes;
}

// A Sony stick byte as the pad state holds it: 0 left or up, 255 right or down.
inline float stickByte(int value) { return static_cast<float>((value - 128) / 127.0); }
inline float triggerByte(int value) { return static_cast<float>(value / 255.0); }

// The pad a report should give: `codes` held, the sticks' and triggers' bytes.
inline vtx::PadState padOf(const std::string& codes, int lx = 128, int ly = 128, int rx = 128, int ry = 128,
                           float lt = 0, float rt = 0) {
    vtx::PadState pad;
    std::istringstream words(codes);
    for (std::string code; words >> code;)
        pad.press(*vtx::findControl(code));
    pad.sticks[vtx::kLeft] = {stickByte(lx), stickByte(ly)};
    pad.sticks[vtx::kRight] = {stickByte(rx), stickByte(ry)};
    pad.triggers = {lt, rt};
    return pad;
}

} // namespace vtxtest

namespace vtx {
inline void PrintTo(const PadState& pad, std::ostream* os) {
    *os << "held \"" << vtxtest::held(pad) << "\" triggers " << pad.triggers[kLeft] << "," << pad.triggers[kRight]
        << " sticks " << pad.sticks[kLeft].x << "," << pad.sticks[kLeft].y << " " << pad.sticks[kRight].x << ","
        << pad.sticks[kRight].y;
}
} // namespace vtx
