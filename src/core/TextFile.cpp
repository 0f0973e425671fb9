#include "core/TextFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#include "core/Paths.h"
#include "platform/Platform.h"

namespace vtx {

namespace {

FileResult failed(std::string error) { return FileResult{FileResult::Status::Failed, std::move(error)}; }

// The C library's reason for the last failed open or write, when it left one.
std::string errnoReason() {
    const int code = errno;
    return code == 0 ? std::string() : ": " + std::generic_category().message(code);
}

void removeQuietly(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

FileResult writeThroughTemporary(const std::filesystem::path& path, std::string_view text) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return failed("cannot replace " + utf8FromPath(path) + ": it is a folder");
    }
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        errno = 0;
        // Text mode: the C library writes each '\n' as CR LF on Windows.
        std::ofstream out(temporary, std::ios::out | std::ios::trunc);
        if (!out) {
            // Not ours to remove: whatever stands under that name stays.
            return failed("cannot create " + utf8FromPath(temporary) + errnoReason());
        }
        errno = 0;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close(); // flushes: a full disk shows here at the latest
        if (out.fail()) {
            const std::string reason = errnoReason();
            removeQuietly(temporary);
            return failed("cannot write " + utf8FromPath(temporary) + reason);
        }
    }
    std::string reason;
    if (!platform::replaceFile(temporary, path, reason)) {
        removeQuietly(temporary);
        return failed("cannot replace " + utf8FromPath(path) + ": " + reason);
    }
    return FileResult{FileResult::Status::Ok, {}};
}

} // namespace

FileResult writeTextFile(const std::filesystem::path& path, std::string_view text) {
    try {
        return writeThroughTemporary(path, text);
    } catch (...) {
        return FileResult{FileResult::Status::Failed, "out of memory while writing a file"};
    }
}

FileResult readTextFile(const std::filesystem::path& path, std::string& text) {
    try {
        const std::string name = utf8FromPath(path);
        std::error_code ec;
        const std::filesystem::file_status status = std::filesystem::status(path, ec);
        if (status.type() == std::filesystem::file_type::not_found) {
            return FileResult{FileResult::Status::Missing, "no file " + name};
        }
        if (ec) {
            return failed("cannot read " + name + ": " + ec.message());
        }
        if (std::filesystem::is_directory(status)) {
            return failed("cannot read " + name + ": it is a folder");
        }
        errno = 0;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return failed("cannot open " + name + errnoReason());
        }
        std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) {
            return failed("cannot read " + name + errnoReason());
        }
        text = std::move(bytes);
        return FileResult{FileResult::Status::Ok, {}};
    } catch (...) {
        return FileResult{FileResult::Status::Failed, "out of memory while reading a file"};
    }
}

} // namespace vtx
