#pragma once
// A setting's text as the host's getters read it: the number at its start,
// 0 for text that is none.
#include <charconv>
#include <string_view>

namespace vtx {

template <class Number> Number numberFromText(std::string_view text) {
    Number value{};
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace vtx
