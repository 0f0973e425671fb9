// Cost of one preview frame at the game's resolution (2560x1440) through
// SDL's software renderer: the xbox pack's base and seven pressed layers
// drawn over the backdrop, then read back; and the PNG encoding that
// run --frames adds to each frame. Measured, not asserted.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <memory>

#include "FrameRenderer.h"
#include "Snapshot.h"

namespace {

namespace fs = std::filesystem;

vtxhost::CanvasRecord xboxFrame() {
    vtxhost::CanvasRecord canvas;
    const std::array<const char*, 8> files = {"Base.png",         "A_Button.png", "X_Button.png", "Left_Bumper.png",
                                              "Left_Trigger.png", "Dpad_Up.png",  "L3.png",       "R3.png"};
    for (const char* file : files) {
        vtxpreview::Picture picture;
        std::string error;
        if (!vtxpreview::readPng(fs::path(VTX_PACKS_DIR) / "xbox" / file, picture, error))
            continue;
        vtxhost::DrawCall draw;
        draw.image = file;
        draw.x = 20;
        draw.y = 980;
        draw.scale = 1;
        draw.imageWidth = picture.width;
        draw.imageHeight = picture.height;
        draw.pixels = std::make_shared<const std::vector<std::uint8_t>>(std::move(picture.rgba));
        canvas.draws.push_back(std::move(draw));
    }
    return canvas;
}

void renderFrame(benchmark::State& state) {
    const vtxhost::CanvasRecord canvas = xboxFrame();
    if (canvas.draws.empty()) {
        state.SkipWithError("the xbox pack is not built");
        return;
    }
    vtxpreview::FrameRenderer renderer(2560, 1440);
    for (auto _ : state)
        benchmark::DoNotOptimize(renderer.render(canvas));
    state.SetLabel(std::to_string(canvas.draws.size()) + " draws");
}
BENCHMARK(renderFrame)->Unit(benchmark::kMillisecond);

void encodeFrame(benchmark::State& state) {
    vtxpreview::FrameRenderer renderer(2560, 1440);
    const vtxpreview::Picture picture = renderer.render(xboxFrame());
    const fs::path path = fs::temp_directory_path() / "vtx-bench-frame.png";
    std::string error;
    for (auto _ : state)
        benchmark::DoNotOptimize(vtxpreview::writePng(path, picture, error));
    state.SetLabel(std::to_string(fs::file_size(path) / 1024) + " KiB");
    fs::remove(path);
}
BENCHMARK(encodeFrame)->Unit(benchmark::kMillisecond);

} // namespace
