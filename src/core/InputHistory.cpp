#include "core/InputHistory.h"

#include <cstring>

#include "core/PressTiming.h"

namespace vtx {

void InputHistory::press(ControlId control, std::int64_t atNs) {
    newest_ = (newest_ + 1) % kCapacity;
    entries_[newest_] = Entry{control, atNs, 0, true};
    if (count_ < kCapacity)
        ++count_;
}

void InputHistory::release(ControlId control, std::int64_t atNs) {
    for (std::size_t i = 0; i < count_; ++i) {
        Entry& e = entries_[(newest_ + kCapacity - i) % kCapacity];
        if (e.control == control && e.held) {
            e.held = false;
            e.releasedNs = atNs;
            return;
        }
    }
}

std::int64_t InputHistory::heldNs(std::size_t i, std::int64_t nowNs) const {
    if (i >= count_)
        return 0;
    const Entry& e = entry(i);
    const std::int64_t end = e.held ? nowNs : e.releasedNs;
    return end > e.pressedNs ? end - e.pressedNs : 0;
}

std::int64_t InputHistory::gapNs(std::size_t i) const {
    if (i + 1 >= count_)
        return 0;
    return entry(i).pressedNs - entry(i + 1).pressedNs;
}

std::size_t formatHeld(ControlId control, std::int64_t heldNs, char* out, std::size_t size) {
    if (out == nullptr || size == 0 || control >= kControlCount)
        return 0;
    out[0] = '\0';
    const std::string_view code = kControls[control].code;
    if (code.size() + 1 >= size)
        return 0;
    std::memcpy(out, code.data(), code.size());
    out[code.size()] = ' ';
    const std::size_t time = formatGapMs(heldNs, out + code.size() + 1, size - code.size() - 1);
    if (time == 0) {
        out[0] = '\0';
        return 0;
    }
    return code.size() + 1 + time;
}

std::size_t formatGap(std::int64_t gapNs, char* out, std::size_t size) {
    if (out == nullptr || size < 2)
        return 0;
    out[0] = '+';
    const std::size_t time = formatGapMs(gapNs, out + 1, size - 1);
    if (time == 0) {
        out[0] = '\0';
        return 0;
    }
    return time + 1;
}

} // namespace vtx
