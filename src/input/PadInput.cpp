#include "input/PadInput.h"

#include "input/CalibrationFile.h"
#include "input/PadConvert.h"

namespace vtx {
namespace {

// The platform's window procedure calls a plain function and has no object to
// hand it, so the object whose sink it is can only be found here: set when
// that object creates the sink, cleared when it destroys it. The one mutable
// process-wide variable of the input code.
PadInput* sinkOwner = nullptr;

void onHidInput(const platform::HidInput& input) {
    if (sinkOwner != nullptr)
        sinkOwner->handleHidInput(input, platform::tickCount64());
}

} // namespace

int XInputSource::poll(int padSetting) {
    const auto query = [this](unsigned index) {
        XInputPad& pad = pads_[index];
        pad.gamepad = {};
        pad.connected = platform::xinputGetState(index, pad.gamepad);
        return pad.connected;
    };
    // Compared as unsigned, so -1 and every other value outside 0-3 scan all four.
    const auto fixed = static_cast<unsigned>(padSetting);
    if (fixed <= 3)
        return query(fixed) ? static_cast<int>(fixed) : -1;
    for (unsigned index = 0; index <= 3; ++index) {
        if (query(index))
            return static_cast<int>(index);
    }
    return -1;
}

PadSource choosePadSource(bool xinputConnected, const RawPadSnapshot& sony, std::uint64_t nowMs) {
    if (xinputConnected)
        return PadSource::xinput;
    return sonySnapshotFresh(sony, nowMs) ? PadSource::sony : PadSource::none;
}

PadInput::~PadInput() { destroySink(); }

void PadInput::createSink() {
    if (platform::rawInputSinkExists())
        return;
    sinkOwner = this;
    platform::createRawInputSink(&onHidInput);
}

void PadInput::destroySink() {
    if (sinkOwner != this)
        return;
    platform::destroyRawInputSink();
    sinkOwner = nullptr;
    const std::lock_guard lock(mutex_);
    sony_.forgetDevices();
}

void PadInput::handleHidInput(const platform::HidInput& input, std::uint64_t nowMs) {
    const std::lock_guard lock(mutex_);
    sony_.handleHidInput(input, calibration_, nowMs);
    // The timed button follows the shown Sony pad report by report, unless an
    // XInput pad is what the overlay shows; nothing to decode while nothing is timed.
    if (xinputShown_ || !watch_.following())
        return;
    const RawPadSnapshot shown = sony_.selectedSnapshot();
    if (shown.valid) {
        PadState pad;
        padFromSony(shown, pad);
        watch_.see(pad, input.postedNs);
    }
}

RawPadSnapshot PadInput::sonySnapshot() const {
    const std::lock_guard lock(mutex_);
    return sony_.selectedSnapshot();
}

SonyDevice PadInput::sonyDevice(platform::RawDevice device) {
    const std::lock_guard lock(mutex_);
    return sony_.device(device);
}

bool PadInput::copyLastReport(std::vector<std::uint8_t>& out) const {
    const std::lock_guard lock(mutex_);
    return sony_.copyLastReport(out);
}

SonyCalibration PadInput::calibration() const {
    const std::lock_guard lock(mutex_);
    return calibration_;
}

void PadInput::setCalibration(const SonyCalibration& calibration) {
    const std::lock_guard lock(mutex_);
    calibration_ = calibration;
}

void PadInput::poll(PadState& pad, int padSetting, float smoothing) {
    // Reports that arrived since the last frame are decoded before they are read.
    if (platform::rawInputSinkExists())
        platform::pumpRawInputSink();

    const int index = xinput_.poll(padSetting);
    const RawPadSnapshot sony = sonySnapshot();
    switch (choosePadSource(index >= 0, sony, platform::tickCount64())) {
    case PadSource::xinput:
        padFromXInput(xinput_.pad(static_cast<unsigned>(index)).gamepad, pad);
        watch_.see(pad, platform::steadyNowNs());
        xinputShown_ = true;
        break;
    case PadSource::sony:
        padFromSony(sony, pad); // its reports were watched as they came
        xinputShown_ = false;
        break;
    case PadSource::none:
        // No source: the drawn sticks snap to centre, without easing.
        pad = PadState{};
        watch_.see(pad, platform::steadyNowNs());
        xinputShown_ = false;
        return;
    }
    smoothSticks(pad, effectiveSmoothing(smoothing));
}

// The file is read and written outside the lock.
void PadInput::loadCalibration() {
    SonyCalibration loaded = calibration();
    vtx::loadCalibration(loaded);
    setCalibration(loaded);
}

bool PadInput::saveCalibration() const { return vtx::saveCalibration(calibration()); }

} // namespace vtx
