#pragma once
// What check-skin finds in the skin folder the window was given, while that
// skin cannot draw: its report goes to the log once for each new finding,
// and its verdict and warnings are the lines shown over the frame, until the
// folder is mended.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace vtxpreview {

class SkinNotice {
public:
    explicit SkinNotice(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // Looks at the folder again; writes to `log` only when what it finds changed.
    void refresh(std::ostream& log);
    // The lines to show; empty while the skin will draw.
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::filesystem::path folder_;
    std::vector<std::string> lines_;
};

} // namespace vtxpreview
