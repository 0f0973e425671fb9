// Key names as the console's "bind" command takes them.
#include <algorithm>
#include <cctype>
#include <map>

#include "vtxhost/Host.h"

namespace vtxhost {
namespace {

const std::map<std::string, int>& namedKeys() {
    static const std::map<std::string, int> keys = {
        {"ESCAPE", 27},      {"ESC", 27},          {"SPACE", 32},         {"SPACEBAR", 32},  {"ENTER", 13},
        {"RETURN", 13},      {"TAB", 9},           {"BACK", 8},           {"BACKSPACE", 8},  {"LEFT", 37},
        {"UP", 38},          {"RIGHT", 39},        {"DOWN", 40},          {"INSERT", 45},    {"DELETE", 46},
        {"HOME", 36},        {"END", 35},          {"PAGEUP", 33},        {"PRIOR", 33},     {"PAGEDOWN", 34},
        {"NEXT", 34},        {"SHIFT", 16},        {"CONTROL", 17},       {"CTRL", 17},      {"ALT", 18},
        {"MENU", 18},        {"LSHIFT", 160},      {"RSHIFT", 161},       {"LCONTROL", 162}, {"RCONTROL", 163},
        {"LALT", 164},       {"RALT", 165},        {"LMENU", 164},        {"RMENU", 165},    {"LEFTSHIFT", 160},
        {"RIGHTSHIFT", 161}, {"LEFTCONTROL", 162}, {"RIGHTCONTROL", 163}, {"LEFTALT", 164},  {"RIGHTALT", 165},
    };
    return keys;
}

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

int virtualKeyFromName(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (upper.size() == 1 && std::isalnum(static_cast<unsigned char>(upper[0])))
        return upper[0]; // A-Z, 0-9
    if (auto it = namedKeys().find(upper); it != namedKeys().end())
        return it->second;
    if (upper.size() >= 2 && upper[0] == 'F' && allDigits(upper.substr(1)) && upper.size() <= 3) {
        int n = std::stoi(upper.substr(1));
        if (n >= 1 && n <= 24)
            return 111 + n; // F1 is 112
    }
    if (upper.size() == 7 && upper.rfind("NUMPAD", 0) == 0 && std::isdigit(static_cast<unsigned char>(upper[6]))) {
        return 96 + (upper[6] - '0');
    }
    // Longer digit strings are codes: "120" is F9.
    if (allDigits(upper) && upper.size() <= 3) {
        int code = std::stoi(upper);
        if (code > 0 && code < 256)
            return code;
    }
    return -1;
}

} // namespace vtxhost
