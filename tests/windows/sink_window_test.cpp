// The Raw Input sink as Windows sees it, and the calibration folder in the
// user's Roaming folder, with the DLL loaded through the stand-in host.
#include <windows.h>

#include <shlobj.h>

#include <filesystem>

#include "PluginHost.h"

namespace {

// Other test programs that ctest runs at the same time share Wine's desktop and
// load their own plugin: only a sink window of this process counts.
HWND findSinkWindow(const char* title = "vtx_raw") {
    HWND window = nullptr;
    while ((window = FindWindowExA(HWND_MESSAGE, window, "VtxRawInputSink", title)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId())
            return window;
    }
    return nullptr;
}

HMODULE moduleOf(const void* address) {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<LPCSTR>(address), &module);
    return module;
}

HMODULE sinkProcedureModule(HWND window) {
    return moduleOf(reinterpret_cast<const void*>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
}

TEST(SinkWindow, ExistsWhileLoadedAndRunsTheCurrentLoadsProcedure) {
    ASSERT_EQ(findSinkWindow(), nullptr);
    vtxtest::PluginHost env;
    env.load();
    HWND window = findSinkWindow();
    ASSERT_NE(window, nullptr);
    HMODULE plugin = GetModuleHandleW(vtxtest::pluginPath().filename().c_str());
    ASSERT_NE(plugin, nullptr);
    EXPECT_EQ(sinkProcedureModule(window), plugin);
    // Wine answers for message-only windows through the same lookups.
    EXPECT_EQ(findSinkWindow(nullptr), window);

    env.host->unload();
    EXPECT_EQ(findSinkWindow(), nullptr);

    // A reload in the same process gets a working sink of its own.
    env.load();
    window = findSinkWindow();
    ASSERT_NE(window, nullptr);
    plugin = GetModuleHandleW(vtxtest::pluginPath().filename().c_str());
    EXPECT_EQ(sinkProcedureModule(window), plugin);
    env.host->unload();
    EXPECT_EQ(findSinkWindow(), nullptr);
}

TEST(SinkWindow, CalibrationFolderIsInTheRoamingFolder) {
    PWSTR wide = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &wide)));
    const std::filesystem::path roaming = wide;
    CoTaskMemFree(wide);

    vtxtest::PluginHost env;
    env.load();
    EXPECT_TRUE(std::filesystem::is_directory(roaming / "bakkesmod/bakkesmod/data/Vantrix"));
    env.host->unload();
}

} // namespace
