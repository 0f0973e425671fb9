#pragma once
// The stand-in for the machine the plugin runs on: keyboard, XInput pads,
// Raw Input HID devices, the clocks and the user's Roaming folder. Host
// programs drive it; the plugin's stand-in platform layer reads it.
#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <mutex>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "vtxhost/Export.h"

namespace vtxhost {

struct XInputPadState {
    bool connected = false;
    std::uint16_t buttons = 0;
    std::uint8_t leftTrigger = 0;
    std::uint8_t rightTrigger = 0;
    std::int16_t thumbLX = 0;
    std::int16_t thumbLY = 0;
    std::int16_t thumbRX = 0;
    std::int16_t thumbRY = 0;
};

// One WM_INPUT: reports of equal size, back to back.
struct HidMessage {
    std::uintptr_t device = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::vector<std::uint8_t> bytes;
    std::int64_t postedNs = 0; // the machine's steady clock when posted; set by postHid
};

// What Raw Input's device information says of a HID device.
struct HidDeviceIds {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};

// The keyboard, the device information, the feature reports and the HID
// queue may be used from the game thread and a host's window thread at once,
// as Windows allows. Each key is an atomic of its own, with no ordering
// beyond it (as with Windows, where a key read says nothing of other memory);
// the rest is locked. The host program sets the rest between frames.
class PLUGINSDK_API VirtualDevices {
public:
    // Keyboard, with GetAsyncKeyState's two bits: 0x8000 held now, 0x0001
    // pressed since the previous query of that key (the query clears it).
    void setKey(int virtualKey, bool down);
    std::uint16_t queryAsyncKeyState(int virtualKey);
    bool keyHeld(int virtualKey) const;
    // True once per press since the previous call for that key (for the host's own bindings).
    bool takeKeyPressForHost(int virtualKey);

    // Clock: one monotonic nanosecond count; the tick counts derive from it.
    std::int64_t nowNs() const { return nowNs_; }
    void advanceNs(std::int64_t ns) { nowNs_ += ns; }
    std::uint64_t tickCount64() const { return static_cast<std::uint64_t>(nowNs_ / 1000000); }

    std::array<XInputPadState, 4> xinput{};

    // Raw Input. Messages queue only while a sink window exists, as Windows
    // delivers WM_INPUT only to a registered window.
    void setDeviceName(std::uintptr_t device, std::string name);
    // The device's name, or false when the device is unknown.
    bool deviceName(std::uintptr_t device, std::string& name) const;
    // The device's vendor and product ids; a device never given any has no
    // device information (the call fails, as for a device that went away).
    void setDeviceIds(std::uintptr_t device, HidDeviceIds ids);
    bool deviceIds(std::uintptr_t device, HidDeviceIds& ids) const;
    // HID feature reports. A device answers a report with the bytes it was
    // given, report id first (fewer than asked make a short answer), and
    // refuses one it was never given or told to refuse, as a device without
    // that report does. An empty answer is a refusal.
    void setFeatureReport(std::uintptr_t device, std::uint8_t reportId, std::vector<std::uint8_t> answer);
    void refuseFeatureReport(std::uintptr_t device, std::uint8_t reportId);
    // One request, counted whatever the answer: copies the answer's first
    // out.size() bytes and returns its whole length; 0 when refused.
    std::size_t requestFeatureReport(std::uintptr_t device, std::uint8_t reportId, std::span<std::uint8_t> out);
    // The requests a device has had, and those of all devices together.
    int featureReportRequests(std::uintptr_t device) const;
    int featureReportRequests() const;
    void postHid(HidMessage message);
    std::vector<HidMessage> takeHidMessages();
    void setSinkExists(bool exists);
    bool sinkExists() const;
    int sinksCreated() const;

    std::filesystem::path roamingFolder;
    std::vector<std::filesystem::path> foldersOpened;

private:
    using Keys = std::array<std::atomic<bool>, 256>;
    Keys held_{};
    Keys pressedSinceQuery_{};
    Keys pressedSinceHost_{};
    mutable std::mutex mutex_;            // the device maps, the HID queue and the sink
    std::int64_t nowNs_ = 10'000'000'000; // a machine that has been up for a while
    std::map<std::uintptr_t, std::string> deviceNames_;
    std::map<std::uintptr_t, HidDeviceIds> deviceIds_;
    std::map<std::pair<std::uintptr_t, std::uint8_t>, std::vector<std::uint8_t>> featureReports_;
    std::map<std::uintptr_t, int> featureRequests_;
    std::deque<HidMessage> pending_;
    bool sinkExists_ = false;
    int sinksCreated_ = 0;
};

// The one machine of this process.
PLUGINSDK_API VirtualDevices& devices();

} // namespace vtxhost
