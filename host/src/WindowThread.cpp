#include "WindowThread.h"

namespace vtxhost {

WindowThread::WindowThread() : thread_([this] { loop(); }), id_(thread_.get_id()) {}

WindowThread::~WindowThread() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void WindowThread::start(std::function<void()> job) {
    std::unique_lock lock(mutex_);
    // One job at a time: a second start waits for the first to end.
    changed_.wait(lock, [this] { return state_ == State::Idle; });
    job_ = std::move(job);
    state_ = State::Given;
    changed_.notify_all();
    // Back only once this thread holds the job: what the caller does next is
    // then not ordered before the job (as it would be if the job were picked
    // up after the caller next let go of the lock, in join), and
    // ThreadSanitizer sees the two run side by side, as they do.
    changed_.wait(lock, [this] { return state_ != State::Given; });
}

void WindowThread::join() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ == State::Idle; });
}

void WindowThread::loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quit_ || state_ == State::Given; });
        if (state_ != State::Given)
            return; // quit, with no job in hand
        auto job = std::move(job_);
        job_ = nullptr;
        state_ = State::Running;
        changed_.notify_all();
        lock.unlock();
        job();
        job = nullptr; // what the job holds goes on this thread, before the join returns
        lock.lock();
        state_ = State::Idle;
        changed_.notify_all();
    }
}

} // namespace vtxhost
