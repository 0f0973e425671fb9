#pragma once
// The controller input of one plugin object: its pad sources in the order
// the overlay prefers them (XInput pads, then Sony-protocol HID pads), the
// stream of control changes, the drawn sticks' smoothing, the Sony
// calibration and the wizard's bind. Each frame's poll shows the first
// source's pad; the menu reaches the calibration and the latest report
// through copies.
//
// The sink's reports arrive on the game's side (the frame pumps them); the
// menu may run on the window's thread. What both reach (the Sony devices and
// their reports, the calibration record) sits behind one small lock, held for
// a report's decode or a copy and never while calling into the host. The
// wizard's bind state is the menu's alone.
#include <array>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "core/HostView.h"
#include "input/CalibrationWizard.h"
#include "input/ControlChanges.h"
#include "input/PadState.h"
#include "input/SonyCalibration.h"
#include "input/SonySource.h"
#include "input/StickSmoothing.h"
#include "input/XInputSource.h"
#include "platform/Platform.h"

namespace vtx {

// What a frame shows: the chosen pad, and its sticks eased for drawing.
struct PadFrame {
    PadState pad;
    Sticks drawnSticks{};
};

class PadInput {
public:
    explicit PadInput(HostView host);
    PadInput(const PadInput&) = delete;
    PadInput& operator=(const PadInput&) = delete;
    // Takes its sink down with it: the window procedure must never reach a dead object.
    ~PadInput();

    // Creates the Raw Input sink and receives its reports, unless a sink exists.
    void createSink();
    // Destroys the sink this object created, forgets the devices and releases
    // the Sony pad; the last report stays for the wizard.
    void destroySink();

    // One HID input of the sink at tick count `nowMs`.
    void handleHidInput(const platform::HidInput& input, std::uint64_t nowMs);

    // One frame: dispatches the sink's pending messages, then shows the first
    // source that has a pad and eases its sticks (`smoothing` is
    // vtx_stick_smooth as read). Without a pad everything is released at once.
    // `triggerThreshold` (vtx_trigger_thresh) says when a trigger counts as
    // pressed in the stream of changes.
    void poll(PadFrame& frame, int padSetting, float smoothing, float triggerThreshold);
    // The changes of the shown pad since the last take, oldest first, each at
    // the moment the input first saw it; as many as fit.
    std::size_t takeChanges(std::span<ControlChange> out);

    // The followed Sony pad's newest decode, fresh or not; false without one.
    bool sonyPad(PadState& out) const;
    SonyDevice sonyDevice(platform::RawDevice device);
    // The newest report of the followed Sony pad, for the wizard; see SonySource.
    bool copyLastReport(std::vector<std::uint8_t>& out) const;

    SonyCalibration calibration() const;
    void setCalibration(const SonyCalibration& calibration);
    // sony_calibration.ini into the record (see CalibrationFile.h).
    void loadCalibration();
    // The record into sony_calibration.ini; false when nothing was written.
    bool saveCalibration() const;

    // The calibration wizard's running bind; it outlives the tab and the menu.
    BindState& bind() { return bind_; }

private:
    // The game's side only.
    XInputSource xinput_;
    Sticks smoothed_{};

    mutable std::mutex mutex_; // guards sony_, calibration_, decoding_ and watch_
    SonySource sony_;
    SonyCalibration calibration_;
    SonyDecoding decoding_{calibration_}; // follows calibration_
    ControlWatch watch_;
    // Asked in this order; the first with a pad is shown.
    std::array<PadSource*, 2> sources_{&xinput_, &sony_};
    BindState bind_;
};

} // namespace vtx
