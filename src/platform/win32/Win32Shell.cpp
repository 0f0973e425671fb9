// The user's Roaming folder and opening folders in Explorer.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

#include "platform/Platform.h"

namespace vtx::platform {

std::filesystem::path roamingAppDataFolder() {
    PWSTR wide = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &wide)) && wide != nullptr) {
        folder = wide;
    }
    CoTaskMemFree(wide);
    return folder;
}

void openFolderInShell(const std::filesystem::path& folder) {
    // The wide call, so that folders under a non-ASCII user name open too.
    ShellExecuteW(nullptr, L"open", folder.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

} // namespace vtx::platform
