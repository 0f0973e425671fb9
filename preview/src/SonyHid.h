#pragma once
// Sony pads for the preview window: their raw HID input reports, read
// through SDL's hid functions and handed to the stand-in machine as Windows'
// Raw Input would hand them to the plugin, under a Raw Input device name
// that carries the pad's vendor and product id (and with the device
// information that gives them too). The plugin's own decoders
// and calibration then read them.
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "vtxhost/VirtualDevices.h"

struct SDL_hid_device_;

namespace vtxpreview {

inline constexpr std::uint16_t kSonyVendorId = 0x054C;

// The Raw Input name Windows gives the pad: "\\?\HID#VID_054C&PID_0CE6&MI_03#…"
// over USB, "\\?\HID#{00001124-…}_VID&0002054c_PID&0ce6#…" over Bluetooth.
// `instance` tells pads of one kind apart.
std::string rawInputDeviceName(std::uint16_t productId, bool bluetooth, std::uint32_t instance);

// How long Raw Input makes every report of the pad: the longest input report
// in its descriptor, shorter reports padded with zeros. USB pads: 64; over
// Bluetooth a DualSense 78 and a DualShock 4 547.
std::size_t rawInputReportLength(std::uint16_t productId, bool bluetooth, std::size_t length);

// One report as the WM_INPUT that carries it.
vtxhost::HidMessage rawInputMessage(std::uintptr_t device, std::uint16_t productId, bool bluetooth,
                                    const std::uint8_t* report, std::size_t length);

// Finds Sony pads (again whenever SDL sees the device list change), reads
// every report waiting, and posts it to the stand-in machine.
class SonyHidReader {
public:
    explicit SonyHidReader(std::ostream& log) : log_(log) {}
    ~SonyHidReader();
    SonyHidReader(const SonyHidReader&) = delete;
    SonyHidReader& operator=(const SonyHidReader&) = delete;

    void poll();

private:
    struct Pad {
        SDL_hid_device_* device = nullptr;
        std::uintptr_t handle = 0;
        std::uint16_t productId = 0;
        bool bluetooth = false;
    };
    void enumerate();
    void read(Pad& pad);

    std::ostream& log_;
    bool started_ = false;
    std::uint32_t changeCount_ = 0;
    std::map<std::string, Pad> pads_;     // by hid path
    std::map<std::string, bool> refused_; // paths that would not open, said once
    std::uintptr_t nextHandle_ = 0x5000;
};

} // namespace vtxpreview
