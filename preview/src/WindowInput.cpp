#include "WindowInput.h"

#include <SDL_gamecontroller.h>
#include <algorithm>
#include <array>
#include <cmath>

namespace vtxpreview {

namespace {

// Windows' virtual-key codes (WinUser.h).
constexpr int kVkShift = 0x10, kVkControl = 0x11, kVkMenu = 0x12;
constexpr int kVkLShift = 0xA0, kVkRShift = 0xA1, kVkLControl = 0xA2, kVkRControl = 0xA3, kVkLMenu = 0xA4,
              kVkRMenu = 0xA5;

struct KeyCode {
    SDL_Keycode key;
    int vk;
};

constexpr std::array kKeys = {
    KeyCode{SDLK_BACKSPACE, 0x08},    KeyCode{SDLK_TAB, 0x09},         KeyCode{SDLK_RETURN, 0x0D},
    KeyCode{SDLK_KP_ENTER, 0x0D},     KeyCode{SDLK_PAUSE, 0x13},       KeyCode{SDLK_CAPSLOCK, 0x14},
    KeyCode{SDLK_ESCAPE, 0x1B},       KeyCode{SDLK_SPACE, 0x20},       KeyCode{SDLK_PAGEUP, 0x21},
    KeyCode{SDLK_PAGEDOWN, 0x22},     KeyCode{SDLK_END, 0x23},         KeyCode{SDLK_HOME, 0x24},
    KeyCode{SDLK_LEFT, 0x25},         KeyCode{SDLK_UP, 0x26},          KeyCode{SDLK_RIGHT, 0x27},
    KeyCode{SDLK_DOWN, 0x28},         KeyCode{SDLK_PRINTSCREEN, 0x2C}, KeyCode{SDLK_INSERT, 0x2D},
    KeyCode{SDLK_DELETE, 0x2E},       KeyCode{SDLK_LGUI, 0x5B},        KeyCode{SDLK_RGUI, 0x5C},
    KeyCode{SDLK_APPLICATION, 0x5D},  KeyCode{SDLK_KP_MULTIPLY, 0x6A}, KeyCode{SDLK_KP_PLUS, 0x6B},
    KeyCode{SDLK_KP_MINUS, 0x6D},     KeyCode{SDLK_KP_PERIOD, 0x6E},   KeyCode{SDLK_KP_DIVIDE, 0x6F},
    KeyCode{SDLK_NUMLOCKCLEAR, 0x90}, KeyCode{SDLK_SCROLLLOCK, 0x91},  KeyCode{SDLK_SEMICOLON, 0xBA},
    KeyCode{SDLK_EQUALS, 0xBB},       KeyCode{SDLK_COMMA, 0xBC},       KeyCode{SDLK_MINUS, 0xBD},
    KeyCode{SDLK_PERIOD, 0xBE},       KeyCode{SDLK_SLASH, 0xBF},       KeyCode{SDLK_BACKQUOTE, 0xC0},
    KeyCode{SDLK_LEFTBRACKET, 0xDB},  KeyCode{SDLK_BACKSLASH, 0xDC},   KeyCode{SDLK_RIGHTBRACKET, 0xDD},
    KeyCode{SDLK_QUOTE, 0xDE},
};

struct Modifier {
    SDL_Keycode key;
    int sided;
    int generic;
};
constexpr std::array kModifiers = {
    Modifier{SDLK_LSHIFT, kVkLShift, kVkShift},    Modifier{SDLK_RSHIFT, kVkRShift, kVkShift},
    Modifier{SDLK_LCTRL, kVkLControl, kVkControl}, Modifier{SDLK_RCTRL, kVkRControl, kVkControl},
    Modifier{SDLK_LALT, kVkLMenu, kVkMenu},        Modifier{SDLK_RALT, kVkRMenu, kVkMenu},
};

// XInput's button bits (XInput.h) for SDL's buttons, by SDL_GameControllerButton.
struct ButtonBit {
    SDL_GameControllerButton button;
    std::uint16_t bit;
};
constexpr std::array kButtonBits = {
    ButtonBit{SDL_CONTROLLER_BUTTON_DPAD_UP, 0x0001},
    ButtonBit{SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0x0002},
    ButtonBit{SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0x0004},
    ButtonBit{SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0x0008},
    ButtonBit{SDL_CONTROLLER_BUTTON_START, 0x0010},
    ButtonBit{SDL_CONTROLLER_BUTTON_BACK, 0x0020},
    ButtonBit{SDL_CONTROLLER_BUTTON_LEFTSTICK, 0x0040},
    ButtonBit{SDL_CONTROLLER_BUTTON_RIGHTSTICK, 0x0080},
    ButtonBit{SDL_CONTROLLER_BUTTON_LEFTSHOULDER, 0x0100},
    ButtonBit{SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, 0x0200},
    ButtonBit{SDL_CONTROLLER_BUTTON_A, 0x1000},
    ButtonBit{SDL_CONTROLLER_BUTTON_B, 0x2000},
    ButtonBit{SDL_CONTROLLER_BUTTON_X, 0x4000},
    ButtonBit{SDL_CONTROLLER_BUTTON_Y, 0x8000},
};

std::uint8_t triggerByte(std::int16_t axis) {
    const int value = std::clamp<int>(axis, 0, 32767);
    return static_cast<std::uint8_t>((value * 255 + 16383) / 32767);
}

// SDL's Y grows downwards, XInput's upwards; -(-32768) does not fit and stays at the edge.
std::int16_t flipped(std::int16_t axis) { return static_cast<std::int16_t>(std::clamp(-int(axis), -32768, 32767)); }

} // namespace

std::vector<int> virtualKeysOf(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z)
        return {'A' + (key - SDLK_a)};
    if (key >= SDLK_0 && key <= SDLK_9)
        return {'0' + (key - SDLK_0)};
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return {0x70 + (key - SDLK_F1)};
    if (key >= SDLK_F13 && key <= SDLK_F24)
        return {0x7C + (key - SDLK_F13)};
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return {0x61 + (key - SDLK_KP_1)};
    if (key == SDLK_KP_0)
        return {0x60};
    for (const Modifier& modifier : kModifiers)
        if (modifier.key == key)
            return {modifier.sided, modifier.generic};
    for (const KeyCode& code : kKeys)
        if (code.key == key)
            return {code.vk};
    return {};
}

