#pragma once
// A stand-in host with the built plugin loaded, in a fresh data folder.
#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "vtxhost/Host.h"

namespace vtxtest {

inline std::filesystem::path freshFolder(const std::string& name) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "vtx-tests" /
                                   (std::string(info->test_suite_name()) + "." + info->name()) / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::filesystem::path pluginPath() { return std::filesystem::path(VTX_PLUGIN_PATH); }

struct PluginHost {
    PluginHost() {
        vtxhost::devices().roamingFolder = freshFolder("appdata");
        vtxhost::HostOptions options;
        options.dataFolder = freshFolder("data");
        host = std::make_unique<vtxhost::Host>(options);
    }

    void load() {
        std::string error;
        ASSERT_TRUE(host->load(pluginPath(), &error)) << error;
    }

    // Frames until the one-second deferred start-up work has run.
    void settle() {
        for (int i = 0; i < 70; ++i) {
            host->frame();
        }
    }

    std::string cvar(const std::string& name) const { return host->cvarValue(name).value_or("<missing>"); }

    std::unique_ptr<vtxhost::Host> host;
};

} // namespace vtxtest
