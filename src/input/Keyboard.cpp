#include "input/Keyboard.h"

#include "platform/Platform.h"

namespace vtx {

namespace {

class SystemKeys final : public KeySource {
public:
    KeyState query(int virtualKey) override {
        const std::uint16_t bits = platform::asyncKeyState(virtualKey);
        return KeyState{(bits & 0x8000) != 0, (bits & 0x0001) != 0};
    }
};

KeySource& systemKeys() {
    static SystemKeys keys;
    return keys;
}

} // namespace

Keyboard::Keyboard() : source_(&systemKeys()) {}

KeyState Keyboard::query(int virtualKey) const {
    if (virtualKey < 0 || virtualKey > 255) {
        return {};
    }
    return source_->query(virtualKey);
}

} // namespace vtx
