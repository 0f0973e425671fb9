#include "vtxhost/VirtualDevices.h"

#include <algorithm>
#include <atomic>

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

constexpr auto kRelaxed = std::memory_order_relaxed;

} // namespace

bool VirtualDevices::keyHeld(int virtualKey) const {
    if (!validKey(virtualKey))
        return false;
    if (held_[static_cast<std::size_t>(virtualKey)].load(kRelaxed))
        return true;
    switch (virtualKey) {
    case kShift:
        return held_[160].load(kRelaxed) || held_[161].load(kRelaxed);
    case kControl:
        return held_[162].load(kRelaxed) || held_[163].load(kRelaxed);
    case kAlt:
        return held_[164].load(kRelaxed) || held_[165].load(kRelaxed);
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
    const bool before = held_[key].exchange(down, kRelaxed);
    if (down && !before) {
        pressedSinceQuery_[key].store(true, kRelaxed);
        pressedSinceHost_[key].store(true, kRelaxed);
    }
    if (generic >= 0 && !genericBefore && keyHeld(generic)) {
        pressedSinceQuery_[static_cast<std::size_t>(generic)].store(true, kRelaxed);
        pressedSinceHost_[static_cast<std::size_t>(generic)].store(true, kRelaxed);
    }
}

std::uint16_t VirtualDevices::queryAsyncKeyState(int virtualKey) {
    if (!validKey(virtualKey))
        return 0;
    const auto key = static_cast<std::size_t>(virtualKey);
    std::uint16_t state = keyHeld(virtualKey) ? std::uint16_t{0x8000} : std::uint16_t{0};
    if (pressedSinceQuery_[key].exchange(false, kRelaxed))
        state = static_cast<std::uint16_t>(state | 0x0001);
    return state;
}

bool VirtualDevices::takeKeyPressForHost(int virtualKey) {
    if (!validKey(virtualKey))
        return false;
    return pressedSinceHost_[static_cast<std::size_t>(virtualKey)].exchange(false, kRelaxed);
}

void VirtualDevices::setDeviceName(std::uintptr_t device, std::string name) {
    std::lock_guard lock(mutex_);
    deviceNames_[device] = std::move(name);
}

bool VirtualDevices::deviceName(std::uintptr_t device, std::string& name) const {
    std::lock_guard lock(mutex_);
    auto it = deviceNames_.find(device);
    if (it == deviceNames_.end())
        return false;
    name = it->second;
    return true;
}

void VirtualDevices::setDeviceIds(std::uintptr_t device, HidDeviceIds ids) {
    std::lock_guard lock(mutex_);
    deviceIds_[device] = ids;
}

bool VirtualDevices::deviceIds(std::uintptr_t device, HidDeviceIds& ids) const {
    std::lock_guard lock(mutex_);
    auto it = deviceIds_.find(device);
    if (it == deviceIds_.end())
        return false;
    ids = it->second;
    return true;
}

void VirtualDevices::setFeatureReport(std::uintptr_t device, std::uint8_t reportId, std::vector<std::uint8_t> answer) {
    std::lock_guard lock(mutex_);
    featureReports_[{device, reportId}] = std::move(answer);
}

void VirtualDevices::refuseFeatureReport(std::uintptr_t device, std::uint8_t reportId) {
    std::lock_guard lock(mutex_);
    featureReports_.erase({device, reportId});
}

std::size_t VirtualDevices::requestFeatureReport(std::uintptr_t device, std::uint8_t reportId,
                                                 std::span<std::uint8_t> out) {
    std::lock_guard lock(mutex_);
    ++featureRequests_[device];
    auto it = featureReports_.find({device, reportId});
    if (it == featureReports_.end())
        return 0;
    const std::vector<std::uint8_t>& answer = it->second;
    std::copy_n(answer.begin(), std::min(answer.size(), out.size()), out.begin());
    return answer.size();
}

int VirtualDevices::featureReportRequests(std::uintptr_t device) const {
    std::lock_guard lock(mutex_);
    auto it = featureRequests_.find(device);
    return it == featureRequests_.end() ? 0 : it->second;
}

int VirtualDevices::featureReportRequests() const {
    std::lock_guard lock(mutex_);
    int total = 0;
    for (const auto& [device, count] : featureRequests_)
        total += count;
    return total;
}

void VirtualDevices::postHid(HidMessage message) {
    std::lock_guard lock(mutex_);
    message.postedNs = nowNs_;
    if (sinkExists_)
        pending_.push_back(std::move(message));
}

std::vector<HidMessage> VirtualDevices::takeHidMessages() {
    std::lock_guard lock(mutex_);
    std::vector<HidMessage> messages(std::make_move_iterator(pending_.begin()),
                                     std::make_move_iterator(pending_.end()));
    pending_.clear();
    return messages;
}

void VirtualDevices::setSinkExists(bool exists) {
    std::lock_guard lock(mutex_);
    if (exists) {
        ++sinksCreated_;
    } else {
        pending_.clear(); // a destroyed window's undelivered input is gone
    }
    sinkExists_ = exists;
}

bool VirtualDevices::sinkExists() const {
    std::lock_guard lock(mutex_);
    return sinkExists_;
}

int VirtualDevices::sinksCreated() const {
    std::lock_guard lock(mutex_);
    return sinksCreated_;
}

VirtualDevices& devices() {
    static VirtualDevices machine;
    return machine;
}

} // namespace vtxhost
