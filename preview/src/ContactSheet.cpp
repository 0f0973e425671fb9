#include "ContactSheet.h"

#include <algorithm>

#include "PictureOps.h"

namespace vtxpreview {

namespace {
constexpr int kThumbnailWidth = 640;
constexpr int kColumns = 3;
constexpr int kMargin = 16;
constexpr int kCaptionHeight = 30;
constexpr float kCaptionSize = 20;
} // namespace

int thumbnailFactor(int width) { return std::max(1, width / kThumbnailWidth); }

SheetLayout layoutSheet(const std::vector<SheetEntry>& entries) {
    SheetLayout layout;
    if (entries.empty())
        return layout;
    int cellWidth = 0, cellHeight = 0;
    for (const SheetEntry& entry : entries) {
        cellWidth = std::max(cellWidth, entry.thumbnail.width);
        cellHeight = std::max(cellHeight, entry.thumbnail.height);
    }
    const int count = static_cast<int>(entries.size());
    const int columns = std::min(kColumns, count);
    const int rows = (count + columns - 1) / columns;
    layout.width = kMargin + columns * (cellWidth + kMargin);
    layout.height = kMargin + rows * (cellHeight + kCaptionHeight + kMargin);
    for (int i = 0; i < count; ++i) {
        const int x = kMargin + (i % columns) * (cellWidth + kMargin);
        const int y = kMargin + (i / columns) * (cellHeight + kCaptionHeight + kMargin);
        layout.x.push_back(x);
        layout.y.push_back(y);
        const SheetEntry& entry = entries[static_cast<std::size_t>(i)];
        layout.captions.push_back(
            {static_cast<float>(x), static_cast<float>(y + cellHeight + 5),
             std::to_string(i + 1) + ". " + entry.label + "  (frame " + std::to_string(entry.frame) + ")",
             kCaptionSize});
    }
    return layout;
}

Picture drawSheet(const std::vector<SheetEntry>& entries) {
    const SheetLayout layout = layoutSheet(entries);
    if (entries.empty())
        return {};
    Picture sheet = filled(layout.width, layout.height, 18, 18, 24);
    for (std::size_t i = 0; i < entries.size(); ++i)
        place(sheet, entries[i].thumbnail, layout.x[i], layout.y[i]);
    return FrameRenderer(layout.width, layout.height).label(sheet, layout.captions);
}

} // namespace vtxpreview
