// HID feature reports on Windows: the device is opened by its Raw Input name
// and asked through the HID class driver.
#include <windows.h>
#include <winioctl.h>

#include <hidclass.h>
// mingw-w64's HID headers declare C functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cwchar>
#include <new>
#include <vector>

#include "platform/win32/Win32Hid.h"

namespace vtx::platform {

namespace {

class OpenFile {
public:
    explicit OpenFile(HANDLE handle) : handle_(handle) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// The longest feature report the device declares, report id included; 0 when
// it declares none or is no HID device.
std::size_t longestFeatureReport(HANDLE file) {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(file, &preparsed))
        return 0;
    HIDP_CAPS caps = {};
    const bool known = HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS;
    HidD_FreePreparsedData(preparsed);
    return known ? caps.FeatureReportByteLength : 0;
}

} // namespace

bool rawInputDeviceNameWide(HANDLE device, std::wstring& name) {
    // For a name the size is counted in characters.
    UINT length = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &length) != 0 || length == 0)
        return false;
    std::wstring text(length + 1, L'\0');
    UINT room = length;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, text.data(), &room) == static_cast<UINT>(-1))
        return false;
    text.resize(std::wcslen(text.c_str()));
    if (text.empty())
        return false;
    name = std::move(text);
    return true;
}

HANDLE openRawInputDevice(HANDLE device) {
    std::wstring name;
    if (!rawInputDeviceNameWide(device, name))
        return INVALID_HANDLE_VALUE;
    // No access rights asked: HID requests need none, and the system grants
    // that much even for a device another program holds.
    return CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
}

std::size_t featureReportFromFile(HANDLE file, std::uint8_t reportId, std::span<std::uint8_t> out) {
    if (reportId == 0 || out.empty())
        return 0;
    // A device that declares no feature report at all is not asked.
    const std::size_t longest = longestFeatureReport(file);
    if (longest == 0)
        return 0;
    // The class driver wants room for the whole report, so the answer lands in
    // a buffer that holds the longest one the device declares.
    std::vector<std::uint8_t> buffer(std::max(std::min<std::size_t>(out.size(), 0xFFFF), longest), 0);
    buffer[0] = reportId;
    // HidD_GetFeature sends this same request but keeps to itself the byte
    // count the driver returns, which alone tells a short answer from a full one.
    DWORD answered = 0;
    if (!DeviceIoControl(file, IOCTL_HID_GET_FEATURE, nullptr, 0, buffer.data(), static_cast<DWORD>(buffer.size()),
                         &answered, nullptr))
        return 0;
    const std::size_t length = std::min<std::size_t>(answered, buffer.size());
    std::copy_n(buffer.begin(), std::min(length, out.size()), out.begin());
    return length;
}

std::size_t hidFeatureReport(RawDevice device, std::uint8_t reportId, std::span<std::uint8_t> out) {
    if (reportId == 0 || out.empty())
        return 0;
    try {
        const OpenFile file(openRawInputDevice(reinterpret_cast<HANDLE>(device)));
        if (file.get() == INVALID_HANDLE_VALUE)
            return 0;
        return featureReportFromFile(file.get(), reportId, out);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

} // namespace vtx::platform
