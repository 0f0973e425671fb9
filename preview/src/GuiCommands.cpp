// Commands that use the plugin's Dear ImGui windows as a user would: find a
// widget of the last frame by its label, move the mouse there, then press,
// type or drag over the next frames. A label that names no widget on screen
// stops the run with an error naming it.
#include <cmath>
#include <set>

#include "CommandTable.h"
#include "Lexer.h"
#include "vtxhost/VirtualDevices.h"

namespace vtxpreview {
namespace {

constexpr int kVkBack = 0x08, kVkReturn = 0x0D, kVkControl = 0x11, kVkA = 'A';
constexpr int kDragSteps = 4;

std::vector<const vtxhost::GuiItem*> labelled(Session& session, const std::string& label) {
    std::vector<const vtxhost::GuiItem*> found;
    for (const vtxhost::GuiItem& item : session.host().guiItems())
        if (vtxhost::guiItemLabelled(item, label))
            found.push_back(&item);
    return found;
}

std::string windowsOf(const std::vector<const vtxhost::GuiItem*>& items) {
    std::set<std::string> names;
    for (const vtxhost::GuiItem* item : items)
        names.insert(quoteWord(item->window));
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + name;
    return list;
}

// The one widget of the last frame that `label` names.
vtxhost::GuiItem findWidget(Session& session, const std::string& command, const std::string& label) {
    const auto found = labelled(session, label);
    if (found.empty())
        throw RunError(command + ": no widget " + quoteWord(label) + " in the last frame" +
                       (session.host().guiItems().empty() ? " (no plugin window drew one)" : ""));
    if (found.size() > 1)
        throw RunError(command + ": " + quoteWord(label) + " names " + std::to_string(found.size()) + " widgets (in " +
                       windowsOf(found) + ")");
    return *found.front();
}

// The same widget in the frame just run: it may have moved (a window coming
// to the front) or gone (a window closing).
vtxhost::GuiItem sameWidget(Session& session, const std::string& command, const std::string& label,
                            const vtxhost::GuiItem& before) {
    for (const vtxhost::GuiItem& item : session.host().guiItems())
        if (item.id == before.id && item.window == before.window)
            return item;
    throw RunError(command + ": " + quoteWord(label) + " went away while the mouse moved to it");
}

// A widget scrolled out of its window's view is scrolled into it first, as a
// user would before clicking.
vtxhost::GuiItem widgetOnScreen(Session& session, const std::string& command, const std::string& label) {
    vtxhost::GuiItem item = findWidget(session, command, label);
    if (!item.visible.empty())
        return item;
    if (session.host().scrollToGuiItem(item)) {
        session.frame();
        item = sameWidget(session, command, label, item);
    }
    if (item.visible.empty())
        throw RunError(command + ": " + quoteWord(label) + " is drawn but out of view in " + quoteWord(item.window));
    return item;
}

void mouseFrame(Session& session, float x, float y, bool down) {
    session.mouseDown = down;
    session.host().setMouse(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)), down);
    session.frame();
}

// Moves to the widget (one frame), presses (one frame) and returns the
// widget as that frame drew it, with the button still held.
vtxhost::GuiItem pressOn(Session& session, const std::string& command, const std::string& label) {
    vtxhost::GuiItem item = widgetOnScreen(session, command, label);
    mouseFrame(session, item.visible.centreX(), item.visible.centreY(), false);
    item = sameWidget(session, command, label, item);
    mouseFrame(session, item.visible.centreX(), item.visible.centreY(), true);
    return item;
}

void click(Session& session, const std::string& command, const std::string& label) {
    const vtxhost::GuiItem item = pressOn(session, command, label);
    mouseFrame(session, item.visible.centreX(), item.visible.centreY(), false);
}

// Keys held for one frame, then released for one; keys the scenario already
// held stay held.
void chord(Session& session, std::initializer_list<int> keys) {
    std::vector<int> pressed;
    for (int key : keys) {
        if (!vtxhost::devices().keyHeld(key)) {
            vtxhost::devices().setKey(key, true);
            pressed.push_back(key);
        }
    }
    session.frame();
    for (int key : pressed)
        vtxhost::devices().setKey(key, false);
    session.frame();
}

