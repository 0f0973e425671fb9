#pragma once
// The portable half of the Raw Input sink: which devices are Sony pads, the
// latest raw report and the latest decoded snapshot. The platform layer owns
// the window and hands every HID input to handleHidInput.
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

#include "input/RawPadSnapshot.h"
#include "platform/Platform.h"

namespace vtx {

// Verdict of isSonyDevice per device, kept while the sink lives.
extern std::map<platform::RawDevice, bool> sonyDeviceCache;
// The most recent report of a Sony device, whole; read by the calibration wizard.
extern std::vector<std::uint8_t> lastReport;
// The most recent successful decode; read by pollPad.
extern RawPadSnapshot latestSonySnapshot;

// Creates the sink unless one exists.
void createRawInputSink();
// Destroys the sink, forgets the device verdicts and releases the snapshot;
// lastReport stays. Does nothing without a sink.
void destroyRawInputSink();

// One WM_INPUT of type HID: for a Sony device, every report in turn becomes
// lastReport and is decoded, until one decodes into latestSonySnapshot.
void handleHidInput(const platform::HidInput& input);

// A Raw Input device name names a Sony device: "VID_054C" (USB) or
// "VID&0002054C" (Bluetooth) in any letter case.
bool isSonyDeviceName(std::string_view name);
// isSonyDeviceName of the device's name, remembered per device; a name that
// cannot be read counts as not Sony.
bool isSonyDevice(platform::RawDevice device);

} // namespace vtx
