// Expectations about the files the plugin keeps in the data and Roaming folders.
#include <fstream>
#include <optional>
#include <sstream>

#include "CommandTable.h"

namespace vtxpreview {
namespace {

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file || std::filesystem::is_directory(path))
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

Action prepareFile(const Args& args, const CompileContext&) {
    args.requireCount(2, SIZE_MAX);
    return [path = targetArg(args, 0), want = args.rest(1)](Session& session) {
        const auto bytes = readFile(session.target(path));
        const std::string found = bytes ? quoteWord(*bytes) : std::string("no such file");
        session.expect(bytes == want, "expected " + path + " to hold " + quoteWord(want) + ", found " + found);
    };
}

Action prepareNoFile(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    return [path = targetArg(args, 0)](Session& session) {
        const bool exists = std::filesystem::exists(session.target(path));
        session.expect(!exists, "expected no file " + path + ", found one");
    };
}

} // namespace

std::vector<CommandSpec> expectFileCommands() {
    return {
        {"expect file", "PATH TEXT...", "the file holds exactly TEXT (escapes applied)", HostUse::None, prepareFile},
        {"expect nofile", "PATH", "the file does not exist", HostUse::None, prepareNoFile},
    };
}

} // namespace vtxpreview
