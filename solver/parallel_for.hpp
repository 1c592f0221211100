// Runs independent work items on several threads.
#pragma once

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quelm {

// The number of threads to use: at least 1, at most `items`.
inline int workerCount(int threads, int items) { return std::max(1, std::min(threads, items)); }

// Calls body(item, worker) for item = 0..count-1, each exactly once and in
// no particular order, on workerCount(threads, count) threads; `worker`
// (0-based) tells which thread runs the item, so that each can keep working
// storage of its own.  Worker 0 is the calling thread; after every item it
// finishes it reports the number of items done so far to `progress`.
//
// An exception thrown by an item (std::bad_alloc, say) stops the handing
// out of items; once every thread has ended, the first such exception is
// thrown again on the calling thread.
inline void parallelFor(int count, int threads, const std::function<void(int item, int worker)>& body,
                        const std::function<void(int done)>& progress = {}) {
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex failureLock;
    std::exception_ptr failure;
    const auto work = [&](int worker) {
        try {
            for (int item = next++; item < count; item = next++) {
                body(item, worker);
                const int finished = ++done;
                if (worker == 0 && progress) progress(finished);
            }
        } catch (...) {
            next = count;
            const std::lock_guard<std::mutex> lock(failureLock);
            if (!failure) failure = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> helpers;
        for (int worker = 1; worker < workerCount(threads, count); ++worker)
            helpers.emplace_back(work, worker);
        work(0);
    }
    if (failure) std::rethrow_exception(failure);
    if (progress) progress(done);
}

}  // namespace quelm
