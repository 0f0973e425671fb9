#include "overlay/OverlayElements.h"

#include "overlay/HistoryElement.h"
#include "overlay/PadPictureElement.h"
#include "overlay/PressTimingElement.h"
#include "overlay/TraceElement.h"

namespace vtx {

namespace {
template <class Element> std::unique_ptr<OverlayElement> make(const ElementParts& parts) {
    return std::make_unique<Element>(parts);
}

// One row an element, in drawing order: the pad picture first, then the
// displays around it, each drawn over those before it and taking its room
// around the pad after theirs (the press timing keeps the place nearest it).
using ElementMaker = std::unique_ptr<OverlayElement> (*)(const ElementParts&);
constexpr ElementMaker kElementRows[] = {
    &make<PadPictureElement>,
    &make<PressTimingElement>,
    &make<HistoryElement>,
    &make<TraceElement>,
};
} // namespace

OverlayElements::OverlayElements(const ElementParts& parts) {
    elements_.reserve(std::size(kElementRows));
    for (ElementMaker makeElement : kElementRows)
        elements_.push_back(makeElement(parts));
}

} // namespace vtx
