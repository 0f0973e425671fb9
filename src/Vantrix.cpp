// The plugin's entry points, its exported record and its start-up order.
#include "Vantrix.h"

#include "core/Catalogue.h"
#include "core/Commands.h"
#include "core/GameHooks.h"
#include "core/Log.h"
#include "core/PositionCommands.h"
#include "core/SettingsFile.h"
#include "core/Version.h"
#include "overlay/Skins.h"

namespace {
constexpr const char* kViewportTickEvent = "Function TAGame.GameViewportClient.Tick";
} // namespace

// getPlugin, deleteMe and the exported record, as every plugin of the host defines them.
BAKKESMOD_PLUGIN(Vantrix, "Vantrix", vtx::kVersion, PLUGINTYPE_FREEPLAY)

void Vantrix::onViewportTick(const std::string& /*eventName*/) { menuWindow.tickKeys(cvarManager.get()); }

void Vantrix::onLoad() {
    gameWrapper->HookEvent(kViewportTickEvent, [this](std::string eventName) { onViewportTick(eventName); });
    input.createSink(); // keeps an existing sink
    input.loadCalibration();

    vtx::registerMenuCommand(*this);
    vtx::registerCvars(*cvarManager, vtx::kEarlyCvars);

    chooseSkin();
    vtx::registerCvars(*cvarManager, std::span(vtx::kLateCvars).subspan(1));

    vtx::registerSettingsCommands(*this);
    vtx::attachSettingsAutosave(*this);
    vtx::scheduleStartupSettingsLoad(*this); // one second later, when vtx_load_saved_settings is on
    vtx::registerOverlayCommands(*this);
    vtx::registerLayerOffsets(*cvarManager);
    cvarHandlesResolved = false;          // looked up again once everything is registered
    vtx::loadSavedPositionAtStart(*this); // when vtx_load_saved is on

    vtx::registerGameHooks(*this);
    scheduleDrawable();
    bindMenuKey();
}

// The remembered skin if it is still installed, else the first one; vtx_skin
// (which heads the late table) gets it as its default, and its change handler
// follows every later choice.
void Vantrix::chooseSkin() {
    startupSkin = vtx::chooseStartupSkin(*this);
    CVarWrapper skin = vtx::registerCvar(*cvarManager, vtx::kLateCvars[0], startupSkin);
    activeSkin = startupSkin;
    imagesLoaded = false;
    Vantrix* self = this;
    skin.addOnValueChanged([self](std::string, CVarWrapper changed) {
        try {
            vtx::onSkinChanged(*self, changed);
        } catch (...) {
        }
    });
    if (!startupSkin.empty()) {
        skin.setValue(startupSkin);
        // The registered default may already hold the name, and a host may
        // then run no handler: the choice is remembered here either way.
        vtx::selectSkin(*this, startupSkin);
    }
}

const vtx::CvarHandles& Vantrix::settings() {
    // Without a manager every setting reads its catalogue default.
    if (!cvarHandlesResolved) {
        vtx::resolveCvarHandles(cvarManager.get(), cvarHandles);
        cvarHandlesResolved = cvarManager != nullptr;
    }
    return cvarHandles;
}

void Vantrix::onUnload() {
    imagesLoaded = false;
    baseImage.reset();
    layerImages.clear();
    input.destroySink();
}

// Each load of a plugin object registers its own drawable, one second after
// onLoad: a drawable kept from an earlier load would point at a dead object,
// and a new object would never be drawn.
void Vantrix::scheduleDrawable() {
    if (drawableScheduled) {
        return;
    }
    drawableScheduled = true;
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
