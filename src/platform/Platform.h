#pragma once
// Everything the plugin asks of the operating system. Two implementations:
// win32/ (the DLL) and standin/ (the Linux build, driven by the stand-in host).
// Portable code includes only this header, never windows.h.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace vtx::platform {

// Keyboard: GetAsyncKeyState's bits, 0x8000 held now and 0x0001 pressed
// since the previous query.
std::uint16_t asyncKeyState(int virtualKey);

// Clocks: the system tick count in milliseconds, and a monotonic steady
// clock in nanoseconds (the performance counter on Windows).
std::uint64_t tickCount64();
std::uint32_t tickCount();
std::int64_t steadyNowNs();

// XInput's published gamepad record, without its Windows types.
struct XInputGamepad {
    std::uint16_t buttons = 0;
    std::uint8_t leftTrigger = 0;
    std::uint8_t rightTrigger = 0;
    std::int16_t thumbLX = 0;
    std::int16_t thumbLY = 0;
    std::int16_t thumbRX = 0;
    std::int16_t thumbRY = 0;
};
// True when a pad is connected at that user index (0-3). A system without
// XInput answers false for every index.
bool xinputGetState(unsigned userIndex, XInputGamepad& out);

// Raw Input sink: one hidden message-only window that receives the HID
// reports of joysticks and game pads even while another window has focus.
using RawDevice = std::uintptr_t;
struct HidInput {
    RawDevice device = 0;
    std::uint32_t reportSize = 0;  // bytes of one report
    std::uint32_t reportCount = 0; // reports back to back in `reports`
    const std::uint8_t* reports = nullptr;
    // Steady clock (steadyNowNs), when the message was posted: a frame pumps
    // a batch of them, and each report keeps its own moment.
    std::int64_t postedNs = 0;
};
// Called from inside the message dispatch for every WM_INPUT of type HID that
// passed the size checks.
using HidInputHandler = void (*)(const HidInput&);

// Registers the window class, creates the window "vtx_raw" and registers the
// joystick and game-pad usages. Does nothing when a sink exists.
void createRawInputSink(HidInputHandler handler);
// Destroys the window, unregisters the class and removes the device registration.
void destroyRawInputSink();
bool rawInputSinkExists();
// Dispatches every pending message of the sink window (PeekMessage loop).
void pumpRawInputSink();
// The Raw Input device name into a 512-byte buffer; false when it cannot be
// read (the call fails or the name does not fit).
bool rawInputDeviceName(RawDevice device, char (&name)[512]);
// A HID device's vendor and product ids, as Raw Input's device information
// gives them for USB and Bluetooth alike.
struct HidDeviceIds {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
};
// False when the device is not a HID device or its information cannot be read.
bool rawInputDeviceIds(RawDevice device, HidDeviceIds& out);

// Asks a HID device for its feature report `reportId` (1-255; HID numbers
// feature reports from 1). Returns the answer's length in bytes, the report
// id included: out[0] holds the id and the report follows. A device may answer
// fewer bytes than `out` holds (a short answer: the rest of `out` keeps what
// it held); an answer longer than `out` fills it and still returns its
// whole length, so a caller that wants an exact length compares the result
// with it. 0 when the device refuses, has no such report, cannot be opened or
// has gone, for report id 0 and for an empty `out`; `out` is then untouched.
// The request travels to the device and waits for its answer, usually a few
// milliseconds but up to the driver's time-out for a device that hangs: ask
// once per device, never per frame. Some devices misbehave when asked at all,
// so the caller decides which ones to ask.
std::size_t hidFeatureReport(RawDevice device, std::uint8_t reportId, std::span<std::uint8_t> out);

// The user's Roaming application-data folder; empty when unavailable.
std::filesystem::path roamingAppDataFolder();
// Opens a folder in the desktop's file browser.
void openFolderInShell(const std::filesystem::path& folder);

// Puts `replacement` in the place of `target` in one step: a reader sees the
// old file or the new one, never part of either. On Windows this works while
// another program has the old file open, if it opened it sharing delete
// access. A read-only target and a folder under the name are refused. False
// with the system's reason in `error`; `target` is then as it was and
// `replacement` is still there.
bool replaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target, std::string& error);

} // namespace vtx::platform
