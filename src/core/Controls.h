#pragma once
// Every control of a pad that the overlay shows, named once, in drawing
// order: its code (the skin's layer key, the press timing's name, the offset
// variables' middle part), its kind, the picture files a skin may give it and
// what its picture shows. The drawing, the press timing, the skin's layer
// list, the skin check and the skin authors' table all read this table; code
// elsewhere names a control by its code (control("A")), checked when it is
// compiled.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vtx {

enum class ControlKind : std::uint8_t {
    button,  // held or not
    trigger, // a pressure 0..1
    stick,   // two axes and a click
};

struct ControlSpec {
    std::string_view code;
    ControlKind kind;
    // Which trigger or stick (0 left, 1 right); 0 for a button.
    std::uint8_t side;
    // The skin's file names, most preferred first; unused places empty.
    std::array<std::string_view, 5> pictures;
    // When the picture is drawn, for the skin authors' table.
    std::string_view shows;
};

// clang-format off
inline constexpr std::array<ControlSpec, 23> kControls = {{
    {"A",  ControlKind::button, 0, {"A_Button.png", "A.png"}, "bottom face button held (Xbox A, Sony cross)"},
    {"B",  ControlKind::button, 0, {"B_Button.png", "B.png"}, "right face button held (B, circle)"},
    {"X",  ControlKind::button, 0, {"X_Button.png", "X.png"}, "left face button held (X, square)"},
    {"Y",  ControlKind::button, 0, {"Y_Button.png", "Y.png"}, "top face button held (Y, triangle)"},
    {"DU", ControlKind::button, 0, {"Dpad_Up.png", "DpadUp.png", "DU.png"}, "D-pad up held"},
    {"DD", ControlKind::button, 0, {"Dpad_Down.png", "DpadDown.png", "DD.png"}, "D-pad down held"},
    {"DL", ControlKind::button, 0, {"Dpad_Left.png", "DpadLeft.png", "DL.png"}, "D-pad left held"},
    {"DR", ControlKind::button, 0, {"Dpad_Right.png", "DpadRight.png", "DR.png"}, "D-pad right held"},
    {"LB", ControlKind::button, 0, {"Left_Bumper.png", "LB.png", "L1.png", "LeftBumper.png"}, "left bumper held (LB, L1)"},
    {"RB", ControlKind::button, 0, {"Right_Bumper.png", "RB.png", "R1.png", "RightBumper.png"}, "right bumper held (RB, R1)"},
    {"LT", ControlKind::trigger, 0, {"Left_Trigger.png", "LT.png", "L2.png", "LeftTrigger.png"}, "left trigger pressed (LT, L2)"},
    {"RT", ControlKind::trigger, 1, {"Right_Trigger.png", "RT.png", "R2.png", "RightTrigger.png"}, "right trigger pressed (RT, R2)"},
    {"L3", ControlKind::stick, 0, {"L3.png", "LStick.png", "Left_Stick.png", "LeftStick.png"}, "left stick cap, moved with the stick"},
    {"R3", ControlKind::stick, 1, {"R3.png", "RStick.png", "Right_Stick.png", "RightStick.png"}, "right stick cap, moved with the stick"},
    {"Start", ControlKind::button, 0, {"Start.png", "Menu.png", "Options.png"}, "Start held (Xbox Menu, Sony Options)"},
    {"Back", ControlKind::button, 0, {"Back.png", "Select.png", "View.png", "Share.png", "Create.png"}, "Back held (Xbox View, Sony Share or Create)"},
    {"PS", ControlKind::button, 0, {"PS.png", "Guide.png", "Home.png"}, "PS button held"},
    {"Touchpad", ControlKind::button, 0, {"Touchpad.png"}, "touchpad clicked"},
    {"Mute", ControlKind::button, 0, {"Mute.png"}, "DualSense mute button held"},
    {"FnL", ControlKind::button, 0, {"FnL.png"}, "DualSense Edge left Fn button held"},
    {"FnR", ControlKind::button, 0, {"FnR.png"}, "DualSense Edge right Fn button held"},
    {"PaddleL", ControlKind::button, 0, {"PaddleL.png"}, "DualSense Edge left back paddle held"},
    {"PaddleR", ControlKind::button, 0, {"PaddleR.png"}, "DualSense Edge right back paddle held"},
}};
// clang-format on

inline constexpr std::size_t kControlCount = kControls.size();

// A skin's picture of the whole pad, drawn first; without it nothing is drawn.
inline constexpr std::string_view kBaseFile = "Base.png";

// A control as its place in kControls.
using ControlId = std::uint8_t;

// The control a code names, matched exactly; nothing for any other text.
constexpr std::optional<ControlId> findControl(std::string_view code) {
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (kControls[i].code == code) {
            return static_cast<ControlId>(i);
        }
    }
    return std::nullopt;
}

// A control named in code: an unknown code does not compile.
consteval ControlId control(std::string_view code) {
    const std::optional<ControlId> found = findControl(code);
    if (!found) {
        throw "no control has this code";
    }
    return *found;
}

// The controls held, one bit each by ControlId.
using ControlBits = std::uint32_t;
static_assert(kControlCount <= 32, "one bit a control");
constexpr ControlBits controlBit(ControlId id) { return ControlBits{1} << id; }

// The table of a skin's layers as the skin authors' guide shows it.
std::string controlsMarkdown();

} // namespace vtx