Action prepareClick(const Args& args, const CompileContext&) {
    args.requireCount(1, 1);
    return [label = args.text(0)](Session& session) { click(session, "click", label); };
}

// Click, select all (Ctrl+A), type over the selection (or delete it for an
// empty TEXT), Enter.
Action prepareType(const Args& args, const CompileContext&) {
    args.requireCount(2, SIZE_MAX);
    return [label = args.text(0), text = args.rest(1)](Session& session) {
        const vtxhost::GuiItem item = findWidget(session, "type", label);
        click(session, "type", label);
        if (session.host().guiActiveId() != item.id)
            throw RunError("type: " + quoteWord(label) + " took no typing (not a text field, or disabled)");
        chord(session, {kVkControl, kVkA});
        if (text.empty()) {
            chord(session, {kVkBack});
        } else {
            session.host().typeText(text);
            session.frame();
        }
        chord(session, {kVkReturn});
    };
}

// Press at the widget's centre, move DX pixels over a few frames, release. A
// slider takes the value under the mouse; a drag field moves by DX times its speed.
Action prepareDrag(const Args& args, const CompileContext&) {
    args.requireCount(2, 2);
    const auto dx = static_cast<float>(args.integer(1, -100'000, 100'000));
    return [label = args.text(0), dx](Session& session) {
        const vtxhost::GuiItem item = pressOn(session, "drag", label);
        const float x = item.visible.centreX();
        const float y = item.visible.centreY();
        for (int step = 1; step <= kDragSteps; ++step)
            mouseFrame(session, x + dx * static_cast<float>(step) / kDragSteps, y, true);
        mouseFrame(session, x + dx, y, false);
    };
}

Action prepareWidget(const Args& args, bool wanted) {
    args.requireCount(1, 1);
    return [label = args.text(0), wanted](Session& session) {
        const std::size_t found = labelled(session, label).size();
        session.expect((found > 0) == wanted, std::string("expected ") + (wanted ? "a widget " : "no widget ") +
                                                  quoteWord(label) + " in the last frame, found " +
                                                  std::to_string(found));
    };
}

std::string describeRect(const vtxhost::GuiRect& rect) {
    const auto whole = [](float value) { return std::to_string(std::lround(value)); };
    return whole(rect.minX) + "," + whole(rect.minY) + " " + whole(rect.maxX - rect.minX) + "x" +
           whole(rect.maxY - rect.minY);
}

Action preparePrintWidgets(const Args& args, const CompileContext&) {
    args.requireCount(0, 0);
    return [](Session& session) {
        const auto& items = session.host().guiItems();
        session.out() << "widgets: " << items.size() << '\n';
        for (const vtxhost::GuiItem& item : items) {
            char id[16];
            std::snprintf(id, sizeof id, "%08x", static_cast<unsigned>(item.id));
            session.out() << "widget " << id << ' ' << quoteWord(item.label) << " in " << quoteWord(item.window)
                          << " at " << describeRect(item.rect) << (item.visible.empty() ? " (out of view)" : "")
                          << '\n';
        }
    };
}

} // namespace

std::vector<CommandSpec> guiCommands() {
    return {
        {"click", "LABEL", "click the widget LABEL of an open plugin window: move, press, release (3 frames)",
         HostUse::Starts, prepareClick},
        {"type", "LABEL TEXT...", "click the text field LABEL, select all, type TEXT over it, press Enter (8 frames)",
         HostUse::Starts, prepareType},
        {"drag", "LABEL DX", "press on the middle of LABEL, move DX pixels, release (7 frames)", HostUse::Starts,
         prepareDrag},
        {"expect widget", "LABEL", "a widget LABEL was drawn in the last frame", HostUse::Starts,
         [](const Args& args, const CompileContext&) { return prepareWidget(args, true); }},
        {"expect nowidget", "LABEL", "no widget LABEL was drawn in the last frame", HostUse::Starts,
         [](const Args& args, const CompileContext&) { return prepareWidget(args, false); }},
        {"print widgets", "", "list the last frame's widgets: id, label, window, position and size", HostUse::Starts,
         preparePrintWidgets},
    };
}

} // namespace vtxpreview
