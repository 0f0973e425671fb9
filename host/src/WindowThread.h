#pragma once
// A thread of its own for the plugin windows' operations, as a host whose
// renderer runs apart from the game thread has: it runs one job at a time,
// given by the game thread, which either waits for it (run) or goes on with
// its own work and joins it later (start, then join).
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace vtxhost {

class WindowThread {
public:
    WindowThread();
    ~WindowThread(); // finishes the job in hand, then ends the thread
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    // The job must not throw (the host guards plugin calls itself).
    void start(std::function<void()> job);
    void join();
    void run(std::function<void()> job) {
        start(std::move(job));
        join();
    }
    bool onThisThread() const { return std::this_thread::get_id() == id_; }

private:
    void loop();

    std::mutex mutex_;
    std::condition_variable changed_;
    enum class State { Idle, Given, Running };

    std::function<void()> job_;
    State state_ = State::Idle;
    bool quit_ = false;
    std::thread thread_;
    std::thread::id id_;
};

} // namespace vtxhost
