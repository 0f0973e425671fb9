// Keyboard state and clocks on Windows.
#include <windows.h>

#include "platform/Platform.h"

namespace vtx::platform {

std::uint16_t asyncKeyState(int virtualKey) { return static_cast<std::uint16_t>(GetAsyncKeyState(virtualKey)); }

std::uint64_t tickCount64() { return GetTickCount64(); }

std::uint32_t tickCount() { return GetTickCount(); }

std::int64_t steadyNowNs() {
    static const std::int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<std::int64_t>(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    // Split so that the product cannot overflow for any uptime.
    const std::int64_t whole = counter.QuadPart / frequency;
    const std::int64_t part = counter.QuadPart % frequency;
    return whole * 1'000'000'000 + part * 1'000'000'000 / frequency;
}

} // namespace vtx::platform
