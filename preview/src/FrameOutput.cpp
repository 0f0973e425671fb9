#include "FrameOutput.h"

#include <cstdio>
#include <regex>
#include <stdexcept>

#include "PictureOps.h"

namespace vtxpreview {

namespace fs = std::filesystem;

std::string frameFileName(long long frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06lld.png", frame);
    return name;
}

namespace {
void removeEarlierRun(const fs::path& folder) {
    static const std::regex ours(R"(frame-[0-9]{6,}\.png)");
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && (std::regex_match(name, ours) || name == kContactSheetName))
            fs::remove(entry.path(), error);
    }
}
} // namespace

FrameOutput::FrameOutput(fs::path folder, std::ostream& progressOut, bool terminal)
    : folder_(std::move(folder)), progress_(progressOut, terminal) {
    std::error_code error;
    fs::create_directories(folder_, error);
    if (!fs::is_directory(folder_, error))
        throw std::runtime_error("cannot make the frames folder " + folder_.string());
    removeEarlierRun(folder_);
}

void FrameOutput::addFrame(long long frame, Picture picture, int line, int lastLine) {
    std::string error;
    if (!writer_.write(folder_ / frameFileName(frame), std::move(picture), error))
        throw std::runtime_error(error);
    frames_ = frame;
    progress_.update(frame, line, lastLine);
}

void FrameOutput::mark(const std::string& label, long long frame, const Picture& picture) {
    marks_.push_back({label, frame, shrink(picture, thumbnailFactor(picture.width))});
}

bool FrameOutput::finish(std::ostream& out, std::string& error) {
    const bool written = writer_.finish(error);
    progress_.clear();
    if (!written)
        return false;
    out << "frames: " << frames_ << " in " << folder_.string() << '\n';
    if (marks_.empty())
        return true;
    const fs::path sheet = folder_ / kContactSheetName;
    try {
        if (!writePng(sheet, drawSheet(marks_), error))
            return false;
    } catch (const std::exception& failure) {
        error = std::string("contact sheet: ") + failure.what();
        return false;
    }
    out << "contact sheet: " << sheet.string() << " (" << marks_.size() << " marked frames)\n";
    return true;
}

} // namespace vtxpreview
