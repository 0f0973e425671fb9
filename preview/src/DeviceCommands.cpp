// Commands that play the machine's part: XInput pads, Sony HID reports and
// feature reports, the keyboard and the mouse.
#include <cstdint>
#include <limits>
#include <optional>

#include "CommandTable.h"
#include "vtxhost/VirtualDevices.h"

namespace vtxpreview {
namespace {

using PadSetter = std::function<void(vtxhost::XInputPadState&)>;

template <typename T, typename Field> PadSetter setField(Field field, long long value) {
    return [field, value](vtxhost::XInputPadState& pad) { pad.*field = static_cast<T>(value); };
}

PadSetter padSetter(const Args& args, std::size_t i) {
    using Pad = vtxhost::XInputPadState;
    constexpr long long axisMin = std::numeric_limits<std::int16_t>::min();
    constexpr long long axisMax = std::numeric_limits<std::int16_t>::max();
    static constexpr std::int16_t Pad::*axes[] = {&Pad::thumbLX, &Pad::thumbLY, &Pad::thumbRX, &Pad::thumbRY};
    switch (const std::size_t key = args.choice(i, {"connected", "buttons", "lt", "rt", "lx", "ly", "rx", "ry"})) {
    case 0:
        return setField<bool>(&Pad::connected, args.flag(i + 1));
    case 1:
        return setField<std::uint16_t>(&Pad::buttons, static_cast<long long>(args.hex(i + 1, 0xffff)));
    case 2:
        return setField<std::uint8_t>(&Pad::leftTrigger, args.integer(i + 1, 0, 255));
    case 3:
        return setField<std::uint8_t>(&Pad::rightTrigger, args.integer(i + 1, 0, 255));
    default:
        return setField<std::int16_t>(axes[key - 4], args.integer(i + 1, axisMin, axisMax));
    }
}

Action prepareXpad(const Args& args, const CompileContext&) {
    args.requireCount(3, SIZE_MAX);
    if (args.count() % 2 == 0)
        throw ArgError("xpad: KEY " + args.text(args.count() - 1) + " has no value");
    const auto index = static_cast<std::size_t>(args.integer(0, 0, 3));
    std::vector<PadSetter> setters;
    for (std::size_t i = 1; i < args.count(); i += 2)
        setters.push_back(padSetter(args, i));
    return [index, setters](Session&) {
        for (const PadSetter& set : setters)
            set(vtxhost::devices().xinput[index]);
    };
}

// "ids VVVV PPPP" after the name: the device information's vendor and
// product ids, in hex. Returns the index of the first report word.
std::size_t hidIds(const Args& args, std::optional<vtxhost::HidDeviceIds>& ids) {
    if (args.text(2) != "ids" || args.quoted(2))
        return 2;
    args.requireCount(6, SIZE_MAX);
    ids = vtxhost::HidDeviceIds{static_cast<std::uint16_t>(args.hex(3, 0xffff)),
                                static_cast<std::uint16_t>(args.hex(4, 0xffff))};
    return 5;
}

Action prepareHid(const Args& args, const CompileContext&) {
    args.requireCount(3, SIZE_MAX);
    vtxhost::HidMessage message;
    message.device = static_cast<std::uintptr_t>(args.integer(0, 0, std::numeric_limits<std::int64_t>::max()));
    std::string name = args.text(1);
    std::optional<vtxhost::HidDeviceIds> ids;
    const std::size_t first = hidIds(args, ids);
    for (std::size_t i = first; i < args.count(); ++i) {
        const std::vector<std::uint8_t> report = args.hexBytes(i);
        if (i > first && report.size() != message.reportSize)
            throw ArgError("hid: report " + std::to_string(i - first + 1) + " has " + std::to_string(report.size()) +
                           " bytes, the first has " + std::to_string(message.reportSize));
        message.reportSize = static_cast<std::uint32_t>(report.size());
        message.bytes.insert(message.bytes.end(), report.begin(), report.end());
        ++message.reportCount;
    }
    return [message, name, ids](Session&) {
        vtxhost::devices().setDeviceName(message.device, name);
        if (ids)
            vtxhost::devices().setDeviceIds(message.device, *ids);
        vtxhost::devices().postHid(message);
    };
}

std::string hexByte(std::uint8_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 15]};
}

