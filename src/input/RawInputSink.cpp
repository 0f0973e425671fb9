#include "input/RawInputSink.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "input/SonyDecode.h"

namespace vtx {

std::map<platform::RawDevice, SonyDevice> sonyDeviceCache;
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
        if (input.reports == nullptr || input.reportCount == 0)
            return;
        const SonyDevice device = sonyDevice(input.device);
        if (!device.sony)
            return;
        const auto reportAt = [&input](std::uint32_t i) { return input.reports + std::size_t{i} * input.reportSize; };
        const std::uint8_t* newest = reportAt(input.reportCount - 1);
        lastReport.assign(newest, newest + input.reportSize);
        // Reports queue while the game is busy: the newest one is the pad as it is now.
        for (std::uint32_t i = input.reportCount; i-- > 0;) {
            RawPadSnapshot decoded;
            if (decodeSonyReport(reportAt(i), input.reportSize, decoded, device.product)) {
                latestSonySnapshot = decoded;
                return;
            }
        }
    } catch (...) {
        // Out of memory for a copy: this input is dropped, the state in force stays.
    }
}

SonyDevice sonyDevice(platform::RawDevice device) {
    if (const auto cached = sonyDeviceCache.find(device); cached != sonyDeviceCache.end())
        return cached->second;
    char name[512] = {};
    std::string_view readName;
    if (platform::rawInputDeviceName(device, name))
        readName = std::string_view(name, static_cast<std::size_t>(std::find(name, std::end(name), '\0') - name));
    platform::HidDeviceIds ids;
    const bool haveIds = platform::rawInputDeviceIds(device, ids);
    const SonyDevice identity = identifySonyDevice(readName, haveIds ? &ids : nullptr);
    sonyDeviceCache.emplace(device, identity);
    return identity;
}

} // namespace vtx
