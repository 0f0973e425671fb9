#pragma once
// The names the keybind section's chips show for a key and a modifier.
#include <string>

namespace vtx {

// The name a key chip shows for a virtual-key code.
std::string keyName(int virtualKey);
// "Ctrl", "Shift", "Alt" for modifier codes 1-3, empty otherwise.
const char* modifierName(int code);

} // namespace vtx
