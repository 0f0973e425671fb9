#include "menu/KeyNames.h"

#include "input/KeyCombo.h"

namespace vtx {

std::string keyName(int vk) {
    switch (vk) {
    case 0:
        return "Unassigned";
    case 8:
        return "Backspace";
    case 9:
        return "Tab";
    case 13:
        return "Enter";
    case 27:
        return "Esc";
    case 32:
        return "Space";
    default:
        break;
    }
    if (vk >= 112 && vk <= 123)
        return "F" + std::to_string(vk - 111);
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return std::string(1, static_cast<char>(vk));
    return "Key";
}

const char* modifierName(int code) {
    switch (code) {
    case kModCtrl:
        return "Ctrl";
    case kModShift:
        return "Shift";
    case kModAlt:
        return "Alt";
    default:
        return "";
    }
}

} // namespace vtx
