// The plugin's entry points, its exported record and its start-up order.
#include "plugin/Vantrix.h"

#include "core/Catalogue.h"
#include "core/Version.h"
#include "plugin/Commands.h"
#include "plugin/GameHooks.h"
#include "plugin/PositionAutosave.h"
#include "plugin/PositionCommands.h"
#include "plugin/TimingButton.h"
#include "plugin/VersionVariable.h"

namespace {
constexpr const char* kViewportTickEvent = "Function TAGame.GameViewportClient.Tick";
} // namespace

// getPlugin, deleteMe and the exported record, as every plugin of the host defines them.
BAKKESMOD_PLUGIN(Vantrix, "Vantrix", vtx::kVersion, PLUGINTYPE_FREEPLAY)

void Vantrix::onLoad() {
    // F9 toggles the menu, Escape closes it.
    gameWrapper->HookEvent(kViewportTickEvent, [this](std::string) { menu_.tickKeys(cvarManager.get()); });
    input_.createSink(); // keeps an existing sink
    input_.loadCalibration();

    vtx::registerMenuCommand(host_);
    vtx::registerCvars(*cvarManager, vtx::kEarlyCvars);
    vtx::pinVersionVariable(host_);

    chooseSkin();
    vtx::registerCvars(*cvarManager, std::span(vtx::kLateCvars).subspan(1));

    const vtx::CommandTargets targets{settingsFile_, skins_, phase_, hotkey_};
    vtx::registerSettingsCommands(host_, targets);
    vtx::attachSettingsAutosave(host_, settingsFile_);
    vtx::scheduleStartupSettingsLoad(host_, settingsFile_, skins_); // when vtx_load_saved_settings is on
    vtx::registerOverlayCommands(host_, targets);
    vtx::registerLayerOffsets(*cvarManager);
    settings_.follow(*cvarManager);       // once everything is registered
    vtx::loadSavedPositionAtStart(host_); // when vtx_load_saved is on

    vtx::attachTimingButton(host_, overlay_);
    vtx::registerGameHooks(host_, phase_, settings_);
    scheduleDrawable();
    bindMenuKey();
}

// The remembered skin if it is still installed, else the first one; vtx_skin
// (which heads the late table) gets it as its default, and its change handler
// follows every later choice.
void Vantrix::chooseSkin() {
    const std::string startupSkin = skins_.chooseAtStartup();
    CVarWrapper skin = vtx::registerCvar(*cvarManager, vtx::kLateCvars[0], startupSkin);
    vtx::SkinLibrary& skins = skins_;
    skin.addOnValueChanged([&skins](std::string, CVarWrapper changed) {
        try {
            skins.select(changed.getStringValue());
        } catch (...) {
        }
    });
    if (!startupSkin.empty()) {
        skin.setValue(startupSkin);
        // The registered default may already hold the name, and a host may
        // then run no handler: the choice is remembered here either way.
        skins_.select(startupSkin);
    }
}

void Vantrix::onUnload() {
    skins_.releasePictures();
    input_.destroySink();
}

void Vantrix::renderOverlay(CanvasWrapper canvas) {
    if (overlay_.frame(canvas)) {
        vtx::autosavePosition(host_, settings_, process_.positionAutosave);
    }
}

// Each load of a plugin object registers its own drawable, one second after
// onLoad: a drawable kept from an earlier load would point at a dead object,
// and a new object would never be drawn.
void Vantrix::scheduleDrawable() {
    if (drawableScheduled_) {
        return;
    }
    drawableScheduled_ = true;
    gameWrapper->SetTimeout(
        [this](GameWrapper* game) { game->RegisterDrawable([this](CanvasWrapper canvas) { renderOverlay(canvas); }); },
        1.0f);
}

void Vantrix::bindMenuKey() {
    if (!cvarManager) {
        return;
    }
    cvarManager->executeCommand("unbind F9", true);
    cvarManager->executeCommand("bind F9 \"togglemenu vtx_menu\"", true);
}

void Vantrix::Render() { menu_.render(); }

std::string Vantrix::GetMenuName() { return vtx::kMenuWindowName; }

std::string Vantrix::GetMenuTitle() { return vtx::kMenuTitle; }

void Vantrix::SetImGuiContext(std::uintptr_t ctx) { menu_.setContext(ctx); }

bool Vantrix::ShouldBlockInput() { return menu_.blocksInput(); }

bool Vantrix::IsActiveOverlay() { return true; }

void Vantrix::OnOpen() { menu_.open(); }

void Vantrix::OnClose() { menu_.close(); }