// How a device answers when the plugin asks it for a feature report.
Action prepareHidFeature(const Args& args, const CompileContext&) {
    args.requireCount(3, 4);
    const auto device = static_cast<std::uintptr_t>(args.integer(0, 0, std::numeric_limits<std::int64_t>::max()));
    const auto reportId = static_cast<std::uint8_t>(args.hex(1, 0xff));
    if (reportId == 0)
        throw ArgError("hid-feature: report id 00 is no feature report (HID numbers them from 01)");
    if (args.choice(2, {"answer", "refuse"}) == 1) {
        args.requireCount(3, 3);
        return [device, reportId](Session&) { vtxhost::devices().refuseFeatureReport(device, reportId); };
    }
    args.requireCount(4, 4);
    const std::vector<std::uint8_t> answer = args.hexBytes(3);
    if (answer.front() != reportId)
        throw ArgError("hid-feature: the answer starts with " + hexByte(answer.front()) + ", not its report id " +
                       hexByte(reportId));
    return [device, reportId, answer](Session&) { vtxhost::devices().setFeatureReport(device, reportId, answer); };
}

Action prepareKey(const Args& args, const CompileContext&) {
    args.requireCount(2, 2);
    const int code = keyArg(args, 0);
    const std::size_t how = args.choice(1, {"down", "up", "tap"});
    return [code, how, name = args.text(0)](Session& session) {
        if (how == 2)
            session.tapKey(code, name);
        else
            session.setKey(code, how == 0);
    };
}

Action prepareMouse(const Args& args, const CompileContext&) {
    args.requireCount(2, 3);
    const int x = static_cast<int>(args.integer(0, -100'000, 100'000));
    const int y = static_cast<int>(args.integer(1, -100'000, 100'000));
    const int button = args.count() == 3 ? static_cast<int>(args.choice(2, {"up", "down"})) : -1;
    return [x, y, button](Session& session) {
        if (button >= 0)
            session.mouseDown = button == 1; // without one, the button stays as it was
        session.host().setMouse(x, y, session.mouseDown);
    };
}

} // namespace

int keyArg(const Args& args, std::size_t i) {
    const std::string& word = args.text(i);
    if (!word.empty() && word.find_first_not_of("0123456789") == std::string::npos)
        return static_cast<int>(args.integer(i, 0, 255));
    const int code = vtxhost::virtualKeyFromName(word);
    if (code < 0)
        throw ArgError(args.name() + ": unknown key name '" + word + "'");
    return code;
}

std::vector<CommandSpec> deviceCommands() {
    return {
        {"xpad", "I KEY VALUE...",
         "XInput pad I (0-3): connected 0|1, buttons HEX, lt|rt 0-255, lx|ly|rx|ry -32768..32767", HostUse::None,
         prepareXpad},
        {"hid", "DEVICE NAME [ids VID PID] HEX...",
         "one WM_INPUT from DEVICE named NAME, one report per HEX word; ids: the device's vendor and product "
         "ids (hex)",
         HostUse::None, prepareHid},
        {"hid-feature", "DEVICE ID answer HEX|refuse",
         "how DEVICE answers a request for feature report ID (hex): HEX, report id first (fewer bytes than the "
         "request asks: a short answer), or a refusal, as for a report never set",
         HostUse::None, prepareHidFeature},
        {"key", "VK down|up|tap",
         "a key by decimal code or name (F9, ESCAPE, A...); tap holds it down through the next frame and "
         "releases it after, so the plugin sees a press; a key held, or not yet seen up by a frame since its "
         "last tap, cannot be tapped (an error)",
         HostUse::None, prepareKey},
        {"mouse", "X Y [down|up]", "move the mouse, optionally pressing or releasing its button", HostUse::Starts,
         prepareMouse},
    };
}

} // namespace vtxpreview
