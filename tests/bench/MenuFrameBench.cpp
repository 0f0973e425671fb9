// Cost of the menu in the stand-in host with the plugin library loaded: one
// host frame with the menu open (the plugin's drawing in its own Dear ImGui,
// the host's NewFrame and Render), and one 2560x1440 preview picture of such
// a frame (the canvas and the menu's draw data through SDL's software
// renderer, read back). Measured, not asserted.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "FrameRenderer.h"
#include "imgui.h"
#include "vtxhost/Host.h"
#include "vtxhost/VirtualDevices.h"

namespace {

namespace fs = std::filesystem;

fs::path scratchFolder(const char* name) {
    const fs::path folder = fs::temp_directory_path() / "vtx-bench-menu" / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// The plugin loaded, its start-up done, the menu open on its first tab.
std::unique_ptr<vtxhost::Host> hostWithMenu(benchmark::State& state) {
    vtxhost::devices().roamingFolder = scratchFolder("appdata");
    vtxhost::HostOptions options;
    options.dataFolder = scratchFolder("data");
    auto host = std::make_unique<vtxhost::Host>(options);
    std::string error;
    if (!host->load(VTX_PLUGIN_PATH, &error)) {
        state.SkipWithError(error.c_str());
        return nullptr;
    }
    for (int i = 0; i < 70; ++i)
        host->frame();
    host->executeCommand("openmenu vtx_menu", false);
    for (int i = 0; i < 3; ++i)
        host->frame();
    return host;
}

void menuHostFrame(benchmark::State& state) {
    const auto host = hostWithMenu(state);
    if (!host)
        return;
    for (auto _ : state)
        host->frame();
}
BENCHMARK(menuHostFrame)->Unit(benchmark::kMicrosecond);

void menuPicture(benchmark::State& state) {
    const auto host = hostWithMenu(state);
    if (!host)
        return;
    vtxpreview::FrameRenderer renderer(2560, 1440);
    const vtxpreview::GuiFrame gui = vtxpreview::lastGuiFrame(*host);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(host->lastFrame(), gui));
    state.SetLabel(std::to_string(gui.drawData ? gui.drawData->TotalVtxCount : 0) + " vertices");
}
BENCHMARK(menuPicture)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
