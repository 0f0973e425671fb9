#include "Progress.h"

namespace vtxpreview {

std::string progressText(long long frames, int line, int lastLine) {
    return "frame " + std::to_string(frames) + ", line " + std::to_string(line) + " of " + std::to_string(lastLine);
}

void Progress::update(long long frames, int line, int lastLine) {
    if (!terminal_) {
        if (frames % kPlainEvery == 0)
            out_ << "progress: " << progressText(frames, line, lastLine) << '\n' << std::flush;
        return;
    }
    // Carriage return and "erase to the end of the line" (ANSI): the line is rewritten in place.
    out_ << "\r\x1b[K" << progressText(frames, line, lastLine) << std::flush;
    shown_ = true;
}

void Progress::clear() {
    if (!shown_)
        return;
    out_ << "\r\x1b[K" << std::flush;
    shown_ = false;
}

} // namespace vtxpreview
