#pragma once
// Every console variable of the plugin, declared once: registration, the
// settings file, the reset and the README's table all come from these tables.
#include <array>
#include <span>
#include <string>
#include <string_view>

class CVarManagerWrapper;
class CVarWrapper;

namespace vtx {

// How the plugin's consumers read a variable; Stored means nothing reads it
// beyond registration and the settings files.
enum class Reader { Int, Float, String, Stored };

struct CvarRange {
    bool hasMin = false;
    float min = 0;
    bool hasMax = false;
    float max = 0;
};

struct CvarSpec {
    std::string_view name;
    std::string_view defaultValue;
    std::string_view description;
    CvarRange range;
    Reader reader;
};

// Registered before the start-up skin is chosen, in this order.
extern const std::array<CvarSpec, 44> kEarlyCvars;
// Registered after it; vtx_skin's default is the start-up skin, given at registration.
extern const std::array<CvarSpec, 4> kLateCvars;
inline constexpr std::string_view kSkinCvar = "vtx_skin";

// The drawn layers, in the order their offset variables are registered.
inline constexpr std::array<std::string_view, 14> kLayerCodes = {"A",  "B",  "X",  "Y",  "DU", "DD", "DL",
                                                                 "DR", "LB", "RB", "LT", "RT", "L3", "R3"};
enum class Axis { X, Y };
std::string layerOffsetName(std::string_view code, Axis axis);
std::string layerOffsetDescription(std::string_view code, Axis axis);

// Registers each variable of `specs` (searchable, saved in the host's configuration).
void registerCvars(CVarManagerWrapper& cvars, std::span<const CvarSpec> specs);
// Registers one variable with the given default instead of the table's.
CVarWrapper registerCvar(CVarManagerWrapper& cvars, const CvarSpec& spec, std::string_view defaultValue);
// The 28 per-layer offsets: for each layer its X offset, then its Y offset.
void registerLayerOffsets(CVarManagerWrapper& cvars);

const CvarSpec* findCvarSpec(std::string_view name);

// The variables that vtx_saved_settings.ini holds, in file order; each one
// also carries the autosave handler.
extern const std::array<std::string_view, 37> kSettingsFileKeys;

// The reset of all settings: each variable in this order, set with the type
// given, to its registered default unless a value is given here. The
// per-layer offsets follow, all set to 0 as floats.
enum class ResetAs { Int, Float, Text };
struct ResetEntry {
    std::string_view name;
    ResetAs as;
    std::string_view value; // empty: the registered default
};
extern const std::array<ResetEntry, 27> kResetEntries;

// The Markdown table of every variable, as the README shows it.
std::string catalogueMarkdown();

} // namespace vtx
