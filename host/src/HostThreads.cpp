// The window thread: a host may call the plugin windows' operations from its
// renderer's thread, apart from the game thread that runs everything else.
#include "HostImpl.h"
#include "WindowThread.h"

namespace vtxhost {

void HostImpl::setWindowThread(bool on) {
    if (on == windowThreadOn())
        return;
    if (on) {
        windowThread_ = std::make_unique<WindowThread>();
    } else {
        windowThread_.reset(); // joins it
    }
}

bool HostImpl::onWindowThread() const { return windowThread_ && windowThread_->onThisThread(); }

void HostImpl::toGameThread(std::function<void()> call) {
    std::lock_guard lock(inboxMutex_);
    inbox_.push_back(std::move(call));
}

bool HostImpl::runGameThreadInbox() noexcept {
    // The actions run here end by draining the inbox: the outer loop does it.
    if (drainingInbox_)
        return false;
    bool ran = false;
    drainingInbox_ = true;
    // What runs here may open a window, whose operation asks for more: the
    // budget keeps two that ask for each other from holding the host.
    for (int budget = 100; budget > 0; --budget) {
        std::vector<std::function<void()>> calls;
        {
            std::lock_guard lock(inboxMutex_);
            calls.swap(inbox_);
        }
        if (calls.empty())
            break;
        ran = true;
        Action action(*this);
        for (auto& call : calls)
            guarded(call);
    }
    drainingInbox_ = false;
    return ran;
}

} // namespace vtxhost
