#pragma once
// Sony-protocol pads, through the Raw Input sink: every HID device the sink
// has reported, each with its own state in a table, and which of them the
// overlay follows. The platform layer owns the window; PadInput hands every
// HID input here.
#include <cstdint>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "input/ControlChanges.h"
#include "input/PadSource.h"
#include "input/SonyCalibration.h"
#include "input/SonyDecode.h"
#include "input/SonyDevice.h"
#include "platform/Platform.h"

namespace vtx {

// A Sony pad's decode older than this many milliseconds no longer counts as a pad.
inline constexpr std::uint64_t sonyFreshnessMs = 500;

// How far a trigger or stick axis must move from where it was when the pad
// was last used to count as use: above a resting stick's jitter (a few counts
// of 127, about 0.03) and well below a deliberate push.
inline constexpr float padUseDeadzone = 0.1f;

// A pad is used when its decode differs from `reference` (its state when it
// was last used, or the neutral state for a pad not yet used): any control
// held or released, or a trigger or stick axis moved more than
// padUseDeadzone. Measured from the last use rather than from the previous
// report, so a slow push adds up instead of hiding in the per-report steps.
bool padUsed(const PadState& reference, const PadState& decoded);

// One line for the console.
using InputLog = std::function<void(std::string_view)>;

class SonySource final : public PadSource {
public:
    explicit SonySource(InputLog log = {}) : log_(std::move(log)) {}

    // One WM_INPUT of type HID, at tick count `nowMs`. Nothing for a device
    // the plugin does not read as a pad. For a pad, its newest report is
    // kept, and each report that decodes (through `calibration`), oldest
    // first, becomes its state (read through `decoding`); the overlay follows the pad last used: a
    // decode that shows use selects its pad, and so does any decode while no
    // pad is selected or the selected one has sent nothing fresh. An idle pad
    // never takes over from a pad in use. While this source is shown, every
    // change of the selected pad goes to `watch` at the report's posting time.
    void handleHidInput(const platform::HidInput& input, const SonyDecoding& decoding, std::uint64_t nowMs,
                        ControlWatch* watch);

    // Reports arrive through the sink, not by asking.
    void refresh(const SourcePoll&) override {}
    // The selected pad while its newest decode is fresh.
    bool poll(const SourcePoll& at, PadState& out) override;
    void setShown(bool shown) override { shown_ = shown; }

    // The selected pad's newest decode, fresh or not; false without one.
    bool selectedPad(PadState& out, std::uint64_t& decodedAtMs) const;
    // Copies the newest report of the selected pad (or, while none is
    // selected, of the device that reported last) into `out`, reusing its
    // storage; false with `out` empty when there is none.
    bool copyLastReport(std::vector<std::uint8_t>& out) const;

    // What the device is, found on first sight and remembered while the sink
    // lives. A device from a maker that may be asked, and listed nowhere, is
    // asked once for its capability report; its answer decides.
    SonyDevice device(platform::RawDevice handle);

    // The sink is gone: forget every device and release the selection. The
    // last report stays for the wizard.
    void forgetDevices();

private:
    struct Pad {
        SonyDevice identity;
        std::vector<std::uint8_t> report; // the newest report, whole
        bool decoded = false;
        PadState latest; // the newest decode
        std::uint64_t latestMs = 0;
        PadState lastUse; // its decode when last used; neutral before that
    };

    Pad& padFor(platform::RawDevice handle);
    SonyDevice askCapability(platform::RawDevice handle, SonyDevice device);
    void decoded(platform::RawDevice handle, Pad& pad, const PadState& state, std::uint64_t nowMs, std::int64_t atNs,
                 ControlWatch* watch);
    const std::vector<std::uint8_t>* shownReport() const;
    bool fresh(platform::RawDevice handle, std::uint64_t nowMs) const;

    InputLog log_;
    std::map<platform::RawDevice, Pad> pads_;
    bool selected_ = false;
    platform::RawDevice selectedDevice_ = 0;
    bool reported_ = false;
    platform::RawDevice lastReporter_ = 0;
    bool shown_ = false;
    std::vector<std::uint8_t> keptReport_; // the shown report when the devices were forgotten
};

} // namespace vtx
