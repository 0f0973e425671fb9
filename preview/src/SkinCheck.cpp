#include "SkinCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "LayerGuess.h"
#include "Snapshot.h"
#include "core/Controls.h"

namespace vtxpreview {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNoSuchFolder = "no such folder";
constexpr const char* kNotAFolder = "not a folder";
constexpr const char* kNotPng = "not a .png file";

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

// Lists the folder; on failure says why in `report.folderError`. A path that
// is no folder at all (missing, a file, out of reach) leaves `isFolder` false.
Listing listFolder(SkinReport& report) {
    Listing listing;
    std::error_code error;
    const fs::file_status status = fs::status(report.folder, error);
    if (status.type() == fs::file_type::not_found) {
        report.folderError = kNoSuchFolder;
        return listing;
    }
    if (error) {
        report.folderError = "the folder cannot be read (" + error.message() + ")";
        return listing;
    }
    if (!fs::is_directory(status)) {
        report.folderError = kNotAFolder;
        return listing;
    }
    report.isFolder = true;
    fs::directory_iterator entries(report.folder, error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (name.starts_with("."))
            continue; // hidden files: an editor's or a system's, never a layer
        std::error_code typeError;
        if (entries->is_directory(typeError))
            listing.folders.insert(name);
        else
            listing.files.insert(name);
    }
    if (error)
        report.folderError = "the folder cannot be read (" + error.message() + ")";
    return listing;
}

// What to do about a folder the check could not look into.
std::string folderAdvice(const SkinReport& report) {
    if (report.folderError == kNoSuchFolder)
        return report.folder.string() + ": no such folder: give the skin's own folder, the one that holds Base.png";
    if (report.folderError == kNotAFolder)
        return report.folder.string() + " is not a folder: give the skin's folder, the one that holds Base.png";
    return report.folder.string() + ": " + report.folderError + ": make it readable to you";
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
    finding.decodes = decodePicture(folder / finding.file, picture, finding.decodeError);
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
            if (caseDiffers)
                finding.askedFor = std::string(candidate);
            used.insert(name);
            examine(folder, finding);
        }
    }
    return finding;
}

