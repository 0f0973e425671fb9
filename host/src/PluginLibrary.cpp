#include "PluginLibrary.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace vtxhost {

#if defined(_WIN32)

std::unique_ptr<PluginLibrary> PluginLibrary::open(const std::filesystem::path& path, std::string& error) {
    HMODULE module = LoadLibraryW(path.wstring().c_str());
    if (!module) {
        error = "LoadLibrary failed for " + path.string() + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(reinterpret_cast<void*>(module)));
}

PluginLibrary::~PluginLibrary() { FreeLibrary(reinterpret_cast<HMODULE>(handle_)); }

void* PluginLibrary::symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
}

#else

std::unique_ptr<PluginLibrary> PluginLibrary::open(const std::filesystem::path& path, std::string& error) {
    // Local binding: each plugin keeps its own symbols, as DLLs do.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* reason = dlerror();
        error = reason ? reason : ("dlopen failed for " + path.string());
        return nullptr;
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(handle));
}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }

void* PluginLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

#endif

} // namespace vtxhost
