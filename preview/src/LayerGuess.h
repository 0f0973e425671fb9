#pragma once
// Which skin layer a picture file that no layer uses was probably meant for:
// names that differ from a layer's file names only in letter case, in
// separators ("Dpad-Down", "dpad down"), by a typing slip of a letter or two,
// or that use another common name for the control ("Cross", "L1", "Options").
#include <optional>
#include <string>
#include <string_view>

namespace vtxpreview {

// The key under which the base picture is reported.
inline constexpr std::string_view kBaseKey = "base";

struct LayerGuess {
    std::string key;      // the layer, as in the layer table ("DD"), or kBaseKey
    std::string fileName; // the name that layer looks for first ("Dpad_Down.png")
};

// Lower case ASCII, with the extension and every '_', '-', ' ' and '.' removed:
// "Dpad_Down.png" and "dpad-down.PNG" both give "dpaddown".
std::string normalizedLayerName(std::string_view fileName);

std::optional<LayerGuess> guessLayer(std::string_view fileName);

} // namespace vtxpreview
