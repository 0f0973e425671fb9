#pragma once
// vtx_saved_settings.ini: the plugin's own copy of its main settings, saved
// whenever one of them changes, on command and once after start-up, and read
// one second after load and on command.
#include <filesystem>
#include <memory>
#include <string>

class CVarManagerWrapper;
class GameWrapper;
class Vantrix;

namespace vtx {

// Process-wide. Autosave runs only while `settingsReady` is true (set by the
// deferred start-up load) and `settingsLoading` is false (loadSettings
// applying the file).
extern bool settingsReady;
extern bool settingsLoading;

// <data folder>/Vantrix/vtx_saved_settings.ini, creating the folder. Empty
// with the reason in `error` when that fails.
std::filesystem::path settingsPath(GameWrapper& game, std::string& error);

// Each of these does nothing without either handle, and logs one line.
// Writes every existing variable of the file's key list as name=value.
void saveSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars);
// Sets every existing console variable that the file names (in file order;
// the menu font scale always to 1.25), with `settingsLoading` set meanwhile.
void loadSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars);
// The change handler of the key-list variables: saves the file and the host's
// plugin configuration, when autosave is allowed.
void autosaveSettings(const std::shared_ptr<GameWrapper>& game, const std::shared_ptr<CVarManagerWrapper>& cvars);

// Start-up: clears `settingsReady` and attaches autosaveSettings to each
// key-list variable that exists.
void attachSettingsAutosave(Vantrix& plugin);
// Start-up, when vtx_load_saved_settings is on: one second later load the
// file, reload the skin pictures, allow autosave and write the file back.
void scheduleStartupSettingsLoad(Vantrix& plugin);

} // namespace vtx
