#pragma once
// The installed skins: the folders under <data>/Vantrix/skins, the choice
// remembered in <data>/Vantrix/saved_skin.txt, and the active skin's pictures.
// Names are UTF-8 text, whatever the file system's own encoding.
#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "bakkesmod/wrappers/wrapperstructs.h"
#include "core/CanvasFit.h"
#include "core/Controls.h"
#include "core/HostView.h"

class ImageWrapper;

namespace vtx {

// Folder names in `skinsFolder` that do not begin with ".", sorted byte-wise;
// empty when the folder is missing or cannot be read.
std::vector<std::string> listSkinFolders(const std::filesystem::path& skinsFolder);

// Trailing CR, LF, spaces and tabs, then leading spaces and tabs, removed.
std::string_view trimSkinName(std::string_view name);
// ASCII letters compared without case; other bytes must be equal.
bool sameSkinName(std::string_view a, std::string_view b);
// The entry of `names` equal to `name` ignoring ASCII case, or empty text.
std::string matchSkinName(const std::vector<std::string>& names, std::string_view name);

// Each control's picture, by ControlId; empty for a control the skin draws nothing for.
using LayerImages = std::array<std::shared_ptr<ImageWrapper>, kControlCount>;

// The skins of one plugin object: the installed names, the active skin and
// its pictures. The pictures are loaded on the first frame that needs them
// after the skin changes, never per frame.
//
// The menu (on the window's thread) reads the names and picks a skin while the
// drawable (on the game's) draws: the names and the active skin sit behind a
// small lock, never held while calling into the host or reading files, and a
// change reaches the drawable as a new picture generation. The pictures
// themselves belong to the drawable's side alone.
class SkinLibrary {
public:
    explicit SkinLibrary(HostView host) : host_(host) {}

    // A copy of the installed names as last scanned, scanning first when asked to.
    std::vector<std::string> names();
    // Reads the skins folder again on the next look at the names.
    void rescanSoon();

    // The skin chosen at load: the remembered one if it is installed, else the
    // first installed one, else none. Rescans.
    std::string chooseAtStartup();
    // A value naming an installed skin (ignoring case) makes it active and
    // remembered in saved_skin.txt; any other value changes nothing but a log
    // line naming the installed skins. Callers that set vtx_skin call this
    // too: a host may run no change handler when the value stays the same.
    void select(std::string_view value);
    std::string active() const;

    // The pictures are read again on the next frame (a reset, a settings load).
    void reloadPictures() { ++wantedGeneration_; }

    // The drawable's side. Loads the active skin's base and layers unless
    // loaded: what the previous skin left is replaced (an absent layer by an
    // empty entry). False when there is no base picture to draw. A skin that
    // cannot draw (none installed, no Base.png, one that does not decode) is
    // logged once, not every frame.
    bool preparePictures();
    bool picturesLoaded() const { return loadedGeneration_ == wantedGeneration_.load(); }
    ImageWrapper* base() const { return base_.get(); }
    // The base picture's size in pixels, read once at load (0 by 0 when it does not decode).
    Vector2 baseSize() const { return baseSize_; }
    // The part of the base picture that must stay on the canvas: its opaque
    // part, or the whole picture when that cannot be read.
    const PixelBox& baseKeptBox() const { return baseKeptBox_; }
    // Where each stick's cap sits in its own picture, by side (kControls'
    // `side`): the picture's opaque part, or the whole picture when that
    // cannot be read; an empty box without a picture. Read once at load.
    const std::array<PixelBox, 2>& stickCapBoxes() const { return stickCapBoxes_; }
    const LayerImages& layers() const { return layers_; }
    // Drops the pictures (the plugin unloads).
    void releasePictures();

private:
    // <data>/Vantrix/saved_skin.txt; empty without a data folder.
    std::filesystem::path savedSkinPath() const;
    void scan();
    std::filesystem::path pluginFolder() const;
    std::string loadSaved() const;
    void save(std::string_view name) const;
    // Why the loaded skin draws nothing; empty when it draws.
    std::string pictureProblem(const std::string& skin) const;
    void reportPictureProblem(const std::string& skin);

    HostView host_;

    mutable std::mutex mutex_; // guards names_, listStale_ and active_
    std::vector<std::string> names_;
    bool listStale_ = true;
    std::string active_;

    std::atomic<std::uint64_t> wantedGeneration_{1};
    std::uint64_t loadedGeneration_ = 0;
    std::shared_ptr<ImageWrapper> base_;
    Vector2 baseSize_{0, 0};
    PixelBox baseKeptBox_;
    std::array<PixelBox, 2> stickCapBoxes_{};
    LayerImages layers_;
    std::string reportedProblem_; // the picture problem last logged
};

} // namespace vtx
