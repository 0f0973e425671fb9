#pragma once
// How far a long run has got, on the terminal: on a terminal one line that
// is rewritten in place, otherwise a plain line every so many frames so that
// a log file stays short.
#include <functional>
#include <ostream>
#include <streambuf>
#include <string>

namespace vtxpreview {

// "frame 120, line 34 of 80"
std::string progressText(long long frames, int line, int lastLine);

class Progress {
public:
    static constexpr long long kPlainEvery = 100; // frames between plain lines

    Progress(std::ostream& out, bool terminal) : out_(out), terminal_(terminal) {}
    void update(long long frames, int line, int lastLine);
    // Takes the rewritten line off the terminal (before other output, and at the end).
    void clear();
    bool terminal() const { return terminal_; }

private:
    std::ostream& out_;
    bool terminal_;
    bool shown_ = false;
};

} // namespace vtxpreview

namespace vtxpreview {

// Passes everything on to another stream buffer, first calling `before`
// (for the transcript: take the progress line off the terminal).
class GuardedStreamBuf : public std::streambuf {
public:
    GuardedStreamBuf(std::streambuf* target, std::function<void()> before)
        : target_(target), before_(std::move(before)) {}

protected:
    int_type overflow(int_type c) override {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        before_();
        return target_->sputc(traits_type::to_char_type(c));
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        before_();
        return target_->sputn(text, count);
    }
    int sync() override { return target_->pubsync(); }

private:
    std::streambuf* target_;
    std::function<void()> before_;
};

} // namespace vtxpreview
