#pragma once
// The one way the plugin reads the keyboard. By default it asks the system
// for the asynchronous key state, so keys are seen whatever window has the
// focus; a test hands it a keyboard of its own.
#include <cstdint>

namespace vtx {

// One virtual key as the system's asynchronous key state gives it. The
// pressed bit belongs to the whole process: any read clears it for every
// reader, so a reader that misses a press there may still see the key held.
struct KeyState {
    bool held = false;
    bool pressedSinceQuery = false;
};

// Where key states come from.
class KeySource {
public:
    virtual KeyState query(int virtualKey) = 0;

protected:
    ~KeySource() = default;
};

// A view of a key source; copies read the same keyboard.
class Keyboard {
public:
    // The system's keyboard.
    Keyboard();
    explicit Keyboard(KeySource& source) : source_(&source) {}

    // Codes outside 0..255 name no key: never held, never asked for.
    KeyState query(int virtualKey) const;
    bool held(int virtualKey) const { return query(virtualKey).held; }

private:
    KeySource* source_;
};

} // namespace vtx
