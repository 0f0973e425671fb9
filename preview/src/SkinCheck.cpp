#include "SkinCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "LayerGuess.h"
#include "Snapshot.h"
#include "overlay/SkinLayers.h"

namespace vtxpreview {

namespace fs = std::filesystem;

namespace {

std::string lowered(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

struct Listing {
    std::set<std::string> files;   // regular files (links followed), names as in the folder
    std::set<std::string> folders; // names not starting with '.'
};

Listing listFolder(const fs::path& folder, bool& readable) {
    Listing listing;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    readable = !error && fs::is_directory(folder, error);
    for (; readable && !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (name.starts_with("."))
            continue; // hidden files: an editor's or a system's, never a layer
        if (entries->is_directory(error))
            listing.folders.insert(name);
        else
            listing.files.insert(name);
    }
    return listing;
}

// The name in the folder for `wanted`: the exact name, or one that differs
// only in ASCII letter case (the host's file system on Windows ignores case).
std::string findFile(const Listing& listing, std::string_view wanted, bool& caseDiffers) {
    caseDiffers = false;
    if (listing.files.contains(std::string(wanted)))
        return std::string(wanted);
    const std::string lower = lowered(wanted);
    for (const std::string& name : listing.files) {
        if (lowered(name) == lower) {
            caseDiffers = true;
            return name;
        }
    }
    return {};
}

void examine(const fs::path& folder, LayerFinding& finding) {
    Picture picture;
    finding.decodes = readPng(folder / finding.file, picture, finding.decodeError);
    if (finding.decodes) {
        finding.width = picture.width;
        finding.height = picture.height;
        finding.decodeError.clear();
    }
}

template <typename Files>
LayerFinding findLayer(const fs::path& folder, const Listing& listing, std::string_view key, bool drawn,
                       const Files& files, std::set<std::string>& used) {
    LayerFinding finding;
    finding.key = std::string(key);
    finding.drawn = drawn;
    for (std::string_view candidate : files) {
        if (candidate.empty())
            continue;
        bool caseDiffers = false;
        const std::string name = findFile(listing, candidate, caseDiffers);
        if (name.empty())
            continue;
        if (finding.file.empty()) {
            finding.file = name;
            finding.caseDiffers = caseDiffers;
            used.insert(name);
            examine(folder, finding);
        }
    }
    return finding;
}

// Another candidate of a layer that found an earlier one: present, never read.
bool shadowedCandidate(const std::string& file, const std::vector<LayerFinding>& layers, UnusedFile& unused) {
    for (const vtx::SkinLayer& layer : vtx::kSkinLayers) {
        for (std::string_view candidate : layer.files) {
            if (candidate.empty() || lowered(candidate) != lowered(file))
                continue;
            const auto found = std::find_if(layers.begin(), layers.end(),
                                            [&](const LayerFinding& finding) { return finding.key == layer.key; });
            if (found == layers.end() || found->file.empty())
                return false;
            unused.likelyKey = std::string(layer.key);
            unused.reason = "layer " + unused.likelyKey + " uses " + found->file + ", which comes first";
            return true;
        }
    }
    return false;
}

UnusedFile describeUnused(const std::string& file, const SkinReport& report) {
    UnusedFile unused;
    unused.file = file;
    if (shadowedCandidate(file, report.layers, unused))
        return unused;
    const auto guess = guessLayer(file);
    if (!guess)
        return unused;
    unused.likelyKey = guess->key;
    unused.suggestion = guess->fileName;
    const auto taken = std::find_if(report.layers.begin(), report.layers.end(), [&](const LayerFinding& finding) {
        return finding.key == guess->key && !finding.file.empty();
    });
    if (guess->key == kBaseKey && !report.base.file.empty())
        unused.reason = "the base is " + report.base.file;
    else if (taken != report.layers.end())
        unused.reason = "layer " + guess->key + " already uses " + taken->file;
    else if (lowered(fs::path(file).extension().string()) != ".png")
        unused.reason = "not a .png file";
    return unused;
}

void collectWarnings(SkinReport& report) {
    std::vector<const LayerFinding*> all = {&report.base};
    for (const LayerFinding& layer : report.layers)
        all.push_back(&layer);
    for (const LayerFinding* finding : all) {
        if (finding->file.empty())
            continue;
        if (!finding->decodes)
            report.warnings.push_back(finding->file + " does not decode: " + finding->decodeError);
        if (finding->sizeDiffers)
            report.warnings.push_back(finding->file + " is " + std::to_string(finding->width) + "x" +
                                      std::to_string(finding->height) + ", Base.png " +
                                      std::to_string(report.base.width) + "x" + std::to_string(report.base.height));
        if (finding->caseDiffers)
            report.warnings.push_back(finding->file + " differs in letter case from the name the plugin asks for: "
                                                      "found on Windows, not on Linux");
    }
    for (const UnusedFile& unused : report.unused)
        if (!unused.suggestion.empty() && unused.reason.empty())
            report.warnings.push_back(unused.file + " is not used: name it " + unused.suggestion + " for layer " +
                                      unused.likelyKey);
}

std::string verdictOf(const SkinReport& report, const Listing& listing) {
    if (!report.readable)
        return "will not draw: the folder cannot be read";
    if (report.base.file.empty()) {
        for (const std::string& folder : listing.folders)
            if (fs::exists(report.folder / folder / vtx::kBaseFile))
                return "will not draw: Base.png is missing (the folder " + folder +
                       " inside holds one: use that folder)";
        return "will not draw: Base.png is missing";
    }
    if (!report.base.decodes)
        return "will not draw: Base.png does not decode";
    int drawn = 0, found = 0;
    for (const LayerFinding& layer : report.layers) {
        drawn += layer.drawn;
        found += layer.drawn && !layer.file.empty();
    }
    std::string verdict = "will draw: " + std::to_string(found) + " of " + std::to_string(drawn) + " drawn layers";
    if (!report.warnings.empty())
        verdict +=
            ", " + std::to_string(report.warnings.size()) + " warning" + (report.warnings.size() == 1 ? "" : "s");
    return verdict;
}

} // namespace

SkinReport inspectSkin(const fs::path& folder) {
    SkinReport report;
    report.folder = folder;
    const Listing listing = listFolder(folder, report.readable);
    std::set<std::string> used;
    report.base = findLayer(folder, listing, kBaseKey, true, std::array{vtx::kBaseFile}, used);
    for (const vtx::SkinLayer& layer : vtx::kSkinLayers) {
        LayerFinding finding = findLayer(folder, listing, layer.key, layer.drawn, layer.files, used);
        finding.sizeDiffers = finding.decodes && report.base.decodes &&
                              (finding.width != report.base.width || finding.height != report.base.height);
        report.layers.push_back(std::move(finding));
    }
    for (const std::string& file : listing.files)
        if (!used.contains(file))
            report.unused.push_back(describeUnused(file, report));
    for (const std::string& name : listing.folders)
        report.unused.push_back({name, true, {}, {}, "a folder: skins are not searched below their own folder"});
    collectWarnings(report);
    report.willDraw = report.readable && !report.base.file.empty() && report.base.decodes;
    report.verdict = verdictOf(report, listing);
    return report;
}

} // namespace vtxpreview
