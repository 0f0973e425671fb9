#pragma once
// Reading a HID device's feature report, split so that the Windows tests can
// check each step against the system on its own.
#include <windows.h>

#include <string>

#include "platform/Platform.h"

namespace vtx::platform {

// The device's Raw Input name, of any length, as CreateFileW opens it; false
// when the device is unknown or its name cannot be read.
bool rawInputDeviceNameWide(HANDLE device, std::wstring& name);
// The device opened by that name, as a HID request needs it: no access
// rights, shared; INVALID_HANDLE_VALUE when it cannot be. The caller closes it.
HANDLE openRawInputDevice(HANDLE device);
// Feature report `reportId` of an open HID device, as hidFeatureReport
// answers; 0 for a handle that is no HID device.
std::size_t featureReportFromFile(HANDLE file, std::uint8_t reportId, std::span<std::uint8_t> out);

} // namespace vtx::platform
