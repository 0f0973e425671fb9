// XInput's state query, bound at run time by ordinal 2 of XINPUT1_4.dll so
// that the plugin loads on systems without it (every pad then reads as absent).
#include <windows.h>
#include <xinput.h>

#include "platform/Platform.h"

namespace vtx::platform {

namespace {
using GetStateFn = DWORD(WINAPI*)(DWORD, XINPUT_STATE*);

GetStateFn xinputGetStateFunction() {
    static const GetStateFn function = []() -> GetStateFn {
        HMODULE module = LoadLibraryA("XINPUT1_4.dll");
        if (module == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<GetStateFn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(2))));
    }();
    return function;
}
} // namespace

bool xinputGetState(unsigned userIndex, XInputGamepad& out) {
    GetStateFn getState = xinputGetStateFunction();
    if (getState == nullptr || userIndex > 3) {
        return false;
    }
    XINPUT_STATE state;
    ZeroMemory(&state, sizeof state);
    if (getState(userIndex, &state) != ERROR_SUCCESS) {
        return false;
    }
    const XINPUT_GAMEPAD& pad = state.Gamepad;
    out = XInputGamepad{pad.wButtons, pad.bLeftTrigger, pad.bRightTrigger, pad.sThumbLX,
                        pad.sThumbLY, pad.sThumbRX,     pad.sThumbRY};
    return true;
}

} // namespace vtx::platform
