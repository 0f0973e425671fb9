// Commands that choose the host's folders and put files into them.
#include <algorithm>
#include <fstream>

#include "CommandTable.h"

namespace vtxpreview {
namespace {

namespace fs = std::filesystem;

} // namespace

// Targets stay inside their folder, so a scenario cannot write over the machine.
std::string targetArg(const Args& args, std::size_t i) {
    const std::string& spec = args.text(i);
    const fs::path relative = spec.starts_with("appdata:") ? fs::path(spec.substr(8)) : fs::path(spec);
    if (relative.empty() || relative.is_absolute())
        throw ArgError(args.name() + ": '" + spec + "' must be a relative path");
    for (const fs::path& part : relative)
        if (part == "..")
            throw ArgError(args.name() + ": '" + spec + "' must not leave its folder");
    return spec;
}

namespace {

Action prepareDatadir(const Args& args, const CompileContext& context) {
    args.requireCount(1, 1);
    return [folder = context.fromScenario(args.text(0))](Session& session) { session.setDataFolder(folder); };
}

Action prepareAppdata(const Args& args, const CompileContext& context) {
    args.requireCount(1, 1);
    return [folder = context.fromScenario(args.text(0))](Session& session) { session.setAppdataFolder(folder); };
}

void copyInto(const fs::path& source, const fs::path& destination) {
    if (destination.has_parent_path())
        fs::create_directories(destination.parent_path());
    if (fs::is_directory(source)) {
        fs::copy(source, destination, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    } else {
        fs::copy_file(source, destination, fs::copy_options::overwrite_existing);
    }
}

// SRC is beside the scenario, or with "packs:" one of the build's skin packs.
fs::path putSource(const Args& args, const CompileContext& context) {
    constexpr std::string_view packs = "packs:";
    const std::string& spec = args.text(0);
    if (!spec.starts_with(packs))
        return context.fromScenario(spec);
    const fs::path pack = spec.substr(packs.size());
    if (pack.empty() || pack.is_absolute() || std::find(pack.begin(), pack.end(), "..") != pack.end())
        throw ArgError("put: '" + spec + "' must name a pack, as packs:xbox");
    return context.packsFolder / pack;
}

Action preparePut(const Args& args, const CompileContext& context) {
    args.requireCount(2, 2);
    const fs::path source = putSource(args, context);
    if (!fs::exists(source))
        throw ArgError("put: no such file or folder: " + source.string());
    return
        [source, destination = targetArg(args, 1)](Session& session) { copyInto(source, session.target(destination)); };
}

Action prepareWrite(const Args& args, const CompileContext&) {
    args.requireCount(2, SIZE_MAX);
    return [destination = targetArg(args, 0), text = args.rest(1)](Session& session) {
        const fs::path path = session.target(destination);
        if (path.has_parent_path())
            fs::create_directories(path.parent_path());
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << text;
        if (!file.flush())
            throw RunError("cannot write " + path.string());
    };
}

} // namespace

std::vector<CommandSpec> fileCommands() {
    return {
        {"datadir", "PATH", "the host's data folder (before the host starts; default: a fresh temporary folder)",
         HostUse::BeforeHost, prepareDatadir},
        {"appdata", "PATH", "the Roaming folder (default: a fresh temporary folder)", HostUse::None, prepareAppdata},
        {"put", "SRC DST",
         "copy a file or folder from the scenario's folder (or packs:NAME, a skin pack of the build) to DST",
         HostUse::None, preparePut},
        {"write", "DST TEXT...", "write TEXT (escapes applied, exact bytes) to DST", HostUse::None, prepareWrite},
    };
}

} // namespace vtxpreview
