#pragma once
// Moving the plugin's small text files (settings, position, calibration) to
// and from disk: written whole in text mode (CR LF on Windows), read as bytes.
#include <filesystem>
#include <string>
#include <string_view>

namespace vtx {

// What a write or read did. `error` says in one line what failed and names
// the file.
struct FileResult {
    enum class Status { Ok, Missing, Failed } status = Status::Failed;
    std::string error;

    bool ok() const { return status == Status::Ok; }
};

// Writes `text` ('\n' line ends) in text mode to a temporary file beside
// `path` (the same name with ".tmp" added), then puts it in the place of the
// old file in one step. On any failure the old file stays as it was and the
// temporary file is removed (something else standing under its name is left
// alone). A folder under `path` is never replaced. Never throws; never Missing.
FileResult writeTextFile(const std::filesystem::path& path, std::string_view text);

// The file's bytes as they are into `text`. Missing when there is no such
// file; Failed when it cannot be read (a folder, no permission). Never throws.
FileResult readTextFile(const std::filesystem::path& path, std::string& text);

} // namespace vtx
