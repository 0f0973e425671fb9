#pragma once
// Host operations called from plugin code must not throw into it: a failure
// (running out of memory, a broken host program callback) becomes the
// operation's neutral result.

namespace vtxhost {

template <class R, class F> R noThrow(R fallback, F&& call) noexcept {
    try {
        return call();
    } catch (...) {
        return fallback;
    }
}

template <class F> void noThrow(F&& call) noexcept {
    try {
        call();
    } catch (...) {
    }
}

} // namespace vtxhost
