// Cost of decoding one 64-byte Sony report, and of one frame's pump and poll
// with eight reports waiting. Measured, not asserted: run the program.
#include <benchmark/benchmark.h>

#include "Reports.h"
#include "input/PollPad.h"
#include "input/RawInputSink.h"
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

// The whole per-report path the sink runs: the process-wide calibration and
// the clock, as decodeSonyReport reads them.
void decodeSonyReport64(benchmark::State& state) {
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    vtx::sonyCalibration = state.range(0) ? vtx::defaultCalibration() : vtx::clearedCalibration();
    vtx::RawPadSnapshot out;
    for (auto _ : state)
        benchmark::DoNotOptimize(vtx::decodeSonyReport(report.data(), report.size(), out));
    vtx::sonyCalibration = vtx::clearedCalibration();
}
BENCHMARK(decodeSonyReport64)->Arg(1)->Arg(0)->ArgName("calibrated");

void pumpAndPollEightReports(benchmark::State& state) {
    auto& devices = vtxhost::devices();
    devices.setDeviceName(
        7, R"(\\?\HID#VID_054C&PID_0CE6&MI_03#8&2a1b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})");
    vtx::sonyCalibration = vtx::defaultCalibration();
    vtx::createRawInputSink();
    const auto report = vtxtest::hexReport(vtxtest::dualSenseCircleLeft);
    vtx::PadState pad;
    for (auto _ : state) {
        state.PauseTiming();
        for (int i = 0; i < 8; ++i)
            devices.postHid({7, static_cast<std::uint32_t>(report.size()), 1, report});
        state.ResumeTiming();
        vtx::pollPadState(pad, -1, 0.9f);
        benchmark::DoNotOptimize(pad);
    }
    vtx::destroyRawInputSink();
}
BENCHMARK(pumpAndPollEightReports);

} // namespace

BENCHMARK_MAIN();
