#include "album/PhotoPipeline.h"

#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/task_arena.h>

#include <algorithm>
#include <chrono>
#include <unistd.h>

namespace vistarel {

namespace {

// How long the calling thread waits for a photo before it lets the front end process events.
constexpr std::chrono::milliseconds kEventInterval{10};

} // namespace

int buildJobs(int requested, std::size_t memoryPerJob) {
    const int available = std::max(1, tbb::info::default_concurrency());
    const int jobs = requested > 0 ? std::min(requested, available) : available;
    if (memoryPerJob == 0)
        return jobs;
    const auto memory = static_cast<std::size_t>(::sysconf(_SC_PHYS_PAGES)) *
                        static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    const auto fitting = static_cast<long long>(memory / memoryPerJob);
    return static_cast<int>(std::clamp<long long>(fitting, 1, jobs));
}

// The calling thread only starts and takes photos, so all of an arena's slots are the
// workers'; the thread pool is made large enough for them (by default it keeps a thread
// for the caller).
struct PhotoPipeline::Workers {
    explicit Workers(int jobs)
        : pool(tbb::global_control::max_allowed_parallelism, static_cast<std::size_t>(jobs) + 1),
          arena(jobs, 0) {}
    tbb::global_control pool;
    tbb::task_arena arena;
};

PhotoPipeline::PhotoPipeline(int jobs, Work work)
    : work_(std::move(work)), slots_(static_cast<std::size_t>(2 * jobs)),
      workers_(std::make_unique<Workers>(jobs)) {}

PhotoPipeline::~PhotoPipeline() {
    std::unique_lock lock(mutex_);
    dropping_ = true;
    finished_.wait(lock, [this] { return unfinished_ == 0; });
}

void PhotoPipeline::startNext() {
    const int index = started_++;
    slots_[static_cast<std::size_t>(index) % slots_.size()] = Slot{};
    {
        const std::lock_guard lock(mutex_);
        ++unfinished_;
    }
    workers_->arena.enqueue([this, index] { run(index); });
}

void PhotoPipeline::run(int index) {
    Slot& slot = slots_[static_cast<std::size_t>(index) % slots_.size()];
    bool drop = false;
    {
        const std::lock_guard lock(mutex_);
        drop = dropping_;
    }
    if (!drop) {
        try {
            work_(index, slot.made);
        } catch (...) {
            slot.made.error = std::current_exception();
        }
    }
    // Notified under the lock: once the destructor sees the last photo finished, no worker
    // touches this object again.
    const std::lock_guard lock(mutex_);
    slot.ready = true;
    --unfinished_;
    finished_.notify_all();
}

MadePhoto PhotoPipeline::takeNext(FrontEnd& frontEnd) {
    Slot& slot = slots_[static_cast<std::size_t>(taken_) % slots_.size()];
    std::unique_lock lock(mutex_);
    while (!finished_.wait_for(lock, kEventInterval, [&slot] { return slot.ready; })) {
        lock.unlock();
        frontEnd.processPendingEvents();
        lock.lock();
    }
    ++taken_;
    return std::move(slot.made);
}

} // namespace vistarel
