#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>
#include <vector>

#include "HostTestSupport.h"

using vtxhost::devices;

namespace {

TEST(Keys, HeldAndPressedBitsAsGetAsyncKeyStateGivesThem) {
    hosttest::releaseKey('A');
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0);
    devices().setKey('A', true);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x8001);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x8000);
    devices().setKey('A', true); // repeat: not a new press
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x8000);
    devices().setKey('A', false);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0);
    devices().setKey('A', true);
    devices().setKey('A', false);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0x0001);
    EXPECT_EQ(devices().queryAsyncKeyState('A'), 0);
}

TEST(Keys, SideNeutralModifiersFollowEitherSide) {
    for (int key : {16, 160, 161, 17, 162, 163})
        hosttest::releaseKey(key);
    devices().setKey(161, true);
    EXPECT_TRUE(devices().keyHeld(16));
    EXPECT_EQ(devices().queryAsyncKeyState(16), 0x8001);
    devices().setKey(160, true); // shift was already down
    EXPECT_EQ(devices().queryAsyncKeyState(16), 0x8000);
    devices().setKey(161, false);
    EXPECT_TRUE(devices().keyHeld(16));
    devices().setKey(160, false);
    EXPECT_FALSE(devices().keyHeld(16));
    devices().setKey(163, true);
    EXPECT_TRUE(devices().keyHeld(17));
    EXPECT_FALSE(devices().keyHeld(16));
    hosttest::releaseKey(163);
}

TEST(Keys, HostPressesAndQueriesDoNotConsumeEachOther) {
    hosttest::releaseKey('B');
    devices().setKey('B', true);
    EXPECT_EQ(devices().queryAsyncKeyState('B') & 1, 1);
    EXPECT_TRUE(devices().takeKeyPressForHost('B'));
    EXPECT_FALSE(devices().takeKeyPressForHost('B'));
    devices().setKey(300, true); // outside the key table: ignored
    EXPECT_EQ(devices().queryAsyncKeyState(-1), 0);
    EXPECT_FALSE(devices().keyHeld(300));
    hosttest::releaseKey('B');
}

TEST(RawInput, MessagesQueueOnlyWhileASinkExists) {
    devices().setSinkExists(false);
    devices().postHid({1, 2, 1, {0xAA, 0xBB}});
    EXPECT_TRUE(devices().takeHidMessages().empty());

    const int created = devices().sinksCreated();
    devices().setSinkExists(true);
    EXPECT_EQ(devices().sinksCreated(), created + 1);
    devices().postHid({1, 1, 1, {0x01}});
    devices().postHid({2, 1, 1, {0x02}});
    auto messages = devices().takeHidMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].device, 2u);
    EXPECT_TRUE(devices().takeHidMessages().empty());
    devices().setSinkExists(false);
}

// The capability answer of a PS4-compatible pad: 48 bytes, report id 03
// first, 27 in byte 2.
std::vector<std::uint8_t> capabilityAnswer() {
    std::vector<std::uint8_t> answer(48, 0);
    answer[0] = 0x03;
    answer[2] = 0x27;
    return answer;
}

TEST(FeatureReports, ADeviceAnswersWhatItWasGivenAndRefusesTheRest) {
    constexpr std::uintptr_t pad = 0x501, other = 0x502;
    devices().setFeatureReport(pad, 0x03, capabilityAnswer());
    std::array<std::uint8_t, 48> out;
    out.fill(0xEE);
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x03, out), 48u);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), capabilityAnswer().begin()));

    out.fill(0xEE);
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x04, out), 0u);   // another report
    EXPECT_EQ(devices().requestFeatureReport(other, 0x03, out), 0u); // another device
    devices().setFeatureReport(pad, 0x04, {0x04, 0x01});
    devices().refuseFeatureReport(pad, 0x03);
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x03, out), 0u);
    EXPECT_EQ(out[0], 0xEE); // a refusal writes nothing
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x04, out), 2u);
    devices().refuseFeatureReport(pad, 0x04);
}

TEST(FeatureReports, ShortAndLongAnswersKeepTheirLength) {
    constexpr std::uintptr_t pad = 0x503;
    devices().setFeatureReport(pad, 0x03, {0x03, 0x00, 0x27});
    std::array<std::uint8_t, 48> out;
    out.fill(0xEE);
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x03, out), 3u);
    EXPECT_EQ(out[2], 0x27);
    EXPECT_EQ(out[3], 0xEE); // the rest keeps what it held

    std::vector<std::uint8_t> longer = capabilityAnswer();
    longer.resize(64, 0x55);
    devices().setFeatureReport(pad, 0x03, longer);
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x03, out), 64u);
    EXPECT_EQ(out[47], 0x00);
    devices().setFeatureReport(pad, 0x03, {}); // no bytes at all: a refusal
    EXPECT_EQ(devices().requestFeatureReport(pad, 0x03, out), 0u);
}

TEST(FeatureReports, EveryRequestCountsForItsDeviceAndTheTotal) {
    constexpr std::uintptr_t asked = 0x504, refusing = 0x505, never = 0x506;
    const int total = devices().featureReportRequests();
    devices().setFeatureReport(asked, 0x03, capabilityAnswer());
    std::array<std::uint8_t, 48> out{};
    devices().requestFeatureReport(asked, 0x03, out);
    devices().requestFeatureReport(asked, 0x03, out);
    devices().requestFeatureReport(refusing, 0x03, out);
    EXPECT_EQ(devices().featureReportRequests(asked), 2);
    EXPECT_EQ(devices().featureReportRequests(refusing), 1);
    EXPECT_EQ(devices().featureReportRequests(never), 0);
    EXPECT_EQ(devices().featureReportRequests(), total + 3);
}

TEST(FeatureReports, RequestsFromTwoThreadsAreAllCounted) {
    // The game thread and a window thread, each asking devices of its own
    // while the host program sets answers.
    constexpr int perThread = 20000;
    const int total = devices().featureReportRequests();
    // Both start together: a plain flag rather than std::latch, since under
    // Wine this test was seen to stop for good in the latch's wait.
    std::atomic<int> arrived{0};
    auto ask = [&arrived](std::uintptr_t first) {
        std::array<std::uint8_t, 48> out{};
        arrived.fetch_add(1);
        while (arrived.load() < 2)
            std::this_thread::yield();
        for (std::uintptr_t device = first; device < first + perThread; ++device) {
            devices().setFeatureReport(device, 0x03, capabilityAnswer());
            EXPECT_EQ(devices().requestFeatureReport(device, 0x03, out), 48u);
        }
    };
    std::thread window(ask, 0x10000);
    ask(0x20000);
    window.join();
    EXPECT_EQ(devices().featureReportRequests(), total + 2 * perThread);
    EXPECT_EQ(devices().featureReportRequests(0x10000 + perThread - 1), 1);
}

} // namespace
