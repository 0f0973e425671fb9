#include "Cli.h"

#include <charconv>

namespace vtxpreview {

namespace {

// Walks the arguments: options "--name VALUE" or "--name=VALUE", and plain words.
class ArgReader {
public:
    explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}

    bool next() { return ++at_ < args_.size(); }
    const std::string& word() const { return args_[at_]; }
    bool isOption() const { return word().starts_with("--"); }
    bool is(const char* name) const {
        const std::string& w = word();
        return w == name || (w.starts_with(name) && w.size() > std::char_traits<char>::length(name) &&
                             w[std::char_traits<char>::length(name)] == '=');
    }
    // The option's value: after '=', or the next argument.
    std::string value() {
        const std::string& w = word();
        const std::string name = w.substr(0, w.find('='));
        if (const auto equals = w.find('='); equals != std::string::npos) {
            if (equals + 1 == w.size())
                throw UsageError(name + " needs a value");
            return w.substr(equals + 1);
        }
        if (!next() || word().empty())
            throw UsageError(name + " needs a value");
        return word();
    }

private:
    const std::vector<std::string>& args_;
    std::size_t at_ = static_cast<std::size_t>(-1);
};

Size sizeValue(ArgReader& reader) {
    const std::string text = reader.value();
    const auto size = parseSize(text);
    if (!size)
        throw UsageError("--size '" + text + "' is not WxH (each 16 to 16384, e.g. 1920x1080)");
    return *size;
}

long long countValue(ArgReader& reader, const char* name) {
    const std::string text = reader.value();
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1)
        throw UsageError(std::string(name) + " '" + text + "' is not a whole number above 0");
    return value;
}

[[noreturn]] void unexpected(const std::string& word) {
    throw UsageError(word.starts_with("-") ? "unknown option " + word : "unexpected argument '" + word + "'");
}

} // namespace

std::optional<Size> parseSize(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    Size size;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto w = std::from_chars(begin, begin + x, size.width);
    const auto h = std::from_chars(begin + x + 1, end, size.height);
    if (w.ec != std::errc() || w.ptr != begin + x || h.ec != std::errc() || h.ptr != end)
        return std::nullopt;
    const auto fits = [](int side) { return side >= 16 && side <= 16384; };
    if (!fits(size.width) || !fits(size.height))
        return std::nullopt;
    return size;
}

RunRequest parseRunArgs(const std::vector<std::string>& args) {
    RunRequest request;
    for (ArgReader reader(args); reader.next();) {
        if (reader.is("--plugin"))
            request.plugin = reader.value();
        else if (reader.is("--frames"))
            request.framesFolder = reader.value();
        else if (reader.is("--size"))
            request.size = sizeValue(reader);
        else if (reader.is("--backdrop"))
            request.backdrop = reader.value();
        else if (reader.is("--window-thread"))
            request.windowThread = true;
        else if (request.scenario.empty() && !reader.word().starts_with("-"))
            request.scenario = reader.word();
        else
            unexpected(reader.word());
    }
    if (request.scenario.empty())
        throw UsageError("run needs a scenario file");
    return request;
}

WindowRequest parseWindowArgs(const std::vector<std::string>& args) {
    WindowRequest request;
    for (ArgReader reader(args); reader.next();) {
        if (reader.is("--skin"))
            request.skin = reader.value();
        else if (reader.is("--plugin"))
            request.plugin = reader.value();
        else if (reader.is("--size"))
            request.size = sizeValue(reader);
        else if (reader.is("--quit-after"))
            request.quitAfter = countValue(reader, "--quit-after");
        else if (reader.is("--screenshot"))
            request.screenshot = reader.value();
        else
            unexpected(reader.word());
    }
    return request;
}

CheckSkinRequest parseCheckSkinArgs(const std::vector<std::string>& args) {
    CheckSkinRequest request;
    for (ArgReader reader(args); reader.next();) {
        if (reader.is("--json"))
            request.json = true;
        else if (request.folder.empty() && !reader.word().starts_with("-"))
            request.folder = reader.word();
        else
            unexpected(reader.word());
    }
    if (request.folder.empty())
        throw UsageError("check-skin needs a skin folder");
    return request;
}

} // namespace vtxpreview
