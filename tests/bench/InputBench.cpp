// Cost of decoding one 64-byte Sony report, and of one frame's pump and poll
// with eight reports waiting. Measured, not asserted: run the program.
#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "Reports.h"
#include "SonyVectors.h"
#include "input/PadInput.h"
#include "input/SonyDecode.h"
#include "vtxhost/VirtualDevices.h"

namespace {

void decodeCalibrated64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    const vtx::SonyCalibration calibration = vtx::defaultCalibration();
    for (auto _ : state) {
        vtx::PadState out = vtx::decodeCalibrated(calibration, report.data(), report.size());
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(decodeCalibrated64);

void decodeHeuristic64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::ds4UsbHat3);
    vtx::PadState out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vtx::decodeHeuristic(report.data(), report.size(), out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(decodeHeuristic64);

// The known layouts alone: DualShock 4 over USB, over Bluetooth with Windows'
// 547-byte padding, and the DualSense over Bluetooth.
void decodeKnownLayout(benchmark::State& state) {
    const bool dualSense = state.range(0) == 5;
    const auto protocol = dualSense ? vtx::SonyProtocol::dualSense : vtx::SonyProtocol::dualShock4;
    const auto report = dualSense        ? vtxtest::hexReport(vtxtest::vectors::v16)
                        : state.range(1) ? vtxtest::hexReport(vtxtest::vectors::v9, 547)
                                         : vtxtest::hexReport(vtxtest::vectors::v7);
    vtx::PadState out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vtx::decodeKnownLayout(protocol, report.data(), report.size(), out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(decodeKnownLayout)->Args({4, 0})->Args({4, 1})->Args({5, 0})->ArgNames({"ps", "bt"});

// The whole per-report decode the sink runs. With the built-in calibration and
// a known protocol the known layout reads the report; a user's own calibration
// (here the built-in one with Options bound) or an unknown protocol takes the older paths.
void decodeSonyReport64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    const auto protocol = state.range(1) ? vtx::SonyProtocol::dualSense : vtx::SonyProtocol::none;
    vtx::SonyCalibration calibration;
    switch (state.range(0)) {
    case 0:
        calibration = vtx::clearedCalibration();
        break;
    case 1:
        calibration = vtx::defaultCalibration();
        break;
    default:
        calibration = vtx::defaultCalibration();
        calibration.options_byte = 9;
        calibration.options_mask = 0x20;
    }
    // As the source holds it: made when the calibration is set.
    const vtx::SonyDecoding decoding(calibration);
    vtx::PadState out;
    for (auto _ : state)
        benchmark::DoNotOptimize(decoding.decode(report.data(), report.size(), protocol, out));
}
BENCHMARK(decodeSonyReport64)
    ->Args({1, 1})
    ->Args({2, 1})
    ->Args({1, 0})
    ->Args({0, 0})
    ->ArgNames({"calibration", "known"});

void pumpAndPollEightReports(benchmark::State& state) {
    auto& devices = vtxhost::devices();
    devices.setDeviceName(
        7, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
    const std::shared_ptr<GameWrapper> game;
    const std::shared_ptr<CVarManagerWrapper> cvars;
    vtx::PadInput input({game, cvars});
    input.setCalibration(vtx::defaultCalibration());
    input.createSink();
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    vtx::PadFrame frame;
    std::array<vtx::ControlChange, vtx::ControlChanges::kCapacity> changes;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 8; ++i)
            devices.postHid({7, static_cast<std::uint32_t>(report.size()), 1, report});
        state.ResumeTiming();
        input.poll(frame, -1, 0.9f, 0.1f);
        benchmark::DoNotOptimize(input.takeChanges(changes));
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(pumpAndPollEightReports);

} // namespace

BENCHMARK_MAIN();
