// Which devices count as Sony pads, and how a batch of reports in one
// WM_INPUT reaches lastReport and latestSonySnapshot.
#include <gtest/gtest.h>

#include "Reports.h"
#include "input/RawInputSink.h"
#include "input/SonyCalibration.h"
#include "vtxhost/VirtualDevices.h"

using namespace vtx;
using vtxtest::hexReport;

namespace {

constexpr std::uintptr_t sonyUsb = 0x100, sonyBt = 0x101, xbox = 0x102;

class SinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        sonyDeviceCache.clear();
        lastReport.clear();
        latestSonySnapshot = {};
        sonyCalibration = clearedCalibration(); // the search, so DS4 reports decode
        auto& d = vtxhost::devices();
        d.setDeviceName(sonyUsb, R"(\\?\hid#vid_054c&pid_09cc&mi_03#7&1f882a25&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030})");
        d.setDeviceName(sonyBt, R"(\\?\HID#{00001124-0000-1000-8000-00805f9b34fb}_VID&0002054c_PID&0ce6#8&56468dc&4&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
        d.setDeviceName(xbox, R"(\\?\HID#VID_045E&PID_02FF&IG_00#7&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
    }
    void TearDown() override { destroyRawInputSink(); }

    // One WM_INPUT holding the given reports back to back, all of the first's size.
    static void deliver(std::uintptr_t device, const std::vector<std::vector<std::uint8_t>>& reports) {
        std::vector<std::uint8_t> bytes;
        for (const auto& r : reports)
            bytes.insert(bytes.end(), r.begin(), r.end());
        handleHidInput({device, static_cast<std::uint32_t>(reports[0].size()),
                        static_cast<std::uint32_t>(reports.size()), bytes.data()});
    }
};

} // namespace

TEST_F(SinkTest, VerdictIsCachedUntilTheSinkIsDestroyed) {
    createRawInputSink();
    EXPECT_TRUE(isSonyDevice(sonyBt));
    EXPECT_FALSE(isSonyDevice(0x999)); // unknown device: name unreadable
    vtxhost::devices().setDeviceName(0x999, R"(\\?\HID#VID_054C&PID_0CE6)");
    vtxhost::devices().setDeviceName(sonyBt, R"(\\?\HID#VID_045E&PID_02FF)");
    EXPECT_FALSE(isSonyDevice(0x999));
    EXPECT_TRUE(isSonyDevice(sonyBt));

    latestSonySnapshot.valid = true;
    lastReport = {1, 2, 3};
    destroyRawInputSink();
    EXPECT_TRUE(sonyDeviceCache.empty());
    EXPECT_FALSE(latestSonySnapshot.valid);
    EXPECT_EQ(lastReport.size(), 3u); // kept for the wizard
    EXPECT_TRUE(isSonyDevice(0x999));
}

TEST_F(SinkTest, SinkIsCreatedOnce) {
    createRawInputSink();
    const int created = vtxhost::devices().sinksCreated();
    createRawInputSink();
    EXPECT_EQ(vtxhost::devices().sinksCreated(), created);
    EXPECT_TRUE(vtxhost::devices().sinkExists());
}

TEST_F(SinkTest, FirstReportFailsSecondDecodes) {
    auto bad = hexReport("01 80 80 80 80 0F 00 00 00 00"); // rejected at the only offset
    auto good = hexReport(vtxtest::ds4BtShort);
    deliver(sonyUsb, {bad, good});
    EXPECT_EQ(lastReport, good);
    EXPECT_TRUE(latestSonySnapshot.valid && latestSonySnapshot.b && latestSonySnapshot.l3);
}

TEST_F(SinkTest, FirstDecodingReportEndsTheBatch) {
    auto first = hexReport(vtxtest::ds4BtShort);
    auto second = hexReport(vtxtest::dualSenseBtShort);
    deliver(sonyBt, {first, second});
    EXPECT_EQ(lastReport, first);
    EXPECT_TRUE(latestSonySnapshot.b);
    EXPECT_FALSE(latestSonySnapshot.y);
}

TEST_F(SinkTest, ShortReportIsKeptButNotDecoded) {
    auto r = hexReport("01 80 80 80 80 48 40 00 00");
    deliver(sonyUsb, {r});
    EXPECT_EQ(lastReport, r);
    EXPECT_FALSE(latestSonySnapshot.valid);
}

TEST_F(SinkTest, NonSonyDevicesChangeNothing) {
    deliver(xbox, {hexReport(vtxtest::ds4UsbIdle)});
    EXPECT_TRUE(lastReport.empty());
    EXPECT_FALSE(latestSonySnapshot.valid);
}
