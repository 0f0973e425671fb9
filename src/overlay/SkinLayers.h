#pragma once
// The picture files of a skin pack: the base, then each layer's key with the
// file names it may use, most preferred first. Plain data with no host
// dependency, so that tools checking a skin pack read the same table as the
// plugin that draws it.
#include <array>
#include <cstddef>
#include <string_view>

namespace vtx {

inline constexpr std::string_view kBaseFile = "Base.png";

struct SkinLayer {
    std::string_view key;
    std::array<std::string_view, 4> files; // unused places are empty
    bool drawn;                            // Start and Back are loaded but never drawn
};

// In loading order.
inline constexpr std::array<SkinLayer, 16> kSkinLayers = {{
    {"A", {"A_Button.png", "A.png"}, true},
    {"B", {"B_Button.png", "B.png"}, true},
    {"X", {"X_Button.png", "X.png"}, true},
    {"Y", {"Y_Button.png", "Y.png"}, true},
    {"DU", {"Dpad_Up.png", "DpadUp.png", "DU.png"}, true},
    {"DD", {"Dpad_Down.png", "DpadDown.png", "DD.png"}, true},
    {"DL", {"Dpad_Left.png", "DpadLeft.png", "DL.png"}, true},
    {"DR", {"Dpad_Right.png", "DpadRight.png", "DR.png"}, true},
    {"LB", {"Left_Bumper.png", "LB.png", "L1.png", "LeftBumper.png"}, true},
    {"RB", {"Right_Bumper.png", "RB.png", "R1.png", "RightBumper.png"}, true},
    {"LT", {"Left_Trigger.png", "LT.png", "L2.png", "LeftTrigger.png"}, true},
    {"RT", {"Right_Trigger.png", "RT.png", "R2.png", "RightTrigger.png"}, true},
    {"L3", {"L3.png", "LStick.png", "Left_Stick.png", "LeftStick.png"}, true},
    {"R3", {"R3.png", "RStick.png", "Right_Stick.png", "RightStick.png"}, true},
    {"Start", {"Start.png", "Menu.png", "Options.png"}, false},
    {"Back", {"Back.png", "Select.png", "View.png"}, false},
}};

} // namespace vtx
