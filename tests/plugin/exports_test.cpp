// The three exported symbols, called directly as a host's loader would.
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "SharedLibrary.h"
#include "bakkesmod/plugin/bakkesmodplugin.h"

namespace {

using PluginPointer = std::shared_ptr<BakkesMod::Plugin::BakkesModPlugin>;

TEST(Exports, RecordIdentifiesThePlugin) {
    vtxtest::SharedLibrary library(VTX_PLUGIN_PATH);
    ASSERT_TRUE(library.isOpen());
    const auto* info = static_cast<const BakkesMod::Plugin::PluginInfo*>(library.symbol("exports"));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->apiBuildVersion, 95);
    EXPECT_STREQ(info->className, "Vantrix");
    EXPECT_STREQ(info->pluginName, "Vantrix");
    // The same version as vtx_version shows in the console: a player sees one.
    EXPECT_STREQ(info->pluginVersion, "1.0.5");
    EXPECT_EQ(info->pluginType, 1);
    const char* file = info->fileName;
    ASSERT_NE(file, nullptr);
    EXPECT_NE(std::strstr(file, "Vantrix.cpp"), nullptr) << file;
    EXPECT_EQ(reinterpret_cast<void*>(info->initializeFunc), library.symbol("getPlugin"));
    EXPECT_EQ(reinterpret_cast<void*>(info->delFunc), library.symbol("deleteMe"));
}

TEST(Exports, GetPluginMakesOneObjectUntilDeleteMe) {
    vtxtest::SharedLibrary library(VTX_PLUGIN_PATH);
    ASSERT_TRUE(library.isOpen());
    auto getPlugin = reinterpret_cast<std::uintptr_t (*)()>(library.symbol("getPlugin"));
    auto deleteMe = reinterpret_cast<void (*)()>(library.symbol("deleteMe"));
    ASSERT_NE(getPlugin, nullptr);
    ASSERT_NE(deleteMe, nullptr);

    deleteMe(); // nothing to delete yet: must be harmless
    const std::uintptr_t first = getPlugin();
    const std::uintptr_t second = getPlugin();
    EXPECT_EQ(first, second);
    auto* singleton = reinterpret_cast<PluginPointer*>(first);
    ASSERT_TRUE(*singleton);
    EXPECT_EQ(singleton->use_count(), 1);
    BakkesMod::Plugin::BakkesModPlugin* object = singleton->get();

    // A host keeps its own reference; deleteMe drops only the plugin's.
    PluginPointer held = *singleton;
    deleteMe();
    EXPECT_FALSE(*singleton);
    EXPECT_EQ(held.use_count(), 1);
    EXPECT_EQ(held.get(), object);
    held.reset();

    EXPECT_TRUE(*reinterpret_cast<PluginPointer*>(getPlugin()));
    deleteMe();
}

TEST(Exports, LibraryLoadsAgainAfterClosing) {
    for (int i = 0; i < 2; ++i) {
        vtxtest::SharedLibrary library(VTX_PLUGIN_PATH);
        ASSERT_TRUE(library.isOpen());
        auto getPlugin = reinterpret_cast<std::uintptr_t (*)()>(library.symbol("getPlugin"));
        auto deleteMe = reinterpret_cast<void (*)()>(library.symbol("deleteMe"));
        EXPECT_TRUE(*reinterpret_cast<PluginPointer*>(getPlugin()));
        deleteMe();
    }
}

} // namespace
