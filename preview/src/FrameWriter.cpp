#include "FrameWriter.h"

#include <algorithm>

namespace vtxpreview {

FrameWriter::FrameWriter(unsigned workers) {
    if (workers == 0) {
        const unsigned cores = std::thread::hardware_concurrency();
        workers = std::clamp(cores > 1 ? cores - 1 : 1u, 1u, 4u);
    }
    capacity_ = 2 * static_cast<std::size_t>(workers);
    for (unsigned i = 0; i < workers; ++i)
        threads_.emplace_back([this] { work(); });
}

FrameWriter::~FrameWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

bool FrameWriter::write(std::filesystem::path path, Picture picture, std::string& error) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < capacity_ || !failure_.empty(); });
    if (!failure_.empty()) {
        error = failure_;
        return false;
    }
    queue_.push_back({std::move(path), std::move(picture)});
    changed_.notify_all();
    return true;
}

bool FrameWriter::finish(std::string& error) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.empty() && busy_ == 0; });
    error = failure_;
    return failure_.empty();
}

void FrameWriter::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || stopping_; });
        if (queue_.empty())
            return; // stopping, and nothing left
        Job job = std::move(queue_.front());
        queue_.pop_front();
        ++busy_;
        changed_.notify_all(); // room in the queue
        lock.unlock();
        std::string error;
        bool written = false;
        try {
            written = writePng(job.path, job.picture, error);
        } catch (const std::exception& exception) { // memory, or a path the system refuses
            error = "cannot write " + job.path.string() + ": " + exception.what();
        }
        job.picture = {}; // freed outside the lock
        lock.lock();
        --busy_;
        if (!written && failure_.empty()) {
            failure_ = error;
            queue_.clear(); // the run stops; what is queued would fail the same way
        }
        changed_.notify_all();
    }
}

} // namespace vtxpreview
