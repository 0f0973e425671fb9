// The Linux build's platform: every answer comes from the stand-in host's
// virtual machine (keys, pads, HID devices, clock, Roaming folder), so the
// plugin's portable code runs unchanged in tests and in the preview.
#include <cstring>

#include "platform/Platform.h"
#include "vtxhost/VirtualDevices.h"

namespace vtx::platform {

namespace {
HidInputHandler sinkHandler = nullptr;
} // namespace

std::uint16_t asyncKeyState(int virtualKey) { return vtxhost::devices().queryAsyncKeyState(virtualKey); }

std::uint64_t tickCount64() { return vtxhost::devices().tickCount64(); }

std::uint32_t tickCount() { return static_cast<std::uint32_t>(vtxhost::devices().tickCount64()); }

std::int64_t steadyNowNs() { return vtxhost::devices().nowNs(); }

bool xinputGetState(unsigned userIndex, XInputGamepad& out) {
    if (userIndex >= vtxhost::devices().xinput.size()) {
        return false;
    }
    const vtxhost::XInputPadState& pad = vtxhost::devices().xinput[userIndex];
    if (!pad.connected) {
        return false;
    }
    out = XInputGamepad{pad.buttons, pad.leftTrigger, pad.rightTrigger, pad.thumbLX,
                        pad.thumbLY, pad.thumbRX,     pad.thumbRY};
    return true;
}

void createRawInputSink(HidInputHandler handler) {
    if (sinkHandler != nullptr) {
        return;
    }
    sinkHandler = handler;
    vtxhost::devices().setSinkExists(true);
}

void destroyRawInputSink() {
    if (sinkHandler == nullptr) {
        return;
    }
    sinkHandler = nullptr;
    vtxhost::devices().setSinkExists(false);
}

bool rawInputSinkExists() { return sinkHandler != nullptr; }

void pumpRawInputSink() {
    if (sinkHandler == nullptr) {
        return;
    }
    for (const vtxhost::HidMessage& message : vtxhost::devices().takeHidMessages()) {
        // Same checks as the window procedure's: the body must hold every report it announces.
        const std::uint64_t announced = std::uint64_t{message.reportSize} * message.reportCount;
        if (announced > message.bytes.size()) {
            continue;
        }
        sinkHandler(
            HidInput{message.device, message.reportSize, message.reportCount, message.bytes.data(), message.postedNs});
        if (sinkHandler == nullptr) {
            return; // the handler tore the sink down
        }
    }
}

bool rawInputDeviceName(RawDevice device, char (&name)[512]) {
    std::string text;
    if (!vtxhost::devices().deviceName(device, text) || text.size() + 1 > sizeof name) {
        return false;
    }
    std::memset(name, 0, sizeof name);
    std::memcpy(name, text.data(), text.size());
    return true;
}

bool rawInputDeviceIds(RawDevice device, HidDeviceIds& out) {
    vtxhost::HidDeviceIds ids;
    if (!vtxhost::devices().deviceIds(device, ids)) {
        return false;
    }
    out = HidDeviceIds{ids.vendorId, ids.productId};
    return true;
}

std::size_t hidFeatureReport(RawDevice device, std::uint8_t reportId, std::span<std::uint8_t> out) {
    // Refused before any request is made, as on Windows.
    if (reportId == 0 || out.empty()) {
        return 0;
    }
    return vtxhost::devices().requestFeatureReport(device, reportId, out);
}

std::filesystem::path roamingAppDataFolder() { return vtxhost::devices().roamingFolder; }

void openFolderInShell(const std::filesystem::path& folder) { vtxhost::devices().foldersOpened.push_back(folder); }

bool replaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Windows refuses to replace a read-only file; so does the stand-in, even
    // for a user whom the permission bits would not stop.
    const fs::file_status old = fs::status(target, ec);
    if (!ec && fs::is_regular_file(old) && (old.permissions() & fs::perms::owner_write) == fs::perms::none) {
        error = "the file is read-only";
        return false;
    }
    // rename() swaps the name over in one step, as ReplaceFileW does.
    fs::rename(replacement, target, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    return true;
}

} // namespace vtx::platform
