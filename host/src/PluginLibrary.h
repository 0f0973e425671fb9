#pragma once
// A plugin's shared library, opened for its exported symbols.
#include <filesystem>
#include <memory>
#include <string>

namespace vtxhost {

class PluginLibrary {
public:
    // Null with a reason when the library does not open.
    static std::unique_ptr<PluginLibrary> open(const std::filesystem::path& path, std::string& error);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // The address of an exported symbol, or null.
    void* symbol(const char* name) const;

private:
    explicit PluginLibrary(void* handle) : handle_(handle) {}
    void* handle_;
};

} // namespace vtxhost
