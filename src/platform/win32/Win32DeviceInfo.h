#pragma once
// Raw Input's device information, split so that the Windows tests can check
// the call against the system and the reading of its record apart.
#include <windows.h>

#include "platform/Platform.h"

namespace vtx::platform {

// GetRawInputDeviceInfoA(RIDI_DEVICEINFO) of a device; false when the call fails.
bool rawInputDeviceInfo(HANDLE device, RID_DEVICE_INFO& info);
// The vendor and product ids of a HID device's record; false for a keyboard
// or mouse, and for ids wider than 16 bits.
bool hidIdsFromDeviceInfo(const RID_DEVICE_INFO& info, HidDeviceIds& out);

} // namespace vtx::platform
