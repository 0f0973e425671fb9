#pragma once
// The portable half of the Raw Input sink: which devices are Sony pads, the
// latest raw report and the latest decoded snapshot. The platform layer owns
// the window and hands every HID input to handleHidInput.
#include <cstdint>
#include <map>
#include <vector>

#include "input/RawPadSnapshot.h"
#include "input/SonyDevice.h"
#include "platform/Platform.h"

namespace vtx {

// What each device is (Sony or not, and its product), found on first sight
// from its name and device information and kept while the sink lives.
extern std::map<platform::RawDevice, SonyDevice> sonyDeviceCache;
// The most recent report of a Sony device, whole; read by the calibration wizard.
extern std::vector<std::uint8_t> lastReport;
// The most recent successful decode; read by pollPad.
extern RawPadSnapshot latestSonySnapshot;

// Creates the sink unless one exists.
void createRawInputSink();
// Destroys the sink, forgets what each device is and releases the snapshot;
// lastReport stays. Does nothing without a sink.
void destroyRawInputSink();

// One WM_INPUT of type HID from a Sony device: its newest report becomes
// lastReport, and the newest report that decodes becomes latestSonySnapshot.
void handleHidInput(const platform::HidInput& input);

// identifySonyDevice of the device's name and information, remembered per
// device. A device with neither a readable name nor information is not Sony.
SonyDevice sonyDevice(platform::RawDevice device);
inline bool isSonyDevice(platform::RawDevice device) { return sonyDevice(device).sony; }

} // namespace vtx
