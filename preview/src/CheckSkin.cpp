#include "CheckSkin.h"

#include <algorithm>

#include "Json.h"
#include "LayerGuess.h"

namespace vtxpreview {

namespace {

// One row of the table: a layer (or the base) and the file it takes, or a
// file no layer takes. The columns are as wide as their longest entry.
struct Row {
    std::string key, file, what;
};

std::string layerWhat(const LayerFinding& finding) {
    std::string what;
    if (finding.file.empty())
        what = finding.key == kBaseKey ? "missing: nothing is drawn" : "none";
    else if (!finding.decodes)
        what = "does not decode (" + finding.decodeError + ")";
    else
        what = pictureSize(finding.width, finding.height);
    if (finding.sizeDiffers)
        what += ", not the size of Base.png";
    if (finding.caseDiffers)
        what += ", letter case differs";
    if (!finding.drawn)
        what += " (loaded, not drawn)";
    return what;
}

Row layerRow(const LayerFinding& finding) {
    return {finding.key, finding.file.empty() ? "-" : finding.file, layerWhat(finding)};
}

Row unusedRow(const UnusedFile& unused) {
    std::string what;
    if (!unused.suggestion.empty())
        what = "likely layer " + unused.likelyKey + " (" + unused.suggestion + ")";
    if (!unused.reason.empty())
        what += (what.empty() ? "" : "; ") + unused.reason;
    return {"unused", unused.file + (unused.folder ? "/" : ""), what};
}

// Display width: UTF-8 continuation bytes take no column.
std::size_t columns(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0u) != 0x80u; }));
}

void printTable(const std::vector<Row>& rows, std::ostream& out) {
    std::size_t keyWidth = 0, fileWidth = 0;
    for (const Row& row : rows) {
        keyWidth = std::max(keyWidth, columns(row.key));
        fileWidth = std::max(fileWidth, columns(row.file));
    }
    for (const Row& row : rows) {
        out << row.key << std::string(keyWidth - columns(row.key) + 1, ' ') << row.file;
        if (!row.what.empty())
            out << std::string(fileWidth - columns(row.file) + 2, ' ') << row.what;
        out << '\n';
    }
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
    if (report.folderError.empty()) {
        std::vector<Row> rows = {layerRow(report.base)};
        for (const LayerFinding& layer : report.layers)
            rows.push_back(layerRow(layer));
        for (const UnusedFile& unused : report.unused)
            rows.push_back(unusedRow(unused));
        printTable(rows, out);
    }
    for (const std::string& warning : report.warnings)
        out << "warning: " << warning << '\n';
    out << "verdict: " << report.verdict << '\n';
}

// The same keys for every outcome, so a tool reads a folder that is not
// there as it reads any other: "error" says why nothing was looked at.
void printSkinReportJson(const SkinReport& report, std::ostream& out) {
    const bool looked = report.folderError.empty();
    out << "{\n  \"folder\": " << jsonString(report.folder.string()) << ",\n";
    out << "  \"willDraw\": " << (report.willDraw ? "true" : "false") << ",\n";
    out << "  \"verdict\": " << jsonString(report.verdict) << ",\n";
    out << "  \"error\": " << (looked ? "null" : jsonString(report.folderError)) << ",\n";
    out << "  \"base\": ";
    if (looked)
        jsonLayer(report.base, out);
    else
        out << "null";
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
    const SkinReport report = inspectSkin(request.folder);
    if (request.json)
        printSkinReportJson(report, out);
    else if (!report.isFolder)
        err << "vantrix-preview: check-skin: " << report.warnings.front() << '\n';
    else
        printSkinReport(report, out);
    if (!report.isFolder)
        return 2;
    return report.willDraw ? 0 : 1;
}

} // namespace vtxpreview
