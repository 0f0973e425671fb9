#include "input/PadInput.h"

#include "core/Log.h"
#include "input/CalibrationFile.h"

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

PadInput::PadInput(HostView host)
    : sony_([host](std::string_view line) {
          try {
              logLine(host.cvars, line);
          } catch (...) {
              // Out of memory for the line: the device's verdict stands all the same.
          }
      }) {}

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
    sony_.handleHidInput(input, decoding_, nowMs, &watch_);
}

void PadInput::poll(PadFrame& frame, int padSetting, float smoothing, float triggerThreshold) {
    // Reports that arrived since the last frame are decoded before they are read.
    if (platform::rawInputSinkExists())
        platform::pumpRawInputSink();

    const SourcePoll at{padSetting, platform::tickCount64(), platform::steadyNowNs()};
    for (PadSource* source : sources_)
        source->refresh(at);

    const std::lock_guard lock(mutex_);
    PadSource* shown = nullptr;
    for (PadSource* source : sources_) {
        if (source->poll(at, frame.pad)) {
            shown = source;
            break;
        }
    }
    for (PadSource* source : sources_)
        source->setShown(source == shown);
    // An XInput pad is seen at its poll; a Sony pad's reports were seen as
    // they came, and this only marks where a change of pad or source leaves
    // the controls; without a pad every control is released.
    watch_.setTriggerThreshold(triggerThreshold);
    watch_.see(shown ? frame.pad : PadState{}, at.nowNs);
    if (shown == nullptr) {
        // The drawn sticks snap to centre at once, without easing.
        frame = PadFrame{};
        smoothed_ = {};
        return;
    }
    smoothSticks(smoothed_, frame.pad.sticks, effectiveSmoothing(smoothing));
    frame.drawnSticks = smoothed_;
}

std::size_t PadInput::takeChanges(std::span<ControlChange> out) {
    const std::lock_guard lock(mutex_);
    return watch_.take(out);
}

bool PadInput::sonyPad(PadState& out) const {
    const std::lock_guard lock(mutex_);
    std::uint64_t at = 0;
    return sony_.selectedPad(out, at);
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
    SonyDecoding decoding(calibration); // worked out before the lock
    const std::lock_guard lock(mutex_);
    calibration_ = calibration;
    decoding_ = decoding;
}

// The file is read and written outside the lock.
void PadInput::loadCalibration() {
    SonyCalibration loaded = calibration();
    vtx::loadCalibration(loaded);
    setCalibration(loaded);
}

bool PadInput::saveCalibration() const { return vtx::saveCalibration(calibration()); }

} // namespace vtx
