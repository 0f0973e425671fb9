#pragma once
// A fresh empty folder under the system's temporary folder, removed with its
// contents when the object goes away, so runs never see each other's files.
#include <filesystem>

namespace vtxpreview {

class TempFolder {
public:
    explicit TempFolder(const char* purpose);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace vtxpreview
