// What a plugin relies on of the SDK's declarations, as the host's own SDK
// declares them: code that builds against the stand-in must build, and lay
// out the exported record, as against the real headers.
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <typeindex>

#include <gtest/gtest.h>

#include "bakkesmod/plugin/bakkesmodplugin.h"
#include "bakkesmod/plugin/pluginwindow.h"
#include "bakkesmod/wrappers/ImageWrapper.h"
#include "bakkesmod/wrappers/canvaswrapper.h"

namespace {

using BakkesMod::Plugin::PluginInfo;
using BakkesMod::Plugin::PluginWindow;

// The loader reads the record at the offsets MSVC gives it on x64.
static_assert(std::is_same_v<decltype(PluginInfo::apiBuildVersion), short>);
static_assert(std::is_same_v<decltype(PluginInfo::pluginType), const unsigned long>);
static_assert(offsetof(PluginInfo, fileName) == 8 && offsetof(PluginInfo, className) == 16 &&
              offsetof(PluginInfo, pluginName) == 24 && offsetof(PluginInfo, pluginVersion) == 32 &&
              offsetof(PluginInfo, pluginType) == 40 && offsetof(PluginInfo, initializeFunc) == 48 &&
              offsetof(PluginInfo, delFunc) == 56);
static_assert(BAKKESMOD_PLUGIN_API_VERSION == 95 && PLUGINTYPE_FREEPLAY == 0x01 && PERMISSION_ALL == 0);

// No handle without a variable behind it (or a null one), and reads that are
// not const.
static_assert(!std::is_default_constructible_v<CVarWrapper>);
static_assert(std::is_constructible_v<CVarWrapper, std::uintptr_t, std::type_index>);
static_assert(std::is_copy_constructible_v<CVarWrapper> && std::is_copy_assignable_v<CVarWrapper>);
static_assert(!std::is_convertible_v<CVarWrapper, bool> && std::is_constructible_v<bool, CVarWrapper>);
static_assert(!std::is_invocable_v<decltype(&CVarWrapper::getIntValue), const CVarWrapper&>);
static_assert(!std::is_invocable_v<decltype(&CVarWrapper::IsNull), const CVarWrapper&>);
static_assert(!std::is_default_constructible_v<CanvasWrapper> && !std::is_default_constructible_v<GameWrapper>);
static_assert(!std::is_copy_constructible_v<ImageWrapper> && !std::is_copy_assignable_v<ImageWrapper>);
static_assert(std::is_same_v<decltype(&ImageWrapper::GetPath), std::string (ImageWrapper::*)()>);

// Text on the canvas: three DrawString overloads and a float size.
static_assert(std::is_same_v<decltype(Vector2F::X), float>);
static_assert(sizeof(static_cast<void (CanvasWrapper::*)(std::string)>(&CanvasWrapper::DrawString)) > 0);
static_assert(sizeof(static_cast<void (CanvasWrapper::*)(std::string, float, float)>(&CanvasWrapper::DrawString)) > 0);
static_assert(sizeof(static_cast<void (CanvasWrapper::*)(std::string, float, float, bool, bool)>(
                  &CanvasWrapper::DrawString)) > 0);
static_assert(
    std::is_same_v<decltype(&CanvasWrapper::GetStringSize), Vector2F (CanvasWrapper::*)(std::string, float, float)>);

// Shapes on the canvas: each in a float and an int overload, as the SDK has
// them, so that a plugin may call either; LinearColor's channels are floats.
template <class... Params> constexpr bool canvasHas(void (CanvasWrapper::*)(Params...)) { return true; }
static_assert(canvasHas<Vector2F, Vector2F>(&CanvasWrapper::DrawLine) &&
              canvasHas<Vector2F, Vector2F, float>(&CanvasWrapper::DrawLine) &&
              canvasHas<Vector2, Vector2>(&CanvasWrapper::DrawLine) &&
              canvasHas<Vector2, Vector2, float>(&CanvasWrapper::DrawLine));
static_assert(canvasHas<Vector2F>(&CanvasWrapper::FillBox) && canvasHas<Vector2>(&CanvasWrapper::FillBox) &&
              canvasHas<Vector2F>(&CanvasWrapper::DrawBox) && canvasHas<Vector2>(&CanvasWrapper::DrawBox));
static_assert(canvasHas<Vector2F, Vector2F>(&CanvasWrapper::DrawRect) &&
              canvasHas<Vector2, Vector2>(&CanvasWrapper::DrawRect));
static_assert(canvasHas<Vector2F>(&CanvasWrapper::SetPosition) && canvasHas<Vector2>(&CanvasWrapper::SetPosition));
static_assert(canvasHas<LinearColor>(&CanvasWrapper::SetColor) &&
              canvasHas<char, char, char, char>(&CanvasWrapper::SetColor));
static_assert(std::is_same_v<decltype(LinearColor::R), float> && sizeof(LinearColor) == 4 * sizeof(float));
static_assert(std::is_constructible_v<LinearColor, float, float, float, float> &&
              std::is_trivially_default_constructible_v<LinearColor>);

// The window's operations by the host's names.
static_assert(std::is_same_v<decltype(&PluginWindow::Render), void (PluginWindow::*)()>);
static_assert(std::is_same_v<decltype(&PluginWindow::GetMenuName), std::string (PluginWindow::*)()>);
static_assert(std::is_same_v<decltype(&PluginWindow::SetImGuiContext), void (PluginWindow::*)(uintptr_t)>);
static_assert(std::is_same_v<decltype(&PluginWindow::ShouldBlockInput), bool (PluginWindow::*)()>);
static_assert(std::is_same_v<decltype(&PluginWindow::IsActiveOverlay), bool (PluginWindow::*)()>);

TEST(SdkShape, AHandleOfNoVariableIsNull) {
    CVarWrapper none(0, typeid(void));
    EXPECT_TRUE(none.IsNull());
    EXPECT_FALSE(static_cast<bool>(none));
    EXPECT_EQ(none.getIntValue(), 0);
    EXPECT_EQ(none.getStringValue(), "");
    none.setValue(3); // nothing to set, nothing thrown
    CVarWrapper copy = none;
    EXPECT_TRUE(copy.IsNull());
}

} // namespace
