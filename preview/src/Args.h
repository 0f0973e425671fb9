#pragma once
// Typed access to a command's argument words. Every accessor throws ArgError
// with a message fit for "FILE:LINE: error: ..." when a word does not fit.
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "Script.h"

namespace vtxpreview {

struct ArgError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Args {
public:
    // `skip` words name the command ("frame" is 1, "expect log" is 2).
    Args(const Command& command, std::size_t skip, std::string name);

    std::size_t count() const { return words_.size(); }
    const std::string& name() const { return name_; }
    void requireCount(std::size_t min, std::size_t max) const;

    const std::string& text(std::size_t i) const;
    bool quoted(std::size_t i) const { return words_.at(i).quoted; }
    // Words i.. joined by single blanks; an error when there are none.
    std::string rest(std::size_t i) const;
    long long integer(std::size_t i, long long min, long long max) const;
    unsigned long long hex(std::size_t i, unsigned long long max) const;
    double number(std::size_t i, double min, double max) const;
    bool flag(std::size_t i) const; // 0 or 1
    std::vector<std::uint8_t> hexBytes(std::size_t i) const;
    // The index of the word among `choices`.
    std::size_t choice(std::size_t i, std::initializer_list<std::string_view> choices) const;

private:
    [[noreturn]] void fail(std::size_t i, const std::string& what) const;

    std::vector<Word> words_;
    std::string name_;
};

} // namespace vtxpreview