// Another candidate of a layer that found an earlier one: present, never read.
bool shadowedCandidate(const std::string& file, const std::vector<LayerFinding>& layers, UnusedFile& unused) {
    for (const vtx::ControlSpec& layer : vtx::kControls) {
        for (std::string_view candidate : layer.pictures) {
            if (candidate.empty() || lowered(candidate) != lowered(file))
                continue;
            const auto found = std::find_if(layers.begin(), layers.end(),
                                            [&](const LayerFinding& finding) { return finding.key == layer.code; });
            if (found == layers.end() || found->file.empty())
                return false;
            unused.likelyKey = std::string(layer.code);
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
    const bool png = lowered(fs::path(file).extension().string()) == ".png";
    const auto guess = guessLayer(file);
    if (!guess) {
        unused.reason = png ? "no layer reads this name" : std::string(kNotPng) + ", and no layer reads this name";
        return unused;
    }
    unused.likelyKey = guess->key;
    unused.suggestion = guess->fileName;
    const auto taken = std::find_if(report.layers.begin(), report.layers.end(), [&](const LayerFinding& finding) {
        return finding.key == guess->key && !finding.file.empty();
    });
    if (guess->key == kBaseKey && !report.base.file.empty())
        unused.reason = "the base is " + report.base.file;
    else if (taken != report.layers.end())
        unused.reason = "layer " + guess->key + " already uses " + taken->file;
    else if (!png)
        unused.reason = kNotPng;
    return unused;
}

// The folder inside that holds a Base.png, when the folder itself has none.
std::string innerSkinFolder(const SkinReport& report, const Listing& listing) {
    for (const std::string& folder : listing.folders) {
        std::error_code error;
        if (fs::exists(report.folder / folder / vtx::kBaseFile, error))
            return folder;
    }
    return {};
}

void collectWarnings(SkinReport& report, const Listing& listing) {
    if (report.base.file.empty()) {
        const std::string inner = innerSkinFolder(report, listing);
        report.warnings.push_back(inner.empty() ? "Base.png is missing: add the picture of the whole pad as Base.png "
                                                  "(PNG); every layer's picture is drawn over it, at its size"
                                                : "Base.png is missing here, but the folder " + inner +
                                                      " inside holds one: give that folder");
    }
    std::vector<const LayerFinding*> all = {&report.base};
    for (const LayerFinding& layer : report.layers)
        all.push_back(&layer);
    for (const LayerFinding* finding : all) {
        if (finding->file.empty())
            continue;
        if (!finding->decodes)
            report.warnings.push_back(finding->file + " does not decode (" + finding->decodeError +
                                      "): re-export it as PNG");
        if (finding->sizeDiffers)
            report.warnings.push_back(finding->file + " is " + pictureSize(finding->width, finding->height) +
                                      ": make it the size of Base.png, " +
                                      pictureSize(report.base.width, report.base.height));
        if (finding->caseDiffers)
            report.warnings.push_back(finding->file + " differs in letter case from " + finding->askedFor +
                                      ", the name the plugin asks for (found on Windows, not on Linux): rename it " +
                                      finding->askedFor);
    }
    for (const UnusedFile& unused : report.unused) {
        if (unused.suggestion.empty())
            continue;
        if (unused.reason.empty())
            report.warnings.push_back(unused.file + " is not used: name it " + unused.suggestion + " for layer " +
                                      unused.likelyKey);
        else if (unused.reason == kNotPng)
            report.warnings.push_back(unused.file + " is not used: not a .png file; export it as PNG named " +
                                      unused.suggestion + " for layer " + unused.likelyKey);
    }
}

std::string verdictOf(const SkinReport& report, const Listing& listing) {
    if (!report.folderError.empty())
        return "will not draw: " + report.folderError;
    if (report.base.file.empty()) {
        const std::string inner = innerSkinFolder(report, listing);
        if (!inner.empty())
            return "will not draw: Base.png is missing (the folder " + inner + " inside holds one: use that folder)";
        return "will not draw: Base.png is missing";
    }
    if (!report.base.decodes)
        return "will not draw: Base.png does not decode";
    std::string verdict = "will draw: " + std::to_string(report.layersWithPicture) + " of " +
                          std::to_string(report.drawnLayers) + " drawn layers";
    if (!report.warnings.empty())
        verdict +=
            ", " + std::to_string(report.warnings.size()) + " warning" + (report.warnings.size() == 1 ? "" : "s");
    return verdict;
}

} // namespace

std::string pictureSize(int width, int height) {
    return std::to_string(width) + "\xC3\x97" + std::to_string(height); // U+00D7, the multiplication sign
}

SkinReport inspectSkin(const fs::path& folder) {
    SkinReport report;
    report.folder = folder;
    const Listing listing = listFolder(report);
    if (!report.folderError.empty()) {
        report.warnings.push_back(folderAdvice(report));
        report.verdict = verdictOf(report, listing);
        return report;
    }
    std::set<std::string> used;
    report.base = findLayer(folder, listing, kBaseKey, true, std::array{vtx::kBaseFile}, used);
    for (const vtx::ControlSpec& layer : vtx::kControls) {
        LayerFinding finding = findLayer(folder, listing, layer.code, true, layer.pictures, used);
        finding.sizeDiffers = finding.decodes && report.base.decodes &&
                              (finding.width != report.base.width || finding.height != report.base.height);
        ++report.drawnLayers;
        report.layersWithPicture += finding.decodes; // a picture that does not decode draws nothing
        report.layers.push_back(std::move(finding));
    }
    for (const std::string& file : listing.files)
        if (!used.contains(file))
            report.unused.push_back(describeUnused(file, report));
    for (const std::string& name : listing.folders)
        report.unused.push_back({name, true, {}, {}, "a folder: skins are not searched below their own folder"});
    collectWarnings(report, listing);
    report.willDraw = !report.base.file.empty() && report.base.decodes;
    report.verdict = verdictOf(report, listing);
    return report;
}

} // namespace vtxpreview
