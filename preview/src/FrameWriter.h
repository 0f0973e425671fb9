#pragma once
// Writes pictures as PNG files on worker threads, so that encoding (the slow
// part of a frame) overlaps the next frames. Pictures queue in order; at most
// a few wait, so memory stays bounded on long runs.
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Snapshot.h"

namespace vtxpreview {

class FrameWriter {
public:
    // `workers` 0 picks one less than the machine's cores (at least one, at most four).
    explicit FrameWriter(unsigned workers = 0);
    ~FrameWriter(); // waits for the queue
    FrameWriter(const FrameWriter&) = delete;
    FrameWriter& operator=(const FrameWriter&) = delete;

    // Queues the picture; waits while the queue is full. False, with the
    // first failure's reason, once any write has failed (nothing more is queued).
    bool write(std::filesystem::path path, Picture picture, std::string& error);
    // Waits until every queued picture is written; false with the first failure's reason.
    bool finish(std::string& error);

private:
    struct Job {
        std::filesystem::path path;
        Picture picture;
    };
    void work();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Job> queue_;
    std::size_t capacity_ = 1;
    unsigned busy_ = 0;
    bool stopping_ = false;
    std::string failure_;
    std::vector<std::thread> threads_;
};

} // namespace vtxpreview
