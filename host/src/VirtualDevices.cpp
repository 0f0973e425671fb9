#include "vtxhost/VirtualDevices.h"

namespace vtxhost {
namespace {

constexpr int kShift = 16, kControl = 17, kAlt = 18;

bool validKey(int key) { return key >= 0 && key < 256; }

// The side-neutral code that a left or right modifier also counts as.
int genericOf(int key) {
    switch (key) {
    case 160:
    case 161:
        return kShift;
    case 162:
    case 163:
        return kControl;
    case 164:
    case 165:
        return kAlt;
    default:
        return -1;
    }
}

} // namespace

bool VirtualDevices::keyHeld(int virtualKey) const {
    if (!validKey(virtualKey))
        return false;
    if (held_[static_cast<std::size_t>(virtualKey)])
        return true;
    switch (virtualKey) {
    case kShift:
        return held_[160] || held_[161];
    case kControl:
        return held_[162] || held_[163];
    case kAlt:
        return held_[164] || held_[165];
    default:
        return false;
    }
}

void VirtualDevices::setKey(int virtualKey, bool down) {
    if (!validKey(virtualKey))
        return;
    const int generic = genericOf(virtualKey);
    const bool genericBefore = generic >= 0 && keyHeld(generic);
    const auto key = static_cast<std::size_t>(virtualKey);
    const bool before = held_[key];
    held_[key] = down;
    if (down && !before) {
        pressedSinceQuery_[key] = true;
        pressedSinceHost_[key] = true;
    }
    if (generic >= 0 && !genericBefore && keyHeld(generic)) {
        pressedSinceQuery_[static_cast<std::size_t>(generic)] = true;
        pressedSinceHost_[static_cast<std::size_t>(generic)] = true;
    }
}

std::uint16_t VirtualDevices::queryAsyncKeyState(int virtualKey) {
    if (!validKey(virtualKey))
        return 0;
    const auto key = static_cast<std::size_t>(virtualKey);
    std::uint16_t state = keyHeld(virtualKey) ? std::uint16_t{0x8000} : std::uint16_t{0};
    if (pressedSinceQuery_[key])
        state = static_cast<std::uint16_t>(state | 0x0001);
    pressedSinceQuery_[key] = false;
    return state;
}

bool VirtualDevices::takeKeyPressForHost(int virtualKey) {
    if (!validKey(virtualKey))
        return false;
    const auto key = static_cast<std::size_t>(virtualKey);
    bool pressed = pressedSinceHost_[key];
    pressedSinceHost_[key] = false;
    return pressed;
}

void VirtualDevices::setDeviceName(std::uintptr_t device, std::string name) { deviceNames_[device] = std::move(name); }

bool VirtualDevices::deviceName(std::uintptr_t device, std::string& name) const {
    auto it = deviceNames_.find(device);
    if (it == deviceNames_.end())
        return false;
    name = it->second;
    return true;
}

void VirtualDevices::setDeviceIds(std::uintptr_t device, HidDeviceIds ids) { deviceIds_[device] = ids; }

bool VirtualDevices::deviceIds(std::uintptr_t device, HidDeviceIds& ids) const {
    auto it = deviceIds_.find(device);
    if (it == deviceIds_.end())
        return false;
    ids = it->second;
    return true;
}

void VirtualDevices::postHid(HidMessage message) {
    message.postedNs = nowNs_;
    if (sinkExists_)
        pending_.push_back(std::move(message));
}

std::vector<HidMessage> VirtualDevices::takeHidMessages() {
    std::vector<HidMessage> messages(std::make_move_iterator(pending_.begin()),
                                     std::make_move_iterator(pending_.end()));
    pending_.clear();
    return messages;
}

void VirtualDevices::setSinkExists(bool exists) {
    if (exists) {
        ++sinksCreated_;
    } else {
        pending_.clear(); // a destroyed window's undelivered input is gone
    }
    sinkExists_ = exists;
}

VirtualDevices& devices() {
    static VirtualDevices machine;
    return machine;
}

} // namespace vtxhost
