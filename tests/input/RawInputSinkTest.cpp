// How one WM_INPUT with a batch of reports reaches lastReport and
// latestSonySnapshot, and what the device cache remembers.
#include <gtest/gtest.h>

#include "Reports.h"
#include "SonyVectors.h"
#include "input/RawInputSink.h"
#include "input/SonyCalibration.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
using vtxtest::hexReport;

namespace {

constexpr std::uintptr_t sonyBt = 0x101, xbox = 0x102, adapter = 0x103;

class SinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        lastReport.clear();
        latestSonySnapshot = {};
        sonyCalibration = clearedCalibration(); // the search, so DS4 reports decode
        vtxhost::devices().setDeviceName(
            sonyBt, R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&0ce6#8&56468dc&4&0000)");
        vtxhost::devices().setDeviceName(xbox, R"(\\?\HID#VID_045E&PID_02FF&IG_00#7&2a1b3c4d&0&0000)");
        vtxhost::devices().setDeviceName(adapter, "");
        vtxhost::devices().setDeviceIds(adapter, {0x054C, 0x0BA0});
        createRawInputSink();
    }
    void TearDown() override { destroyRawInputSink(); }

    // One WM_INPUT with the reports back to back.
    static void deliver(std::uintptr_t device, const std::vector<std::vector<std::uint8_t>>& reports) {
        std::vector<std::uint8_t> bytes;
        for (const auto& r : reports)
            bytes.insert(bytes.end(), r.begin(), r.end());
        handleHidInput({device, static_cast<std::uint32_t>(reports[0].size()),
                        static_cast<std::uint32_t>(reports.size()), bytes.data()});
    }
};

} // namespace

TEST_F(SinkTest, BatchShowsTheNewestReportThatDecodes) {
    const auto l1r3 = hexReport(vtxtest::vectors::v3);
    const auto idle = hexReport(vtxtest::vectors::v1);
    auto noPad = l1r3;
    noPad[31] |= 0x04; // the adapter has lost its pad
    deliver(adapter, {l1r3, idle, noPad});
    EXPECT_EQ(lastReport, noPad); // the newest report, for the wizard
    EXPECT_TRUE(latestSonySnapshot.valid);
    EXPECT_FALSE(latestSonySnapshot.lb); // idle, not the older L1 + R3

    latestSonySnapshot = {};
    deliver(adapter, {idle, l1r3});
    EXPECT_TRUE(latestSonySnapshot.lb && latestSonySnapshot.r3);

    deliver(sonyBt, {hexReport("01 80 80 80 80 88 02 00 00")}); // 9 bytes: kept, not decoded
    EXPECT_EQ(lastReport.size(), 9u);
    EXPECT_TRUE(latestSonySnapshot.lb);
}

TEST_F(SinkTest, ProductFromTheDeviceInformationElseTheName) {
    // The built-in calibration is in force, as on a fresh install: only the
    // product tells a DualShock 4 (hat 8 at byte 5) from a DualSense (L2 at byte 5).
    sonyCalibration = defaultCalibration();
    deliver(adapter, {hexReport(vtxtest::vectors::v1)});
    EXPECT_TRUE(latestSonySnapshot.valid);
    EXPECT_FALSE(latestSonySnapshot.dpadUp);
    EXPECT_EQ(sonyDevice(adapter).product, 0x0BA0);
    EXPECT_EQ(sonyDevice(sonyBt).product, 0x0CE6); // from "PID&0ce6"

    // What a device is stays as first found until the sink goes.
    vtxhost::devices().setDeviceIds(adapter, {0x045E, 0x02FF});
    EXPECT_EQ(sonyDevice(adapter).product, 0x0BA0);
    destroyRawInputSink();
    createRawInputSink();
    EXPECT_FALSE(isSonyDevice(adapter));
}

TEST_F(SinkTest, NonSonyDevicesChangeNothing) {
    deliver(xbox, {hexReport(vtxtest::ds4UsbHat3)});
    EXPECT_TRUE(lastReport.empty());
    EXPECT_FALSE(latestSonySnapshot.valid);
}

TEST_F(SinkTest, VerdictsLastUntilTheSinkIsDestroyed) {
    EXPECT_FALSE(isSonyDevice(0x999)); // no name yet
    vtxhost::devices().setDeviceName(0x999, R"(\\?\HID#VID_054C&PID_0CE6)");
    EXPECT_FALSE(isSonyDevice(0x999));
    const int created = vtxhost::devices().sinksCreated();
    createRawInputSink(); // a sink exists: no second one
    EXPECT_EQ(vtxhost::devices().sinksCreated(), created);

    latestSonySnapshot.valid = true;
    lastReport = {1, 2, 3};
    destroyRawInputSink();
    EXPECT_FALSE(vtxhost::devices().sinkExists());
    EXPECT_FALSE(latestSonySnapshot.valid);
    EXPECT_EQ(lastReport.size(), 3u); // kept for the wizard
    EXPECT_TRUE(isSonyDevice(0x999));
}
