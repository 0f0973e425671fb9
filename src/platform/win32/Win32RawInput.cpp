// The Raw Input sink: a message-only window that receives joystick and game
// pad HID reports even while the game has the focus.
#include <windows.h>

#include <memory>

#include "platform/win32/Win32DeviceInfo.h"

namespace vtx::platform {

namespace {
constexpr const char* kClassName = "VtxRawInputSink";
constexpr const char* kWindowName = "vtx_raw";

HWND sinkWindow = nullptr;
HidInputHandler sinkHandler = nullptr;

// The class is registered under this DLL, not the host executable, so that
// each load of the plugin registers (and later removes) its own window
// procedure instead of finding a stale one from an earlier load.
HINSTANCE pluginModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&pluginModule), &module);
    return module;
}

// Hands one WM_INPUT to the handler; false when the message must go to
// DefWindowProcA (no data, or the two size queries disagree).
bool dispatchRawInput(HRAWINPUT input) {
    UINT size = 0;
    if (GetRawInputData(input, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER)) != 0 || size == 0) {
        return false;
    }
    // RAWINPUT holds pointer-sized fields: keep the buffer aligned for them.
    const std::size_t words = (size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t);
    std::unique_ptr<std::uint64_t[]> buffer(new std::uint64_t[words]());
    UINT fetched = size;
    if (GetRawInputData(input, RID_INPUT, buffer.get(), &fetched, sizeof(RAWINPUTHEADER)) != size) {
        return false;
    }
    const auto* raw = reinterpret_cast<const RAWINPUT*>(buffer.get());
    if (raw->header.dwType != RIM_TYPEHID || sinkHandler == nullptr) {
        return true;
    }
    // Never trust the announced report count beyond the bytes actually delivered.
    const std::size_t bodyOffset = offsetof(RAWINPUT, data.hid.bRawData);
    const std::uint64_t announced = std::uint64_t{raw->data.hid.dwSizeHid} * raw->data.hid.dwCount;
    if (size < bodyOffset || announced > size - bodyOffset) {
        return true;
    }
    // GetMessageTime is the tick count when the message was posted; its age
    // moves the steady clock back by as much (tick counts wrap every 49 days).
    const DWORD ageMs = GetTickCount() - static_cast<DWORD>(GetMessageTime());
    const std::int64_t postedNs = steadyNowNs() - static_cast<std::int64_t>(ageMs) * 1'000'000;
    sinkHandler(HidInput{reinterpret_cast<RawDevice>(raw->header.hDevice), raw->data.hid.dwSizeHid,
                         raw->data.hid.dwCount, raw->data.hid.bRawData, postedNs});
    return true;
}

LRESULT CALLBACK sinkWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INPUT && dispatchRawInput(reinterpret_cast<HRAWINPUT>(lParam))) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerDevices(HWND target, DWORD flags) {
    RAWINPUTDEVICE devices[2] = {};
    for (int i = 0; i < 2; ++i) {
        devices[i].usUsagePage = 0x01;                   // generic desktop
        devices[i].usUsage = static_cast<USHORT>(4 + i); // joystick, game pad
        devices[i].dwFlags = flags;
        devices[i].hwndTarget = target;
    }
    RegisterRawInputDevices(devices, 2, sizeof(RAWINPUTDEVICE));
}
} // namespace

void createRawInputSink(HidInputHandler handler) {
    if (sinkWindow != nullptr) {
        return;
    }
    HINSTANCE module = pluginModule();
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = sinkWindowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = kClassName;
    RegisterClassExA(&windowClass);
    sinkWindow = CreateWindowExA(0, kClassName, kWindowName, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, module, nullptr);
    if (sinkWindow == nullptr) {
        return;
    }
    sinkHandler = handler;
    registerDevices(sinkWindow, RIDEV_INPUTSINK);
}

void destroyRawInputSink() {
    if (sinkWindow == nullptr) {
        return;
    }
    registerDevices(nullptr, RIDEV_REMOVE);
    DestroyWindow(sinkWindow);
    sinkWindow = nullptr;
    sinkHandler = nullptr;
    UnregisterClassA(kClassName, pluginModule());
}

bool rawInputSinkExists() { return sinkWindow != nullptr; }

void pumpRawInputSink() {
    MSG message;
    while (sinkWindow != nullptr && PeekMessageA(&message, sinkWindow, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool rawInputDeviceName(RawDevice device, char (&name)[512]) {
    ZeroMemory(name, sizeof name);
    UINT size = sizeof name;
    const UINT result = GetRawInputDeviceInfoA(reinterpret_cast<HANDLE>(device), RIDI_DEVICENAME, name, &size);
    return result != static_cast<UINT>(-1) && name[0] != 0;
}

bool rawInputDeviceInfo(HANDLE device, RID_DEVICE_INFO& info) {
    info = {};
    info.cbSize = sizeof info; // the call refuses a record whose size it does not know
    UINT size = sizeof info;
    const UINT result = GetRawInputDeviceInfoA(device, RIDI_DEVICEINFO, &info, &size);
    return result != static_cast<UINT>(-1) && result != 0;
}

bool hidIdsFromDeviceInfo(const RID_DEVICE_INFO& info, HidDeviceIds& out) {
    if (info.dwType != RIM_TYPEHID || info.hid.dwVendorId > 0xFFFF || info.hid.dwProductId > 0xFFFF) {
        return false;
    }
    out =
        HidDeviceIds{static_cast<std::uint16_t>(info.hid.dwVendorId), static_cast<std::uint16_t>(info.hid.dwProductId)};
    return true;
}

bool rawInputDeviceIds(RawDevice device, HidDeviceIds& out) {
    RID_DEVICE_INFO info;
    return rawInputDeviceInfo(reinterpret_cast<HANDLE>(device), info) && hidIdsFromDeviceInfo(info, out);
}

} // namespace vtx::platform
