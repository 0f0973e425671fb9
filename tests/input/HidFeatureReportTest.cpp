// The Linux platform's feature-report read: what the plugin's request does
// on the stand-in machine and what comes back.
#include <gtest/gtest.h>

#include <array>
#include <span>

#include "platform/Platform.h"
#include "vtxhost/VirtualDevices.h"

namespace {

TEST(HidFeatureReport, TheRequestReachesTheDeviceUnlessItCannotBeOne) {
    constexpr std::uintptr_t pad = 0x601;
    vtxhost::devices().setFeatureReport(pad, 0x00, {0x00, 0x01});
    vtxhost::devices().setFeatureReport(pad, 0x03, {0x03, 0x00, 0x27}); // short: 3 of 48
    std::array<std::uint8_t, 48> out;
    out.fill(0xEE);
    // Report 0 is no feature report, and an answer needs room: nothing is sent.
    EXPECT_EQ(vtx::platform::hidFeatureReport(pad, 0x00, out), 0u);
    EXPECT_EQ(vtx::platform::hidFeatureReport(pad, 0x03, std::span<std::uint8_t>()), 0u);
    EXPECT_EQ(vtxhost::devices().featureReportRequests(pad), 0);

    EXPECT_EQ(vtx::platform::hidFeatureReport(pad, 0x03, out), 3u);
    EXPECT_EQ(out[2], 0x27);
    EXPECT_EQ(out[3], 0xEE);
    EXPECT_EQ(vtxhost::devices().featureReportRequests(pad), 1);
}

} // namespace
