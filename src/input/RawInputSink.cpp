#include "input/RawInputSink.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>

#include "input/SonyDecode.h"

namespace vtx {

std::map<platform::RawDevice, bool> sonyDeviceCache;
std::vector<std::uint8_t> lastReport;
RawPadSnapshot latestSonySnapshot;

void createRawInputSink() {
    if (!platform::rawInputSinkExists())
        platform::createRawInputSink(&handleHidInput);
}

void destroyRawInputSink() {
    if (!platform::rawInputSinkExists())
        return;
    platform::destroyRawInputSink();
    sonyDeviceCache.clear();
    latestSonySnapshot = RawPadSnapshot{};
}

void handleHidInput(const platform::HidInput& input) {
    // Runs inside a window procedure: nothing may unwind through Windows.
    try {
        if (input.reports == nullptr || !isSonyDevice(input.device))
            return;
        for (std::uint32_t i = 0; i < input.reportCount; ++i) {
            const std::uint8_t* report = input.reports + std::size_t{i} * input.reportSize;
            lastReport.assign(report, report + input.reportSize);
            RawPadSnapshot decoded;
            if (decodeSonyReport(report, input.reportSize, decoded)) {
                latestSonySnapshot = decoded;
                return;
            }
        }
    } catch (...) {
        // Out of memory for a copy: this input is dropped, the state in force stays.
    }
}

bool isSonyDeviceName(std::string_view name) {
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    // Bluetooth pads are listed under the HID service with the vendor id
    // source 0002 before the vendor id: "..._VID&0002054C_PID&...".
    return upper.find("VID_054C") != std::string::npos || upper.find("VID&0002054C") != std::string::npos;
}

bool isSonyDevice(platform::RawDevice device) {
    if (const auto cached = sonyDeviceCache.find(device); cached != sonyDeviceCache.end())
        return cached->second;
    char name[512] = {};
    bool sony = false;
    if (platform::rawInputDeviceName(device, name) && name[0] != 0) {
        const auto length = static_cast<std::size_t>(std::find(name, std::end(name), '\0') - name);
        sony = isSonyDeviceName(std::string_view(name, length));
    }
    sonyDeviceCache.emplace(device, sony);
    return sony;
}

} // namespace vtx
