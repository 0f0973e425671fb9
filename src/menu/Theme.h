#pragma once
// The menu's colour theme: the accent made vivid, its lighter and darker
// shades, and the style values and colours pushed around each menu frame.
#include <imgui.h>

namespace vtx {

inline constexpr int kThemeStyleValues = 6;
inline constexpr int kThemeColours = 17;

// The accent with its saturation raised to at least 0.8 and its value to at
// least 0.75; a near-grey colour (saturation below 0.06) stays as it is.
ImVec4 vividAccent(const ImVec4& colour);
// The colour with its HSV value multiplied by `factor`, kept within 0..1.
ImVec4 shadeColor(const ImVec4& colour, float factor);
// Per RGB channel grey + (colour - grey) * t, opaque.
ImVec4 mixFromGrey(float grey, const ImVec4& colour, float t);

// Pushes kThemeStyleValues style values and kThemeColours colours; the
// accent's own alpha is not used. popMenuTheme undoes it.
void applyMenuTheme(const ImVec4& accent, float menuAlpha);
void popMenuTheme();

} // namespace vtx
