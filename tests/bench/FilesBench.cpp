// What the plugin's files cost on the game thread: one settings save (run
// on every change of a listed setting, so on each step of a menu slider),
// the frame's position autosave when nothing moved (every drawn frame), and
// reading a settings file's text. Measured, not asserted: run the program.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bakkesmod/wrappers/GameWrapper.h"
#include "bakkesmod/wrappers/cvarmanagerwrapper.h"
#include "core/Catalogue.h"
#include "core/KeyValueLines.h"
#include "core/SettingsSnapshot.h"
#include "core/SettingsText.h"
#include "plugin/PositionAutosave.h"
#include "plugin/SettingsFile.h"
#include "vtxhost/Host.h"

namespace {

struct BenchHost {
    BenchHost() {
        vtxhost::HostOptions options;
        options.dataFolder = std::filesystem::temp_directory_path() / "vtx-files-bench";
        std::filesystem::remove_all(options.dataFolder);
        host = std::make_unique<vtxhost::Host>(options);
        cvars = host->cvarManager();
        game = host->gameWrapper();
        vtx::registerCvars(*cvars, vtx::kEarlyCvars);
        vtx::registerCvars(*cvars, vtx::kLateCvars);
        settings.follow(*cvars);
    }
    std::unique_ptr<vtxhost::Host> host;
    std::shared_ptr<GameWrapper> game;
    std::shared_ptr<CVarManagerWrapper> cvars;
    vtx::HostView view{game, cvars};
    vtx::SettingsSnapshot settings;
};

void saveSettingsFile(benchmark::State& state) {
    BenchHost bench;
    for (auto _ : state) {
        vtx::saveSettings(bench.game, bench.cvars);
    }
}
BENCHMARK(saveSettingsFile);

void autosavePositionStill(benchmark::State& state) {
    BenchHost bench;
    bench.cvars->getCvar("vtx_autosave").setValue(1);
    vtx::PositionAutosaveMemory memory;
    bench.host->advance(1'000'000'000);
    vtx::autosavePosition(bench.view, bench.settings, memory); // starts the clock
    bench.host->advance(1'000'000'000);
    vtx::autosavePosition(bench.view, bench.settings, memory); // the one write
    for (auto _ : state) {
        vtx::autosavePosition(bench.view, bench.settings, memory);
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
