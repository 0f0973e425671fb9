#include "SonyHid.h"

#include <SDL_error.h>
#include <SDL_hidapi.h>
#include <algorithm>
#include <cstdio>

namespace vtxpreview {

namespace {

constexpr std::size_t kUsbReportLength = 64;
constexpr std::size_t kDualSenseBluetoothLength = 78;
constexpr std::size_t kDualShock4BluetoothLength = 547;
constexpr std::size_t kLongestReport = kDualShock4BluetoothLength;
constexpr int kReportsPerPoll = 64; // a pad sends about one a millisecond: plenty between two frames
constexpr unsigned short kGenericDesktop = 0x01, kGamePad = 0x05;

bool isDualSense(std::uint16_t productId) { return productId == 0x0CE6 || productId == 0x0DF2; }

std::uint32_t instanceOf(const std::string& path) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : path)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

} // namespace

std::string rawInputDeviceName(std::uint16_t productId, bool bluetooth, std::uint32_t instance) {
    char name[160];
    if (bluetooth)
        std::snprintf(name, sizeof name,
                      "\\\\?\\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&%04x#8&%08x&0&0000#"
                      "{4d1e55b2-f16f-11cf-88cb-001111000030}",
                      productId, instance);
    else
        std::snprintf(name, sizeof name,
                      "\\\\?\\HID#VID_054C&PID_%04X&MI_03#7&%08x&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
                      productId, instance);
    return name;
}

std::size_t rawInputReportLength(std::uint16_t productId, bool bluetooth, std::size_t length) {
    std::size_t longest = kUsbReportLength;
    if (bluetooth)
        longest = isDualSense(productId) ? kDualSenseBluetoothLength : kDualShock4BluetoothLength;
    return std::max(length, longest);
}

vtxhost::HidMessage rawInputMessage(std::uintptr_t device, std::uint16_t productId, bool bluetooth,
                                    const std::uint8_t* report, std::size_t length) {
    vtxhost::HidMessage message;
    message.device = device;
    message.reportCount = 1;
    message.reportSize = static_cast<std::uint32_t>(rawInputReportLength(productId, bluetooth, length));
    message.bytes.assign(report, report + length);
    message.bytes.resize(message.reportSize, 0);
    return message;
}

SonyHidReader::~SonyHidReader() {
    for (auto& [path, pad] : pads_)
        SDL_hid_close(pad.device);
    if (started_)
        SDL_hid_exit();
}

void SonyHidReader::poll() {
    if (!started_) {
        if (SDL_hid_init() != 0)
            return;
        started_ = true;
        changeCount_ = SDL_hid_device_change_count() + 1; // enumerate on the first poll
    }
    if (const std::uint32_t count = SDL_hid_device_change_count(); count != changeCount_) {
        changeCount_ = count;
        enumerate();
    }
    for (auto it = pads_.begin(); it != pads_.end();) {
        read(it->second);
        if (it->second.device) {
            ++it;
            continue;
        }
        log_ << "Sony pad " << it->first << " went away\n";
        it = pads_.erase(it);
    }
}

// Over Bluetooth the pad is no USB interface: hidapi says -1.
void SonyHidReader::enumerate() {
    SDL_hid_device_info* list = SDL_hid_enumerate(kSonyVendorId, 0);
    for (SDL_hid_device_info* info = list; info; info = info->next) {
        if (!info->path || (info->usage_page && (info->usage_page != kGenericDesktop || info->usage != kGamePad)))
            continue;
        const std::string path = info->path;
        if (pads_.contains(path) || refused_.contains(path))
            continue;
        SDL_hid_device* device = SDL_hid_open_path(info->path, 0);
        if (!device) {
            refused_[path] = true;
            log_ << "Sony pad " << path << " cannot be opened (" << SDL_GetError()
                 << "); on Linux its hidraw device must be readable by you\n";
            continue;
        }
        SDL_hid_set_nonblocking(device, 1);
        const bool bluetooth = info->interface_number < 0;
        const Pad pad{device, nextHandle_++, info->product_id, bluetooth};
        pads_[path] = pad;
        const std::string name = rawInputDeviceName(pad.productId, bluetooth, instanceOf(path));
        vtxhost::devices().setDeviceName(pad.handle, name);
        vtxhost::devices().setDeviceIds(pad.handle, {kSonyVendorId, pad.productId}); // Raw Input's device information
        log_ << "Sony pad " << path << " as " << name << '\n';
    }
    SDL_hid_free_enumeration(list);
}

void SonyHidReader::read(Pad& pad) {
    std::uint8_t report[kLongestReport];
    for (int i = 0; i < kReportsPerPoll; ++i) {
        const int length = SDL_hid_read(pad.device, report, sizeof report);
        if (length == 0)
            return;
        if (length < 0) { // unplugged
            SDL_hid_close(pad.device);
            pad.device = nullptr;
            return;
        }
        vtxhost::devices().postHid(
            rawInputMessage(pad.handle, pad.productId, pad.bluetooth, report, static_cast<std::size_t>(length)));
    }
}

} // namespace vtxpreview
