#include "input/XInputSource.h"

namespace vtx {
namespace {

// XInput's button word, bit by bit.
struct XInputButton {
    std::uint16_t bit;
    ControlId control;
};
constexpr XInputButton kButtons[] = {
    {0x1000, control("A")},     {0x2000, control("B")},    {0x4000, control("X")},  {0x8000, control("Y")},
    {0x0001, control("DU")},    {0x0002, control("DD")},   {0x0004, control("DL")}, {0x0008, control("DR")},
    {0x0100, control("LB")},    {0x0200, control("RB")},   {0x0040, control("L3")}, {0x0080, control("R3")},
    {0x0010, control("Start")}, {0x0020, control("Back")},
};

} // namespace

float xinputAxis(std::int16_t value) {
    if (value == -32768)
        return -1.0f;
    return static_cast<float>(value / 32767.0);
}

PadState padFromXInput(const platform::XInputGamepad& g) {
    PadState pad;
    for (const XInputButton& button : kButtons)
        if ((g.buttons & button.bit) != 0)
            pad.press(button.control);
    pad.triggers = {static_cast<float>(g.leftTrigger / 255.0), static_cast<float>(g.rightTrigger / 255.0)};
    // XInput's Y is positive up.
    pad.sticks[kLeft] = {xinputAxis(g.thumbLX), -xinputAxis(g.thumbLY)};
    pad.sticks[kRight] = {xinputAxis(g.thumbRX), -xinputAxis(g.thumbRY)};
    return pad;
}

bool XInputSource::query(unsigned index) {
    UserIndex& user = users_[index];
    user.gamepad = {};
    user.connected = platform::xinputGetState(index, user.gamepad);
    return user.connected;
}

void XInputSource::refresh(const SourcePoll& at) {
    // Compared as unsigned, so -1 and every other value outside 0-3 scan all four.
    const auto fixed = static_cast<unsigned>(at.padSetting);
    chosen_ = -1;
    if (fixed <= 3) {
        chosen_ = query(fixed) ? static_cast<int>(fixed) : -1;
        return;
    }
    for (unsigned index = 0; index <= 3 && chosen_ < 0; ++index)
        if (query(index))
            chosen_ = static_cast<int>(index);
}

bool XInputSource::poll(const SourcePoll&, PadState& out) {
    if (chosen_ < 0)
        return false;
    out = padFromXInput(users_[static_cast<unsigned>(chosen_)].gamepad);
    return true;
}

bool XInputSource::lastAnswer(unsigned index, platform::XInputGamepad& out) const {
    if (index >= users_.size() || !users_[index].connected)
        return false;
    out = users_[index].gamepad;
    return true;
}

} // namespace vtx
