// Replacing a file in one step on Windows.
#include <windows.h>

#include "platform/Platform.h"

namespace vtx::platform {

namespace {

std::string utf8FromWide(const wchar_t* wide, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, text.data(), size, nullptr, nullptr);
    return text;
}

std::string systemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? utf8FromWide(buffer, static_cast<int>(length)) : std::string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ' || text.back() == '.')) {
        text.pop_back();
    }
    return text + (text.empty() ? "" : " ") + "(error " + std::to_string(code) + ")";
}

bool nameIsFree(const std::filesystem::path& path) {
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

} // namespace

bool replaceFile(const std::filesystem::path& replacement, const std::filesystem::path& target, std::string& error) {
    // ReplaceFileW wants full paths (Wine refuses relative ones).
    std::error_code ec;
    const std::filesystem::path from = std::filesystem::absolute(replacement, ec);
    const std::filesystem::path to = ec ? target : std::filesystem::absolute(target, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    // Wine's ReplaceFileW and MoveFileExW both put a file over a whole folder.
    const DWORD attributes = GetFileAttributesW(to.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = "a folder stands under that name";
        return false;
    }
    // MoveFileExW cannot replace a file that any program holds open, even one
    // that shares delete access; ReplaceFileW can, and keeps the old file's
    // attributes (a read-only file is refused) and permissions.
    if (ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return true;
    }
    DWORD code = GetLastError();
    // No old file yet, or the old one was moved aside but the new one not into
    // its place: a plain move finishes the job, when nothing stands under the name.
    if (nameIsFree(to) && (code == ERROR_FILE_NOT_FOUND || code == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
                           code == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            return true;
        }
        code = GetLastError();
    }
    error = systemMessage(code);
    return false;
}

} // namespace vtx::platform
