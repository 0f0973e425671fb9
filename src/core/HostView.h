#pragma once
// The two host handles a subsystem works through. The host hands them to the
// plugin object after constructing it, so a view refers to the object's own
// handles and sees them once they are set; a test points it at its own.
#include <memory>

class CVarManagerWrapper;
class GameWrapper;

namespace vtx {

struct HostView {
    const std::shared_ptr<GameWrapper>& game;
    const std::shared_ptr<CVarManagerWrapper>& cvars;
};

} // namespace vtx
