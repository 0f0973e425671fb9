#pragma once
// What "run --frames DIR" makes: every frame as DIR/frame-NNNNNN.png, the
// progress on the terminal, and at the end DIR/contact-sheet.png of the
// frames the scenario marked.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "ContactSheet.h"
#include "FrameWriter.h"
#include "Progress.h"

namespace vtxpreview {

// "frame-000042.png"
std::string frameFileName(long long frame);
inline constexpr const char* kContactSheetName = "contact-sheet.png";

class FrameOutput {
public:
    // Makes the folder and removes the frames and sheet of an earlier run
    // there (only files named as this writes them); throws std::runtime_error
    // when the folder cannot be made.
    FrameOutput(std::filesystem::path folder, std::ostream& progressOut, bool terminal);

    const std::filesystem::path& folder() const { return folder_; }
    Progress& progress() { return progress_; }
    // Throws std::runtime_error once a frame could not be written.
    void addFrame(long long frame, Picture picture, int line, int lastLine);
    void mark(const std::string& label, long long frame, const Picture& picture);
    // Waits for the frames, writes the sheet when anything was marked, and
    // says where everything is; false with the reason when something failed.
    bool finish(std::ostream& out, std::string& error);

private:
    std::filesystem::path folder_;
    Progress progress_;
    FrameWriter writer_;
    long long frames_ = 0;
    std::vector<SheetEntry> marks_;
};

} // namespace vtxpreview
