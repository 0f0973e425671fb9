// What the plugin's files cost on the game thread: one settings save (run
// on every change of a listed setting, so on each step of a menu slider),
// the frame's position autosave when nothing moved (every drawn frame), and
// reading a settings file's text. Measured, not asserted: run the program.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "Vantrix.h"
#include "core/Catalogue.h"
#include "core/KeyValueLines.h"
#include "core/PositionAutosave.h"
#include "core/SettingsFile.h"
#include "core/SettingsText.h"
#include "vtxhost/Host.h"

namespace {

struct BenchHost {
    BenchHost() {
        vtxhost::HostOptions options;
        options.dataFolder = std::filesystem::temp_directory_path() / "vtx-files-bench";
        std::filesystem::remove_all(options.dataFolder);
        host = std::make_unique<vtxhost::Host>(options);
        plugin.cvarManager = host->cvarManager();
        plugin.gameWrapper = host->gameWrapper();
        vtx::registerCvars(*plugin.cvarManager, vtx::kEarlyCvars);
        vtx::registerCvars(*plugin.cvarManager, vtx::kLateCvars);
    }
    std::unique_ptr<vtxhost::Host> host;
    Vantrix plugin;
};

void saveSettingsFile(benchmark::State& state) {
    BenchHost bench;
    for (auto _ : state) {
        vtx::saveSettings(bench.plugin.gameWrapper, bench.plugin.cvarManager);
    }
}
BENCHMARK(saveSettingsFile);

void autosavePositionStill(benchmark::State& state) {
    BenchHost bench;
    bench.plugin.cvarManager->getCvar("vtx_autosave").setValue(1);
    vtx::PositionAutosaveMemory memory;
    bench.host->advance(1'000'000'000);
    vtx::autosavePosition(bench.plugin, memory); // starts the clock
    bench.host->advance(1'000'000'000);
    vtx::autosavePosition(bench.plugin, memory); // the one write
    for (auto _ : state) {
        vtx::autosavePosition(bench.plugin, memory);
    }
}
BENCHMARK(autosavePositionStill);

void parseSettingsFileText(benchmark::State& state) {
    std::string text;
    for (const vtx::CvarSpec* key : vtx::kSettingsFile) {
        text += vtx::keyValueLine(key->name, "0.616");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(vtx::parseSettingsText(text));
    }
}
BENCHMARK(parseSettingsFileText);

} // namespace
