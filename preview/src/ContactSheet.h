#pragma once
// One picture of a run's key moments: a small copy of each marked frame in a
// grid, in the order they were marked, each captioned with its number, label
// and frame.
#include <string>
#include <vector>

#include "FrameRenderer.h"
#include "Snapshot.h"

namespace vtxpreview {

struct SheetEntry {
    std::string label;
    long long frame = 0;
    Picture thumbnail;
};

// The factor by which a frame of `width` pixels is shrunk for the sheet:
// about 640 pixels wide, never enlarged.
int thumbnailFactor(int width);

struct SheetLayout {
    int width = 0, height = 0;
    std::vector<int> x, y; // each thumbnail's top-left corner
    std::vector<TextLabel> captions;
};

SheetLayout layoutSheet(const std::vector<SheetEntry>& entries);
// The finished sheet; throws std::runtime_error when SDL cannot draw it.
Picture drawSheet(const std::vector<SheetEntry>& entries);

} // namespace vtxpreview
