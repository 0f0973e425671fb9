// Cost of one overlay frame and the heap allocations it makes. Measured,
// not asserted: run the program.
//   visible: a skin with every layer, every button held, both triggers
//            pressed, both sticks deflected, every hide rule on, gate open;
//   hidden:  the same, with the overlay faded out (the local car is gone);
//   timing:  visible, with the press timing on and five gaps drawn;
//   history: visible, with the input history on and all twelve entries shown;
//   trace:   visible, with the steering/throttle trace over a full 5 s
//            window and both sticks' trails;
//   coach:   visible, with the history and the trace both on.
// "plugin" frames draw on a canvas that records nothing, so their
// allocations are the plugin's own; "recorded" frames draw on the stand-in
// host's recording canvas, which copies every call. Each case also reports
// the host calls of a frame (vtxhost/HostCalls.h): console-variable reads,
// wrapper objects made, canvas calls.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <new>

#include "plugin/Vantrix.h"
#include "vtxhost/Host.h"
#include "vtxhost/HostCalls.h"
#include "vtxhost/VirtualDevices.h"

namespace {
std::atomic<long long> allocations{0};
} // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

struct Case {
    bool visible;
    bool recorded;
    bool timing = false;
    bool history = false;
    bool trace = false;
};

std::filesystem::path scratchFolder(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / "vtx-bench" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void BM_RenderOverlay(benchmark::State& state, Case which) {
    const std::filesystem::path data = scratchFolder("data");
    std::filesystem::create_directories(data / "Vantrix/skins");
    std::filesystem::copy(std::filesystem::path(VTX_SOURCE_DIR) / "tests/scenarios/fixtures/skins/Full",
                          data / "Vantrix/skins/Full", std::filesystem::copy_options::recursive);
    vtxhost::devices().roamingFolder = scratchFolder("appdata");
    vtxhost::HostOptions options;
    options.dataFolder = data;
    vtxhost::Host host(options);
    host.game().online = true;
    host.game().car = true;
    vtxhost::XInputPadState& pad = vtxhost::devices().xinput[0];
    pad = {true, 0xF3FF, 255, 255, 20000, -20000, -30000, 30000};

    Vantrix plugin;
    plugin.cvarManager = host.cvarManager();
    plugin.gameWrapper = host.gameWrapper();
    plugin.onLoad();

    vtxhost::CanvasRecord record;
    CanvasWrapper canvas(which.recorded ? reinterpret_cast<std::uintptr_t>(&record) : 0);
    // Settle: images loaded, sticks smoothed, and for the hidden case the
    // fade run out.
    host.game().car = which.visible;
    if (which.timing) {
        host.executeCommand("vtx_timing_enable 1");
    }
    if (which.history) {
        host.executeCommand("vtx_history_enable 1");
        host.executeCommand("vtx_history_count 12");
    }
    if (which.trace) {
        host.executeCommand("vtx_trace_enable 1");
        host.executeCommand("vtx_trace_ms 5000");
    }
    // With the trace on, long enough to fill its window.
    const int settleFrames = which.trace ? 330 : 120;
    for (int i = 0; i < settleFrames; ++i) {
        // A tapped every 6 frames while settling makes the timing's five
        // gaps; thirteen taps fill the history's twelve entries.
        if ((which.timing && i < 60) || (which.history && i < 80)) {
            pad.buttons = (i / 3) % 2 == 0 ? 0xF3FF : 0xE3FF;
        }
        vtxhost::devices().advanceNs(16'666'667);
        plugin.renderOverlay(canvas);
    }

    const long long before = allocations.load();
    vtxhost::resetHostCallCounts();
    std::uint32_t frame = 0;
    for (auto _ : state) {
        if (which.trace) {
            // At 400 frames a second, the sticks circling: a full window of
            // samples and trails that are drawn, not hidden under the caps.
            vtxhost::devices().advanceNs(2'500'000);
            ++frame;
            pad.thumbLX = static_cast<std::int16_t>((frame % 64) * 1000 - 32000);
            pad.thumbRY = static_cast<std::int16_t>((frame % 48) * 1300 - 31000);
        }
        record.ops.clear();
        record.draws.clear();
        record.texts.clear();
        plugin.renderOverlay(canvas);
    }
    const long long made = allocations.load() - before;
    const vtxhost::HostCallCounts calls = vtxhost::hostCallCounts();
    const auto perFrame = [](std::uint64_t count) {
        return benchmark::Counter(static_cast<double>(count), benchmark::Counter::kAvgIterations);
    };
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
    state.counters["cvar_reads"] = perFrame(calls.cvarReads);
    state.counters["wrapper_copies"] = perFrame(calls.wrapperCopies);
    state.counters["canvas_calls"] = perFrame(calls.canvasCalls);
    state.counters["draws"] = static_cast<double>(record.draws.size());
    state.counters["texts"] = static_cast<double>(record.texts.size());

    plugin.onUnload();
    pad = {};
}

BENCHMARK_CAPTURE(BM_RenderOverlay, visible, Case{true, false});
BENCHMARK_CAPTURE(BM_RenderOverlay, hidden, Case{false, false});
BENCHMARK_CAPTURE(BM_RenderOverlay, visible_recorded, Case{true, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, hidden_recorded, Case{false, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, timing, Case{true, false, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, timing_recorded, Case{true, true, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, history, Case{true, false, false, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, history_recorded, Case{true, true, false, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, trace, Case{true, false, false, false, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, trace_recorded, Case{true, true, false, false, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, coach, Case{true, false, false, true, true});
BENCHMARK_CAPTURE(BM_RenderOverlay, coach_recorded, Case{true, true, false, true, true});

} // namespace
