#include "input/SonyPads.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace vtx {
namespace {

constexpr SonyProtocol ds4 = SonyProtocol::dualShock4;
constexpr SonyProtocol ds5 = SonyProtocol::dualSense;

// clang-format off
constexpr SonyPadModel kModels[] = {
    {0x054C, 0x05C4, ds4, "Sony DualShock 4 (CUH-ZCT1)"},
    {0x054C, 0x09CC, ds4, "Sony DualShock 4 (CUH-ZCT2)"},
    {0x054C, 0x0BA0, SonyProtocol::dualShock4Adapter, "Sony DualShock 4 USB wireless adapter"},
    {0x054C, 0x05C5, ds4, "Strikepad PS4 grip add-on"},
    {0x054C, 0x0CE6, ds5, "Sony DualSense"},
    {0x054C, 0x0DF2, ds5, "Sony DualSense Edge"},
    {0x054C, 0x0E5F, ds5, "Access controller for PS5"},
    {0x0079, 0x181B, ds4, "Venom arcade stick"},
    {0x044F, 0xD00E, ds4, "Thrustmaster eSwap Pro"},
    {0x0738, 0x8250, ds4, "Mad Catz FightPad Pro PS4"},
    {0x0738, 0x8384, ds4, "Mad Catz FightStick TE S+ PS4"},
    {0x0738, 0x8480, ds4, "Mad Catz FightStick TE 2 PS4"},
    {0x0738, 0x8481, ds4, "Mad Catz FightStick TE 2+ PS4"},
    {0x0C12, 0x0E10, ds4, "Armor 3 pad PS4"},
    {0x0C12, 0x0E13, ds4, "ZEROPLUS P4 wired gamepad"},
    {0x0C12, 0x0E15, ds4, "Game:Pad 4"},
    {0x0C12, 0x0E20, ds4, "Brook Mars"},
    {0x0C12, 0x0EF6, ds4, "Hitbox arcade stick"},
    {0x0C12, 0x1CF6, ds4, "EMIO PS4 Elite"},
    {0x0C12, 0x1E10, ds4, "P4 wired gamepad"},
    {0x0C12, 0x2E18, ds4, "ZEROPLUS P4 wired gamepad"},
    {0x0E6F, 0x0203, ds4, "Victrix Pro FS"},
    {0x0E6F, 0x0207, ds4, "Victrix Pro FS V2"},
    {0x0E6F, 0x020A, ds4, "Victrix Pro FS PS4/PS5, PS4 mode"},
    {0x0E6F, 0x0209, ds5, "Victrix Pro FS PS4/PS5, PS5 mode"},
    {0x0F0D, 0x0055, ds4, "HORIPAD 4 FPS"},
    {0x0F0D, 0x005E, ds4, "HORI Fighting Commander 4"},
    {0x0F0D, 0x0066, ds4, "HORIPAD 4 FPS Plus"},
    {0x0F0D, 0x0084, ds4, "HORI Fighting Commander"},
    {0x0F0D, 0x0087, ds4, "HORI Fighting Stick mini 4"},
    {0x0F0D, 0x008A, ds4, "HORI Real Arcade Pro 4"},
    {0x0F0D, 0x009C, ds4, "HORI TAC PRO"},
    {0x0F0D, 0x00A0, ds4, "HORI TAC4"},
    {0x0F0D, 0x00EE, ds4, "HORI mini wired gamepad"},
    {0x0F0D, 0x011C, ds4, "HORI Fighting Stick α"},
    {0x0F0D, 0x0123, ds4, "HORI Wireless Controller Light"},
    {0x0F0D, 0x0162, ds4, "HORI Fighting Commander OCTA, PS4 mode"},
    {0x0F0D, 0x0163, ds5, "HORI Fighting Commander OCTA, PS5 mode"},
    {0x0F0D, 0x0184, ds5, "HORI Fighting Stick α (PS5)"},
    {0x11C0, 0x4001, ds4, "PS4 Fun Controller"},
    {0x146B, 0x0D01, ds4, "Nacon Revolution Pro"},
    {0x146B, 0x0D02, ds4, "Nacon Revolution Pro v2"},
    {0x146B, 0x0D06, ds4, "Nacon Asymmetric wireless dongle"},
    {0x146B, 0x0D08, ds4, "Nacon Revolution Unlimited wireless dongle"},
    {0x146B, 0x0D09, ds4, "Nacon Daija fight stick"},
    {0x146B, 0x0D10, ds4, "Nacon Revolution Infinite / Unlimited"},
    {0x146B, 0x0D13, ds4, "Nacon Revolution Pro 3"},
    {0x146B, 0x1103, ds4, "Nacon Asymmetric"},
    {0x1532, 0x0401, ds4, "Razer Panthera"},
    {0x1532, 0x1000, ds4, "Razer Raiju"},
    {0x1532, 0x1004, ds4, "Razer Raiju 2 Ultimate, USB"},
    {0x1532, 0x1007, ds4, "Razer Raiju 2 Tournament, USB"},
    {0x1532, 0x1008, ds4, "Razer Panthera Evo"},
    {0x1532, 0x1009, ds4, "Razer Raiju 2 Ultimate, Bluetooth"},
    {0x1532, 0x100A, ds4, "Razer Raiju 2 Tournament, Bluetooth"},
    {0x1532, 0x1100, ds4, "Razer Raion fightpad"},
    {0x1532, 0x100B, ds5, "Razer Wolverine V2 Pro, wired"},
    {0x1532, 0x100C, ds5, "Razer Wolverine V2 Pro, wireless"},
    {0x1532, 0x1012, ds5, "Razer Kitsune"},
    {0x1532, 0x1024, ds5, "Razer Raiju V3 Pro, PS5 mode, wired"},
    {0x1532, 0x1026, ds5, "Razer Raiju V3 Pro, PS5 mode, dongle"},
    {0x20D6, 0x792A, ds4, "PowerA Fusion fight pad"},
    {0x2C22, 0x2000, ds4, "Qanba Drone"},
    {0x2C22, 0x2300, ds4, "Qanba Obsidian"},
    {0x2C22, 0x2500, ds4, "Qanba Dragon"},
    {0x3285, 0x0D16, ds4, "Nacon Revolution 5 Pro, PS4 mode, dongle"},
    {0x3285, 0x0D17, ds4, "Nacon Revolution 5 Pro, PS4 mode, wired"},
    {0x3285, 0x0D18, ds5, "Nacon Revolution 5 Pro, PS5 mode, dongle"},
    {0x3285, 0x0D19, ds5, "Nacon Revolution 5 Pro, PS5 mode, wired"},
    {0x358A, 0x0104, ds5, "Backbone One PlayStation Edition"},
    {0x7545, 0x0104, ds4, "Armor 3 / Level Up Cobra"},
    {0x9886, 0x0025, ds4, "Astro C40"},
};

struct PadId {
    std::uint16_t vendor;
    std::uint16_t product;
};
constexpr PadId kXInputPads[] = {
    {0x0F0D, 0x00ED}, {0x0F0D, 0x0164}, {0x146B, 0x0603}, {0x146B, 0x0604}, {0x146B, 0x0605},
    {0x146B, 0x0606}, {0x146B, 0x0609}, {0x2C22, 0x2303}, {0x2C22, 0x2503}, {0x9886, 0x0024},
};

constexpr std::uint16_t kAskableVendors[] = {
    0x3651, // CRKD
    0x0079, // DragonRise
    0x1B1C, // Corsair
    0x0F0D, // HORI
    0x0738, // Mad Catz
    0x33DF, // Mayflash
    0x146B, 0x3285, // Nacon
    0x0E6F, // PDP
    0x24C6, 0x20D6, // PowerA
    0x2C22, // Qanba
    0x3958, // Red Octane
    0x2563, 0x20BC, // ShanWan
    0x0C12, // Zeroplus
    0x7545, // SZ-MYPOWER
};
// clang-format on

} // namespace

