#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HostTestSupport.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"

using hosttest::TempFolder;

namespace {

class CVars : public testing::Test {
protected:
    TempFolder folder;
    vtxhost::Host host{hosttest::optionsFor(folder)};
    std::shared_ptr<CVarManagerWrapper> cvars = host.cvarManager();
};

TEST_F(CVars, RangeClampsTheDefaultAndEverySetter) {
    auto v = cvars->registerCvar("t_range", "300", "", true, true, 0, true, 100);
    EXPECT_EQ(v.getStringValue(), "100");
    EXPECT_EQ(host.cvarInfo("t_range")->defaultValue, "100");
    v.setValue(-5);
    EXPECT_EQ(v.getStringValue(), "0");
    v.setValue(150.5f);
    EXPECT_EQ(v.getStringValue(), "100");
    v.setValue("42.50"); // within range: kept as set, as plugins read back what they set
    EXPECT_EQ(v.getStringValue(), "42.50");
    v.setValue(" -1e3 ");
    EXPECT_EQ(v.getStringValue(), "0");
    v.setValue(12);
    EXPECT_EQ(v.getStringValue(), "12");
    v.setValue("abc"); // not a number: kept as typed
    EXPECT_EQ(v.getStringValue(), "abc");
}

TEST_F(CVars, OneSidedAndFractionalBounds) {
    auto v = cvars->registerCvar("t_min", "0", "", true, true, 0.5f);
    EXPECT_EQ(v.getStringValue(), "0.5");
    v.setValue(1000000);
    EXPECT_EQ(v.getStringValue(), "1000000");
    auto w = cvars->registerCvar("t_max", "-50", "", true, false, 0, true, -2.25f);
    w.setValue(3.0f);
    EXPECT_EQ(w.getStringValue(), "-2.25");
}

// Bounds are floats; the text's leading number is what decides, as it is what
// the getters read back.
TEST_F(CVars, RangeDecidesOnTheNumberTheGettersRead) {
    auto v = cvars->registerCvar("t_alpha", "0.98", "", true, true, 0.3f, true, 1);
    v.setValue("0.30");
    EXPECT_EQ(v.getStringValue(), "0.30");
    v.setValue("5abc");
    EXPECT_EQ(v.getStringValue(), "1");
    v.setValue("nan");
    EXPECT_EQ(v.getStringValue(), "0.3");
    v.setValue(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(v.getStringValue(), "0.3");
    v.setValue("0.000000000000000000000000000000000000000000000000000001");
    EXPECT_EQ(v.getStringValue(), "0.3");
    v.setValue("1e400");
    EXPECT_EQ(v.getStringValue(), "1");
}

TEST_F(CVars, NumbersAreStoredInShortestText) {
    auto v = cvars->registerCvar("t_text", "");
    v.setValue(20.0f);
    EXPECT_EQ(v.getStringValue(), "20");
    v.setValue(0.12f);
    EXPECT_EQ(v.getStringValue(), "0.12");
    v.setValue(1.0f / 3.0f);
    EXPECT_EQ(v.getFloatValue(), 1.0f / 3.0f);
    v.setValue(-7);
    EXPECT_EQ(v.getStringValue(), "-7");
    v.setValue("5.0"); // no range: text stays as given
    EXPECT_EQ(v.getStringValue(), "5.0");
}

TEST_F(CVars, ReadsTheLeadingNumberOfTheText) {
    struct Case {
        const char* text;
        int asInt;
        float asFloat;
        bool asBool;
    };
    const Case cases[] = {
        {"42", 42, 42.0f, true},
        {"  -3.9xyz", -3, -3.9f, true},
        {"abc", 0, 0.0f, false},
        {"", 0, 0.0f, false},
        {"1e3", 1000, 1000.0f, true},
        {"+7", 7, 7.0f, true},
        {".5", 0, 0.5f, false},
        {"1,5", 1, 1.0f, true},
        {"0x10", 16, 16.0f, true},
        {"3000000000", INT_MAX, 3e9f, true},
        {"-3000000000", INT_MIN, -3e9f, true},
        {"--1", 0, 0.0f, false},
        {"0.000000000000000000000000000000000000000000000000001", 0, 0.0f, false},
        {"1e-400", 0, 0.0f, false},
        {"0x1p-20000", 0, 0.0f, false},
        {"100000000000000000000000000000000000000000000000000", INT_MAX, INFINITY, true},
    };
    auto v = cvars->registerCvar("t_read", "");
    for (const auto& c : cases) {
        v.setValue(c.text);
        EXPECT_EQ(v.getIntValue(), c.asInt) << c.text;
        EXPECT_FLOAT_EQ(v.getFloatValue(), c.asFloat) << c.text;
        EXPECT_EQ(v.getBoolValue(), c.asBool) << c.text;
    }
}

TEST_F(CVars, RegisteringAgainReturnsTheExistingVariable) {
    auto first = cvars->registerCvar("t_again", "1");
    first.setValue("5");
    auto second = cvars->registerCvar("t_again", "9", "other", true, true, 0, true, 2);
    EXPECT_EQ(second.getStringValue(), "5");
    EXPECT_EQ(host.cvars().size(), 1u);

    auto missing = cvars->getCvar("t_missing");
    EXPECT_FALSE(missing);
    missing.setValue("1"); // harmless on a null handle
    EXPECT_EQ(missing.getIntValue(), 0);
    EXPECT_EQ(missing.getStringValue(), "");
}

TEST_F(CVars, CallbacksRunOnEverySetAfterTheValueIsStored) {
    auto v = cvars->registerCvar("t_cb", "1", "", true, true, 0, true, 10);
    std::vector<std::string> seen;
    v.addOnValueChanged([&](std::string old, CVarWrapper now) { seen.push_back(old + "->" + now.getStringValue()); });
    v.addOnValueChanged([&](std::string, CVarWrapper) { seen.push_back("second"); });

    v.setValue("1"); // the value it holds: the callbacks run all the same
    EXPECT_EQ(seen, (std::vector<std::string>{"1->1", "second"}));
    seen.clear();
    v.setValue(50);
    EXPECT_EQ(seen, (std::vector<std::string>{"1->10", "second"}));
    seen.clear();
    host.executeCommand("t_cb 3");
    EXPECT_EQ(seen, (std::vector<std::string>{"10->3", "second"}));
}

TEST_F(CVars, CallbacksRunOnlyOnChangeWhenTheHostSkipsUnchangedValues) {
    host.setCallbacksOnUnchangedValue(false);
    auto v = cvars->registerCvar("t_cb", "1", "", true, true, 0, true, 10);
    std::vector<std::string> seen;
    v.addOnValueChanged([&](std::string old, CVarWrapper now) { seen.push_back(old + "->" + now.getStringValue()); });

    v.setValue("1");
    v.setValue(1);
    EXPECT_TRUE(seen.empty());
    v.setValue(50);
    EXPECT_EQ(seen, (std::vector<std::string>{"1->10"}));
    seen.clear();
    v.setValue(99); // clamps to the value it already has
    EXPECT_TRUE(seen.empty());
    host.executeCommand("t_cb 3");
    EXPECT_EQ(seen, (std::vector<std::string>{"10->3"}));
}

TEST_F(CVars, CallbackMayAddCallbacksAndThrowWithoutHarm) {
    auto v = cvars->registerCvar("t_add", "0");
    int late = 0, after = 0;
    v.addOnValueChanged([&](std::string, CVarWrapper self) {
        self.addOnValueChanged([&](std::string, CVarWrapper) { ++late; });
        throw std::runtime_error("bad handler");
    });
    v.addOnValueChanged([&](std::string, CVarWrapper) { ++after; });

    v.setValue(1);
    EXPECT_EQ(late, 0); // added during this change: runs from the next one
    EXPECT_EQ(after, 1);
    EXPECT_EQ(hosttest::logCount(host, "Exception in plugin callback: bad handler"), 1);
    v.setValue(2);
    EXPECT_EQ(late, 1);
}

TEST_F(CVars, CallbacksThatFightOverAValueStop) {
    auto v = cvars->registerCvar("t_fight", "0");
    v.addOnValueChanged([](std::string, CVarWrapper self) { self.setValue(self.getIntValue() + 1); });
    v.setValue(1);
    EXPECT_GT(v.getIntValue(), 1);
    EXPECT_EQ(hosttest::logCount(host, "Change callbacks of t_fight nested too deeply; not run"), 1);
}

} // namespace
