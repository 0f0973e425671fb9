#include "SkinNotice.h"

#include "CheckSkin.h"
#include "SkinCheck.h"

namespace vtxpreview {

namespace {

constexpr std::size_t kMostFindings = 10; // more would cover the frame; the log has them all

// The verdict, then the warnings and the files that tell nothing of a layer
// (the SVG a pack is drawn in, say): what the user can act on.
std::vector<std::string> noticeLines(const std::filesystem::path& folder, const SkinReport& report) {
    std::vector<std::string> findings = report.warnings;
    for (const UnusedFile& unused : report.unused)
        if (!unused.folder && unused.likelyKey.empty())
            findings.push_back(unused.file + " is not used: " + unused.reason);
    std::vector<std::string> lines = {"skin " + folder.string() + " " + report.verdict};
    for (std::size_t i = 0; i < findings.size() && i < kMostFindings; ++i)
        lines.push_back(findings[i]);
    if (findings.size() > kMostFindings)
        lines.push_back("... " + std::to_string(findings.size() - kMostFindings) + " more in the log");
    lines.push_back("(the window looks at the folder again within a second of a change)");
    return lines;
}

} // namespace

void SkinNotice::refresh(std::ostream& log) {
    const SkinReport report = inspectSkin(folder_);
    std::vector<std::string> lines = report.willDraw ? std::vector<std::string>{} : noticeLines(folder_, report);
    if (lines == lines_)
        return;
    if (!lines.empty())
        printSkinReport(report, log);
    else
        log << "skin " << folder_.string() << " " << report.verdict << '\n';
    log.flush();
    lines_ = std::move(lines);
}

} // namespace vtxpreview
