#pragma once
// What the plugin will make of a skin folder: for the base and each layer the
// file it picks (by its own candidate order), whether that file decodes and
// its size; the files it will not use, with the layer a misnamed one was
// probably meant for; and whether the skin draws at all.
#include <filesystem>
#include <string>
#include <vector>

namespace vtxpreview {

struct LayerFinding {
    std::string key;          // "base", "A", ... "Back"
    bool drawn = true;        // Start and Back are loaded, never drawn
    std::string file;         // the file the plugin uses, as named in the folder; empty: none
    bool caseDiffers = false; // found only ignoring letter case (Windows does, Linux does not)
    std::string askedFor;     // the name the plugin asks for, when the case differs
    bool decodes = false;
    std::string decodeError; // why it does not: the decoder's reason, without the file's name
    int width = 0, height = 0;
    bool sizeDiffers = false; // from Base.png's
};

struct UnusedFile {
    std::string file;
    bool folder = false;
    std::string likelyKey;  // the layer it was probably meant for; empty: no idea
    std::string suggestion; // the file name that layer looks for first
    std::string reason;     // why it is not used, when that is known
};

struct SkinReport {
    std::filesystem::path folder;
    bool isFolder = false;   // the path names a folder (that may still not list)
    std::string folderError; // why the folder could not be looked into; empty: it was
    LayerFinding base;
    std::vector<LayerFinding> layers; // in the plugin's loading order
    std::vector<UnusedFile> unused;
    // What stops the skin drawing or looks wrong in it, each saying what to do.
    std::vector<std::string> warnings;
    bool willDraw = false;
    int drawnLayers = 0;       // layers of the kind the plugin draws (not Start and Back)
    int layersWithPicture = 0; // of those, the ones whose picture is there and decodes
    std::string verdict;       // one line
};

SkinReport inspectSkin(const std::filesystem::path& folder);

// A picture's size as the report writes it: "700×460".
std::string pictureSize(int width, int height);

} // namespace vtxpreview
