// Cost of decoding one 64-byte Sony report, and of one frame's pump and poll
// with eight reports waiting. Measured, not asserted: run the program.
#include <benchmark/benchmark.h>

#include "Reports.h"
#include "SonyVectors.h"
#include "input/PadInput.h"
#include "input/SonyDecode.h"
#include "vtxhost/VirtualDevices.h"

namespace {

void decodeCalibrated64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    const vtx::SonyCalibration calibration = vtx::defaultCalibration();
    vtx::RawPadSnapshot out;
    for (auto _ : state) {
        vtx::decodeCalibrated(calibration, report.data(), report.size(), 1, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(decodeCalibrated64);

void decodeHeuristic64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::ds4UsbHat3);
    vtx::RawPadSnapshot out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vtx::decodeHeuristic(report.data(), report.size(), 1, out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(decodeHeuristic64);

// The known layouts alone: DualShock 4 over USB, over Bluetooth with Windows'
// 547-byte padding, and the DualSense over Bluetooth.
void decodeKnownLayout(benchmark::State& state) {
    const std::uint16_t product = static_cast<std::uint16_t>(state.range(0));
    const auto report = product == 0x0CE6 ? vtxtest::hexReport(vtxtest::vectors::v16)
                        : state.range(1)  ? vtxtest::hexReport(vtxtest::vectors::v9, 547)
                                          : vtxtest::hexReport(vtxtest::vectors::v7);
    vtx::SonyPadState out;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vtx::decodeKnownLayout(product, report.data(), report.size(), out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(decodeKnownLayout)->Args({0x09CC, 0})->Args({0x09CC, 1})->Args({0x0CE6, 0})->ArgNames({"product", "bt"});

// The whole per-report decode the sink runs. With the built-in calibration and
// a known product the known layout reads the report; a user's own calibration
// (here the built-in one with Options bound) or an unknown product takes the older paths.
void decodeSonyReport64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    const auto product = static_cast<std::uint16_t>(state.range(1));
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
    vtx::RawPadSnapshot out;
    for (auto _ : state)
        benchmark::DoNotOptimize(vtx::decodeSonyReport(report.data(), report.size(), calibration, product, 1, out));
}
BENCHMARK(decodeSonyReport64)
    ->Args({1, 0x0CE6})
    ->Args({2, 0x0CE6})
    ->Args({1, 0})
    ->Args({0, 0})
    ->ArgNames({"calibration", "product"});

void pumpAndPollEightReports(benchmark::State& state) {
    auto& devices = vtxhost::devices();
    devices.setDeviceName(
        7, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
    vtx::PadInput input;
    input.setCalibration(vtx::defaultCalibration());
    input.createSink();
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    vtx::PadState pad;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 8; ++i)
            devices.postHid({7, static_cast<std::uint32_t>(report.size()), 1, report});
        state.ResumeTiming();
        input.poll(pad, -1, 0.9f);
        benchmark::DoNotOptimize(pad);
    }
}
BENCHMARK(pumpAndPollEightReports);

} // namespace

BENCHMARK_MAIN();