std::span<const SonyPadModel> sonyPadModels() { return kModels; }

const SonyPadModel* findSonyPadModel(std::uint16_t vendor, std::uint16_t product) {
    const auto found = std::find_if(std::begin(kModels), std::end(kModels), [&](const SonyPadModel& model) {
        return model.vendor == vendor && model.product == product;
    });
    return found == std::end(kModels) ? nullptr : found;
}

bool isXInputPadId(std::uint16_t vendor, std::uint16_t product) {
    return std::any_of(std::begin(kXInputPads), std::end(kXInputPads),
                       [&](const PadId& id) { return id.vendor == vendor && id.product == product; });
}

bool mayAskVendor(std::uint16_t vendor) {
    return std::find(std::begin(kAskableVendors), std::end(kAskableVendors), vendor) != std::end(kAskableVendors);
}

SonyProtocol protocolFromCapability(std::span<const std::uint8_t> answer) {
    if (answer.size() != kCapabilityReportLength || answer[0] != kCapabilityReportId)
        return SonyProtocol::none;
    switch (answer[2]) {
    case 0x27:
        return SonyProtocol::dualShock4;
    case 0x28:
        return SonyProtocol::dualSense;
    default:
        return SonyProtocol::none;
    }
}

std::string sonyPadsMarkdown() {
    std::string out = "| Pad | Vendor id | Product id | Reports |\n|---|---|---|---|\n";
    for (const SonyPadModel& model : kModels) {
        char ids[32];
        std::snprintf(ids, sizeof ids, "| %04X | %04X | ", model.vendor, model.product);
        out += "| " + std::string(model.name) + " " + ids +
               (model.protocol == SonyProtocol::dualSense ? "DualSense" : "DualShock 4") + " |\n";
    }
    return out;
}

} // namespace vtx
