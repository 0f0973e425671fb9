#pragma once
// Small drawing helpers the menu's parts share.
#include <span>
#include <string>

class CVarManagerWrapper;

namespace vtx {

struct CvarSpec;

// A full-width tab button of the sidebar, its label drawn faux-bold in the
// sidebar's text colour. True when clicked this frame.
bool sidebarTab(const char* label, bool selected);
// One line of faux-bold text; reserves its space.
void boldText(const char* text);
// The designer's name with a glow that pulses with `pulse` (0..1).
void drawCreditName(float pulse);
// A key name as a button in the frame colours; its click means nothing.
void keyChip(const char* label);

// Text in Dear ImGui's disabled colour.
void dimText(const char* text);

// A checkbox that shows an integer switch and writes 0 or 1 when clicked.
void switchCheckbox(CVarManagerWrapper& cvars, const char* label, const CvarSpec& var);

// One numeric setting as a slider and, beside it, a field for the exact value.
// The slider's range and what may be stored are the variable's menu clamp.
struct SliderRow {
    const CvarSpec* var;
    const char* label;   // slider label
    const char* format;  // display format of both
    const char* fieldId; // hidden id of the field
};
void sliderRow(CVarManagerWrapper& cvars, const SliderRow& row);
// The width of a row's exact field, in pixels.
inline constexpr float kExactFieldWidth = 120.0f;

// A button that writes each variable's registered default as text, in the order given.
void resetButton(CVarManagerWrapper& cvars, const char* label, std::span<const CvarSpec* const> vars);

// Grey-out for controls that must not be used now: not clickable, half alpha.
void beginDisabledLook();
void endDisabledLook();

} // namespace vtx
