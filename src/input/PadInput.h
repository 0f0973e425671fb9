#pragma once
// The controller input of one plugin object: the XInput pads, the Sony HID
// devices behind the Raw Input sink, the Sony calibration and the wizard's
// bind. Each frame's poll picks what the overlay shows; the menu reaches the
// calibration and the latest report through copies.
//
// The sink's reports arrive on the game's side (the frame pumps them); the
// menu may run on the window's thread. What both reach (the Sony devices and
// their reports, the calibration record) sits behind one small lock, held for
// a report's decode or a copy and never while calling into the host. The
// wizard's bind state is the menu's alone.
#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

#include "input/ButtonWatch.h"
#include "input/CalibrationWizard.h"
#include "input/PadState.h"
#include "input/RawInputSink.h"
#include "input/RawPadSnapshot.h"
#include "input/SonyCalibration.h"
#include "platform/Platform.h"

namespace vtx {

// One XInput user index as last queried.
struct XInputPad {
    bool connected = false;
    platform::XInputGamepad gamepad;
};

class XInputSource {
public:
    // Queries the index `padSetting` names (0-3), or, for any other value,
    // indices 0 to 3 in order up to the first connected one. The chosen
    // index, or -1 when no queried pad answered.
    int poll(int padSetting);
    // A copy of what the last query of `index` found.
    XInputPad pad(unsigned index) const { return index < pads_.size() ? pads_[index] : XInputPad{}; }

private:
    std::array<XInputPad, 4> pads_{};
};

enum class PadSource { none, xinput, sony };

// What the overlay shows: the XInput pad that vtx_pad chose; else the Sony
// pad last used (SonySource picks it as reports arrive) while its latest
// decode is at most sonyFreshnessMs old; else nothing, everything released.
PadSource choosePadSource(bool xinputConnected, const RawPadSnapshot& sony, std::uint64_t nowMs);

class PadInput {
public:
    PadInput() = default;
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

    // One frame: dispatches the sink's pending messages, then fills `pad` from
    // the chosen source and eases its sticks (`smoothing` is vtx_stick_smooth
    // as read). Without a source everything is released at once.
    void poll(PadState& pad, int padSetting, float smoothing);

    // The button press timing follows (none: not timed); the frame sets it
    // before its poll.
    void timeButton(std::optional<PadButton> button, float triggerThreshold) {
        watch_.follow(button, triggerThreshold);
    }
    // The timed button's changes since the last take, each at the moment the
    // input first saw it (see ButtonWatch).
    std::size_t takeButtonChanges(std::span<ButtonChange> out) { return watch_.take(out); }

    // The Sony snapshot the overlay would show (valid false without one).
    RawPadSnapshot sonySnapshot() const;
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
    ButtonWatch watch_;
    bool xinputShown_ = false; // the last poll showed an XInput pad

    mutable std::mutex mutex_; // guards sony_ and calibration_
    SonySource sony_;
    SonyCalibration calibration_;
    BindState bind_;
};

} // namespace vtx
