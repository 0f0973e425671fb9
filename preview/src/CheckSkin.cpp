#include "CheckSkin.h"

#include <iomanip>
#include <sstream>

#include "Json.h"

namespace vtxpreview {

namespace {

std::string sizeText(const LayerFinding& finding) {
    return std::to_string(finding.width) + "x" + std::to_string(finding.height);
}

std::string layerLine(const LayerFinding& finding) {
    std::ostringstream line;
    line << std::left << std::setw(6) << finding.key << ' ';
    if (finding.file.empty()) {
        line << std::setw(22) << "-" << (finding.key == "base" ? "missing: nothing is drawn" : "none")
             << (finding.drawn ? "" : " (loaded, not drawn)");
        return line.str();
    }
    line << std::setw(22) << finding.file << ' ';
    if (!finding.decodes)
        line << "does not decode: " << finding.decodeError;
    else
        line << sizeText(finding);
    if (finding.sizeDiffers)
        line << ", not the size of Base.png";
    if (finding.caseDiffers)
        line << ", letter case differs";
    if (!finding.drawn)
        line << " (loaded, not drawn)";
    return line.str();
}

std::string unusedLine(const UnusedFile& unused) {
    std::string line = "unused " + unused.file + (unused.folder ? "/" : "");
    if (!unused.suggestion.empty())
        line += ": likely layer " + unused.likelyKey + " (" + unused.suggestion + ")";
    if (!unused.reason.empty())
        line += (unused.suggestion.empty() ? ": " : "; ") + unused.reason;
    return line;
}

void jsonLayer(const LayerFinding& finding, std::ostream& out) {
    out << "{\"key\": " << jsonString(finding.key) << ", \"drawn\": " << (finding.drawn ? "true" : "false")
        << ", \"file\": " << (finding.file.empty() ? "null" : jsonString(finding.file));
    if (!finding.file.empty()) {
        out << ", \"decodes\": " << (finding.decodes ? "true" : "false");
        if (finding.decodes)
            out << ", \"width\": " << finding.width << ", \"height\": " << finding.height;
        else
            out << ", \"error\": " << jsonString(finding.decodeError);
        out << ", \"sizeDiffersFromBase\": " << (finding.sizeDiffers ? "true" : "false")
            << ", \"caseDiffers\": " << (finding.caseDiffers ? "true" : "false");
    }
    out << '}';
}

void jsonUnused(const UnusedFile& unused, std::ostream& out) {
    const auto orNull = [](const std::string& text) { return text.empty() ? std::string("null") : jsonString(text); };
    out << "{\"file\": " << jsonString(unused.file) << ", \"folder\": " << (unused.folder ? "true" : "false")
        << ", \"likelyLayer\": " << orNull(unused.likelyKey) << ", \"suggestion\": " << orNull(unused.suggestion)
        << ", \"reason\": " << orNull(unused.reason) << '}';
}

template <typename Item, typename Write>
void jsonList(std::ostream& out, const char* name, const std::vector<Item>& items, Write write) {
    out << "  " << jsonString(name) << ": [";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out << (i ? ",\n    " : "\n    ");
        write(items[i], out);
    }
    out << (items.empty() ? "]" : "\n  ]");
}

} // namespace

void printSkinReport(const SkinReport& report, std::ostream& out) {
    out << "skin " << report.folder.string() << '\n';
    out << layerLine(report.base) << '\n';
    for (const LayerFinding& layer : report.layers)
        out << layerLine(layer) << '\n';
    for (const UnusedFile& unused : report.unused)
        out << unusedLine(unused) << '\n';
    for (const std::string& warning : report.warnings)
        out << "warning: " << warning << '\n';
    out << "verdict: " << report.verdict << '\n';
}

void printSkinReportJson(const SkinReport& report, std::ostream& out) {
    out << "{\n  \"folder\": " << jsonString(report.folder.string()) << ",\n";
    out << "  \"willDraw\": " << (report.willDraw ? "true" : "false") << ",\n";
    out << "  \"verdict\": " << jsonString(report.verdict) << ",\n";
    out << "  \"base\": ";
    jsonLayer(report.base, out);
    out << ",\n";
    jsonList(out, "layers", report.layers, jsonLayer);
    out << ",\n";
    jsonList(out, "unused", report.unused, jsonUnused);
    out << ",\n";
    jsonList(out, "warnings", report.warnings,
             [](const std::string& warning, std::ostream& to) { to << jsonString(warning); });
    out << "\n}\n";
}

int checkSkin(const CheckSkinRequest& request, std::ostream& out, std::ostream& err) {
    std::error_code error;
    if (!std::filesystem::is_directory(request.folder, error)) {
        err << "vantrix-preview: check-skin: " << request.folder.string() << " is not a folder\n";
        return 2;
    }
    const SkinReport report = inspectSkin(request.folder);
    if (request.json)
        printSkinReportJson(report, out);
    else
        printSkinReport(report, out);
    return report.willDraw ? 0 : 1;
}

} // namespace vtxpreview
