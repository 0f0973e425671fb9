#include "input/SonySource.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

#include "input/SonyDecode.h"

namespace vtx {
namespace {

std::string idsText(const UsbIds& ids) {
    char text[16];
    std::snprintf(text, sizeof text, "%04X:%04X", ids.vendor, ids.product);
    return text;
}

std::string_view protocolName(SonyProtocol protocol) {
    return protocol == SonyProtocol::dualSense ? "DualSense" : "DualShock 4";
}

} // namespace

bool padUsed(const PadState& reference, const PadState& decoded) {
    const auto moved = [](float from, float to) { return std::fabs(to - from) > padUseDeadzone; };
    if (reference.held != decoded.held)
        return true;
    for (std::size_t side : {kLeft, kRight}) {
        if (moved(reference.triggers[side], decoded.triggers[side]) ||
            moved(reference.sticks[side].x, decoded.sticks[side].x) ||
            moved(reference.sticks[side].y, decoded.sticks[side].y))
            return true;
    }
    return false;
}

SonySource::Pad& SonySource::padFor(platform::RawDevice handle) {
    if (const auto known = pads_.find(handle); known != pads_.end())
        return known->second;
    char name[512] = {};
    std::string_view readName;
    if (platform::rawInputDeviceName(handle, name))
        readName = std::string_view(name, static_cast<std::size_t>(std::find(name, std::end(name), '\0') - name));
    platform::HidDeviceIds ids;
    const bool haveIds = platform::rawInputDeviceIds(handle, ids);
    Pad pad;
    pad.identity = identifySonyDevice(readName, haveIds ? &ids : nullptr);
    if (pad.identity.kind == SonyDevice::Kind::askCapability)
        pad.identity = askCapability(handle, pad.identity);
    return pads_.emplace(handle, std::move(pad)).first->second;
}

// Asked once, on first sight: the verdict stays with the device while the
// sink lives, so nothing is asked twice and a refusal is not retried.
SonyDevice SonySource::askCapability(platform::RawDevice handle, SonyDevice device) {
    std::array<std::uint8_t, kCapabilityReportLength> answer{};
    const std::size_t answered = platform::hidFeatureReport(handle, kCapabilityReportId, answer);
    // An answer longer than asked for is no better than a short one.
    const SonyProtocol protocol = answered == answer.size() ? protocolFromCapability(answer) : SonyProtocol::none;
    const std::string ids = idsText(device.ids);
    if (protocol != SonyProtocol::none) {
        if (log_)
            log_("HID device " + ids + " answers as a " + std::string(protocolName(protocol)) +
                 "-protocol pad: read as one");
        return {SonyDevice::Kind::sonyProtocol, protocol, device.ids};
    }
    if (log_) {
        std::string why;
        if (answered == 0)
            why = "it gave no capability answer";
        else if (answered != kCapabilityReportLength)
            why = "its capability answer is " + std::to_string(answered) + " bytes, not " +
                  std::to_string(kCapabilityReportLength);
        else
            why = "its capability answer names no Sony protocol";
        log_("HID device " + ids + " is not a Sony-protocol pad (" + why + "): not read");
    }
    return {SonyDevice::Kind::ignored, SonyProtocol::none, device.ids};
}

SonyDevice SonySource::device(platform::RawDevice handle) { return padFor(handle).identity; }

bool SonySource::fresh(platform::RawDevice handle, std::uint64_t nowMs) const {
    const auto pad = pads_.find(handle);
    return pad != pads_.end() && pad->second.decoded && nowMs - pad->second.latestMs <= sonyFreshnessMs;
}

void SonySource::decoded(platform::RawDevice handle, Pad& pad, const PadState& state, std::uint64_t nowMs,
                         std::int64_t atNs, ControlWatch* watch) {
    pad.latest = state;
    pad.latestMs = nowMs;
    pad.decoded = true;
    const bool used = padUsed(pad.lastUse, state);
    if (used)
        pad.lastUse = state;
    if (used || !selected_ || !fresh(selectedDevice_, nowMs)) {
        selected_ = true;
        selectedDevice_ = handle;
    }
    if (shown_ && watch != nullptr && selectedDevice_ == handle)
        watch->see(state, atNs);
}

void SonySource::handleHidInput(const platform::HidInput& input, const SonyDecoding& decoding, std::uint64_t nowMs,
                                ControlWatch* watch) {
    // Runs inside a window procedure: nothing may unwind through Windows.
    try {
        if (input.reports == nullptr || input.reportCount == 0)
            return;
        Pad& pad = padFor(input.device);
        if (!pad.identity.readAsPad())
            return;
        const auto reportAt = [&input](std::uint32_t i) { return input.reports + std::size_t{i} * input.reportSize; };
        const std::uint8_t* newest = reportAt(input.reportCount - 1);
        pad.report.assign(newest, newest + input.reportSize);
        reported_ = true;
        lastReporter_ = input.device;
        // Every report in order, so each change keeps its place; the newest
        // that decodes is the pad as it is now.
        for (std::uint32_t i = 0; i < input.reportCount; ++i) {
            PadState state;
            if (decoding.decode(reportAt(i), input.reportSize, pad.identity.protocol, state))
                decoded(input.device, pad, state, nowMs, input.postedNs, watch);
        }
    } catch (...) {
        // Out of memory for a copy: this input is dropped, the state in force stays.
    }
}

bool SonySource::poll(const SourcePoll& at, PadState& out) {
    if (!selected_ || !fresh(selectedDevice_, at.nowMs))
        return false;
    out = pads_.at(selectedDevice_).latest;
    return true;
}

bool SonySource::selectedPad(PadState& out, std::uint64_t& decodedAtMs) const {
    if (!selected_)
        return false;
    const auto selected = pads_.find(selectedDevice_);
    if (selected == pads_.end() || !selected->second.decoded)
        return false;
    out = selected->second.latest;
    decodedAtMs = selected->second.latestMs;
    return true;
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
