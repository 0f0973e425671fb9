#pragma once
// The HID pads read as Sony pads: Sony's own and other makers' that send a
// DualShock 4's or a DualSense's reports, by USB vendor and product id (the
// same ids over Bluetooth), and which makers may be asked what an unlisted
// device of theirs speaks.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vtx {

// The report layouts a pad may send.
enum class SonyProtocol : std::uint8_t {
    none,
    dualShock4,
    dualShock4Adapter, // Sony's USB wireless adapter: DualShock 4 reports, and a flag while no pad is paired
    dualSense,
};

struct SonyPadModel {
    std::uint16_t vendor;
    std::uint16_t product;
    SonyProtocol protocol;
    std::string_view name;
};

inline constexpr std::uint16_t kSonyVendor = 0x054C;

// Every pad read by its id, Sony's first.
std::span<const SonyPadModel> sonyPadModels();
// The listed pad with these ids, or null.
const SonyPadModel* findSonyPadModel(std::uint16_t vendor, std::uint16_t product);

// Pads that look like Sony-protocol pads by their maker but present
// themselves to Windows as XInput pads: read through XInput, never as HID.
bool isXInputPadId(std::uint16_t vendor, std::uint16_t product);

// Makers whose unlisted devices may be asked for their capability report;
// never Logitech, Razer or Thrustmaster, some of whose devices lock up or
// reset when asked.
bool mayAskVendor(std::uint16_t vendor);

// The capability feature report: its id, its length (report id included)
// and what byte 2 of a well-formed answer says.
inline constexpr std::uint8_t kCapabilityReportId = 0x03;
inline constexpr std::size_t kCapabilityReportLength = 48;
// The protocol an answer tells, or none for a short answer or any other value.
SonyProtocol protocolFromCapability(std::span<const std::uint8_t> answer);

// The table of pads as the README shows it.
std::string sonyPadsMarkdown();

} // namespace vtx
