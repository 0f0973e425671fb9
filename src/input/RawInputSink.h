#pragma once
// The Sony source: every HID device the Raw Input sink has reported, each with
// its own state, and which Sony pad the overlay follows. The platform layer
// owns the window; PadInput hands every HID input here.
#include <cstdint>
#include <map>
#include <vector>

#include "input/RawPadSnapshot.h"
#include "input/SonyCalibration.h"
#include "input/SonyDevice.h"
#include "platform/Platform.h"

namespace vtx {

// One device as the sink knows it.
struct SonyPad {
    SonyDevice identity;              // found on first sight, kept while the sink lives
    std::vector<std::uint8_t> report; // its newest report, whole
    RawPadSnapshot latest;            // its newest successful decode, stamped with when
    RawPadSnapshot lastUse;           // its decode when it was last used; neutral before that
};

// How far a trigger or stick axis (in -1..1 or 0..1) must move from where it
// was when the pad was last used to count as use: above a resting stick's
// jitter (a few counts of 127, about 0.03) and well below a deliberate push.
inline constexpr float padUseDeadzone = 0.1f;

// A pad is used when its decode differs from `reference` (its decode when it
// was last used, or the neutral state for a pad not yet used): any button or
// D-pad direction changed, or a trigger or stick axis moved more than
// padUseDeadzone. Measured from the last use rather than from the previous
// report, so a slow push adds up instead of hiding in the per-report steps.
bool padUsed(const RawPadSnapshot& reference, const RawPadSnapshot& decoded);

class SonySource {
public:
    // One WM_INPUT of type HID. Nothing for a non-Sony device. For a Sony
    // device its newest report is kept and the newest report that decodes
    // (through `calibration`, at `nowMs`) becomes its latest decode. The
    // overlay follows the pad last used: a decode that shows use selects its
    // pad, and so does any decode while no pad is selected or the selected
    // pad has sent nothing fresh (see sonyFreshnessMs). An idle pad never
    // takes over from a pad in use.
    void handleHidInput(const platform::HidInput& input, const SonyCalibration& calibration, std::uint64_t nowMs);

    // A copy of the selected pad's latest decode; `valid` false without one.
    RawPadSnapshot selectedSnapshot() const;
    // Copies the newest report of the selected pad (or, while none is
    // selected, of the device that reported last) into `out`, reusing its
    // storage; false with `out` empty when there is none.
    bool copyLastReport(std::vector<std::uint8_t>& out) const;

    // What the device is, from its name and device information, found on
    // first sight and remembered while the sink lives. A device with neither
    // a readable name nor information is not Sony.
    SonyDevice device(platform::RawDevice handle);

    // The sink is gone: forget every device and release the selection. The
    // last report stays for the wizard.
    void forgetDevices();

private:
    SonyPad& padFor(platform::RawDevice handle);
    const std::vector<std::uint8_t>* shownReport() const;

    std::map<platform::RawDevice, SonyPad> pads_;
    bool selected_ = false;
    platform::RawDevice selectedDevice_ = 0;
    bool reported_ = false;
    platform::RawDevice lastReporter_ = 0;
    std::vector<std::uint8_t> keptReport_; // the shown report when the devices were forgotten
};

} // namespace vtx