void KeyState::press(SDL_Keycode key, bool down) {
    const std::vector<int> codes = virtualKeysOf(key);
    if (codes.empty())
        return;
    vtxhost::devices().setKey(codes[0], down);
    if (codes.size() < 2)
        return;
    // A generic modifier stays held while the other side's key is.
    std::erase(sidedHeld_, codes[0]);
    if (down)
        sidedHeld_.push_back(codes[0]);
    bool either = false;
    for (const Modifier& modifier : kModifiers)
        if (modifier.generic == codes[1])
            either = either || std::find(sidedHeld_.begin(), sidedHeld_.end(), modifier.sided) != sidedHeld_.end();
    vtxhost::devices().setKey(codes[1], either);
}

vtxhost::XInputPadState xinputStateOf(const ControllerSnapshot& controller) {
    vtxhost::XInputPadState pad;
    pad.connected = true;
    for (const ButtonBit& button : kButtonBits)
        if (controller.buttons[button.button])
            pad.buttons = static_cast<std::uint16_t>(pad.buttons | button.bit);
    pad.leftTrigger = triggerByte(controller.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT]);
    pad.rightTrigger = triggerByte(controller.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT]);
    pad.thumbLX = controller.axes[SDL_CONTROLLER_AXIS_LEFTX];
    pad.thumbLY = flipped(controller.axes[SDL_CONTROLLER_AXIS_LEFTY]);
    pad.thumbRX = controller.axes[SDL_CONTROLLER_AXIS_RIGHTX];
    pad.thumbRY = flipped(controller.axes[SDL_CONTROLLER_AXIS_RIGHTY]);
    return pad;
}

Letterbox fitLetterbox(int gameWidth, int gameHeight, int windowWidth, int windowHeight) {
    if (gameWidth <= 0 || gameHeight <= 0 || windowWidth <= 0 || windowHeight <= 0)
        return {};
    Letterbox box;
    // Compared in whole numbers: w / h against W / H.
    if (static_cast<long long>(windowWidth) * gameHeight > static_cast<long long>(windowHeight) * gameWidth) {
        box.height = windowHeight;
        box.width = static_cast<int>(static_cast<long long>(windowHeight) * gameWidth / gameHeight);
    } else {
        box.width = windowWidth;
        box.height = static_cast<int>(static_cast<long long>(windowWidth) * gameHeight / gameWidth);
    }
    box.x = (windowWidth - box.width) / 2;
    box.y = (windowHeight - box.height) / 2;
    return box;
}

void windowToGame(const Letterbox& box, int gameWidth, int gameHeight, int x, int y, int& gameX, int& gameY) {
    if (box.width <= 0 || box.height <= 0) {
        gameX = gameY = 0;
        return;
    }
    gameX = static_cast<int>(std::floor((x - box.x + 0.5) * gameWidth / box.width));
    gameY = static_cast<int>(std::floor((y - box.y + 0.5) * gameHeight / box.height));
}

} // namespace vtxpreview
