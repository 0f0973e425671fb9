#include "input/RawInputSink.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "input/PadConvert.h"
#include "input/SonyDecode.h"

namespace vtx {

bool padUsed(const RawPadSnapshot& reference, const RawPadSnapshot& decoded) {
    const auto& r = reference;
    const auto& d = decoded;
    const bool buttons = r.a != d.a || r.b != d.b || r.x != d.x || r.y != d.y || r.dpadUp != d.dpadUp ||
                         r.dpadDown != d.dpadDown || r.dpadLeft != d.dpadLeft || r.dpadRight != d.dpadRight ||
                         r.lb != d.lb || r.rb != d.rb || r.l3 != d.l3 || r.r3 != d.r3;
    const auto moved = [](float from, float to) { return std::fabs(to - from) > padUseDeadzone; };
    return buttons || moved(r.lt, d.lt) || moved(r.rt, d.rt) || moved(r.lx, d.lx) || moved(r.ly, d.ly) ||
           moved(r.rx, d.rx) || moved(r.ry, d.ry);
}

SonyPad& SonySource::padFor(platform::RawDevice handle) {
    if (const auto known = pads_.find(handle); known != pads_.end())
        return known->second;
    char name[512] = {};
    std::string_view readName;
    if (platform::rawInputDeviceName(handle, name))
        readName = std::string_view(name, static_cast<std::size_t>(std::find(name, std::end(name), '\0') - name));
    platform::HidDeviceIds ids;
    const bool haveIds = platform::rawInputDeviceIds(handle, ids);
    SonyPad pad;
    pad.identity = identifySonyDevice(readName, haveIds ? &ids : nullptr);
    return pads_.emplace(handle, std::move(pad)).first->second;
}

SonyDevice SonySource::device(platform::RawDevice handle) { return padFor(handle).identity; }

void SonySource::handleHidInput(const platform::HidInput& input, const SonyCalibration& calibration,
                                std::uint64_t nowMs) {
    // Runs inside a window procedure: nothing may unwind through Windows.
    try {
        if (input.reports == nullptr || input.reportCount == 0)
            return;
        SonyPad& pad = padFor(input.device);
        if (!pad.identity.sony)
            return;
        const auto reportAt = [&input](std::uint32_t i) { return input.reports + std::size_t{i} * input.reportSize; };
        const std::uint8_t* newest = reportAt(input.reportCount - 1);
        pad.report.assign(newest, newest + input.reportSize);
        reported_ = true;
        lastReporter_ = input.device;
        // Reports queue while the game is busy: the newest one is the pad as it is now.
        for (std::uint32_t i = input.reportCount; i-- > 0;) {
            RawPadSnapshot decoded;
            if (!decodeSonyReport(reportAt(i), input.reportSize, calibration, pad.identity.product, nowMs, decoded))
                continue;
            pad.latest = decoded;
            const bool used = padUsed(pad.lastUse, decoded);
            if (used)
                pad.lastUse = decoded;
            const auto selected = pads_.find(selectedDevice_);
            const bool selectedFresh =
                selected_ && selected != pads_.end() && sonySnapshotFresh(selected->second.latest, nowMs);
            if (used || !selectedFresh) {
                selected_ = true;
                selectedDevice_ = input.device;
            }
            return;
        }
    } catch (...) {
        // Out of memory for a copy: this input is dropped, the state in force stays.
    }
}

RawPadSnapshot SonySource::selectedSnapshot() const {
    if (!selected_)
        return {};
    const auto selected = pads_.find(selectedDevice_);
    return selected == pads_.end() ? RawPadSnapshot{} : selected->second.latest;
}

const std::vector<std::uint8_t>* SonySource::shownReport() const {
    for (const auto& [wanted, handle] : {std::pair{selected_, selectedDevice_}, std::pair{reported_, lastReporter_}}) {
        if (!wanted)
            continue;
        if (const auto pad = pads_.find(handle); pad != pads_.end() && !pad->second.report.empty())
            return &pad->second.report;
    }
    return keptReport_.empty() ? nullptr : &keptReport_;
}

bool SonySource::copyLastReport(std::vector<std::uint8_t>& out) const {
    const std::vector<std::uint8_t>* shown = shownReport();
    if (shown == nullptr) {
        out.clear();
        return false;
    }
    out.assign(shown->begin(), shown->end());
    return true;
}

void SonySource::forgetDevices() {
    try {
        if (const std::vector<std::uint8_t>* shown = shownReport(); shown != nullptr && shown != &keptReport_)
            keptReport_ = *shown;
    } catch (...) {
        // No memory for the copy: the wizard waits for the next report.
    }
    pads_.clear();
    selected_ = reported_ = false;
    selectedDevice_ = lastReporter_ = 0;
}

} // namespace vtx
