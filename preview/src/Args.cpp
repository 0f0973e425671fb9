#include "Args.h"

#include "Numbers.h"

#include <algorithm>
#include <cstdio>

namespace vtxpreview {

namespace {
std::string format(const char* pattern, auto value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return buffer;
}
} // namespace

Args::Args(const Command& command, std::size_t skip, std::string name)
    : words_(command.words.begin() + static_cast<std::ptrdiff_t>(std::min(skip, command.words.size())),
             command.words.end()),
      name_(std::move(name)) {}

void Args::requireCount(std::size_t min, std::size_t max) const {
    if (count() >= min && count() <= max)
        return;
    std::string want = min == max ? std::to_string(min) : std::to_string(min) + " to " + std::to_string(max);
    if (max == SIZE_MAX)
        want = "at least " + std::to_string(min);
    throw ArgError(name_ + " takes " + want + " argument" + (max == 1 && min == 1 ? "" : "s") + ", got " +
                   std::to_string(count()));
}

void Args::fail(std::size_t i, const std::string& what) const {
    throw ArgError(name_ + ": argument " + std::to_string(i + 1) + " '" + words_.at(i).text + "' " + what);
}

const std::string& Args::text(std::size_t i) const {
    if (i >= count())
        throw ArgError(name_ + ": missing argument " + std::to_string(i + 1));
    return words_[i].text;
}

std::string Args::rest(std::size_t i) const {
    std::string joined = text(i);
    for (std::size_t k = i + 1; k < count(); ++k)
        joined += " " + words_[k].text;
    return joined;
}

long long Args::integer(std::size_t i, long long min, long long max) const {
    const auto value = parseInteger(text(i));
    if (!value)
        fail(i, "is not an integer");
    if (*value < min || *value > max)
        fail(i, "is out of range " + std::to_string(min) + ".." + std::to_string(max));
    return *value;
}

unsigned long long Args::hex(std::size_t i, unsigned long long max) const {
    const auto value = parseHex(text(i));
    if (!value)
        fail(i, "is not a hex number");
    if (*value > max)
        fail(i, "is out of range 0.." + format("%#llx", max));
    return *value;
}

double Args::number(std::size_t i, double min, double max) const {
    const auto value = parseNumber(text(i));
    if (!value)
        fail(i, "is not a number");
    if (*value < min || *value > max)
        fail(i, "is out of range " + format("%g", min) + ".." + format("%g", max));
    return *value;
}

bool Args::flag(std::size_t i) const { return choice(i, {"0", "1"}) == 1; }

std::vector<std::uint8_t> Args::hexBytes(std::size_t i) const {
    std::string error;
    auto bytes = parseHexBytes(text(i), error);
    if (!error.empty())
        throw ArgError(name_ + ": " + error);
    return bytes;
}

std::size_t Args::choice(std::size_t i, std::initializer_list<std::string_view> choices) const {
    std::size_t index = 0;
    std::string list;
    for (const std::string_view option : choices) {
        if (text(i) == option)
            return index;
        list += (index++ ? "|" : "") + std::string(option);
    }
    fail(i, "is not one of " + list);
}

} // namespace vtxpreview
