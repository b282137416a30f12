// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One stage of a conversion on a thread of its own, fed through a short
// queue by one other thread: the stage works on the items one at a time, in
// the order they were put in, and finishes after the last. The queue holds
// a few items, so a stage that falls behind holds up the one that feeds it
// instead of gathering memory; the feeder, once held up, is woken when half
// the queue is free, not for every item.
//
// A failure ends the stage; the thread that feeds it or waits for it gets
// the same exception. Destroying a stage that has not finished cancels it:
// the item in hand is completed, the rest are dropped, and the thread is
// joined before anything the work uses goes away.
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace ridod2e {

template <typename Item>
class StageThread {
public:
    using Work = std::function<void(Item&)>;
    using Finish = std::function<void()>;

    StageThread(std::size_t capacity, Work work, Finish finish)
        : capacity_(capacity), work_(std::move(work)), finish_(std::move(finish)), thread_([this] { run(); })
    {
    }

    ~StageThread()
    {
        {
            const std::lock_guard lock(mutex_);
            cancelled_ = true;
        }
        itemOrEnd_.notify_all();
        thread_.join();
    }

    StageThread(const StageThread&) = delete;
    StageThread& operator=(const StageThread&) = delete;

    // Waits while the queue is full. Rethrows the stage's failure.
    void put(Item item)
    {
        std::unique_lock lock(mutex_);
        if (items_.size() >= capacity_)
            roomOrEnd_.wait(lock, [this] { return items_.size() <= capacity_ / 2 || ended_; });
        if (ended_) {
            lock.unlock();
            rethrowFailure();
            return;
        }
        items_.push_back(std::move(item));
        const bool wasEmpty = items_.size() == 1;
        lock.unlock();
        if (wasEmpty)
            itemOrEnd_.notify_all();
    }

    // No more items: the stage works through the queue, then finishes.
    void close()
    {
        {
            const std::lock_guard lock(mutex_);
            closed_ = true;
        }
        itemOrEnd_.notify_all();
    }

    // Waits at most the time for the stage to end; true when it has ended.
    // Rethrows the stage's failure.
    bool waitFor(std::chrono::milliseconds time)
    {
        std::unique_lock lock(mutex_);
        const bool ended = roomOrEnd_.wait_for(lock, time, [this] { return ended_; });
        lock.unlock();
        rethrowFailure();
        return ended;
    }

    void rethrowFailure() const
    {
        std::exception_ptr failure;
        {
            const std::lock_guard lock(mutex_);
            failure = failure_;
        }
        if (failure)
            std::rethrow_exception(failure);
    }

private:
    void run()
    {
        try {
            for (;;) {
                Item item;
                if (!next(item))
                    break;
                work_(item);
            }
            if (!isCancelled())
                finish_();
        } catch (...) {
            const std::lock_guard lock(mutex_);
            failure_ = std::current_exception();
        }
        {
            const std::lock_guard lock(mutex_);
            ended_ = true;
        }
        roomOrEnd_.notify_all();
    }

    // Takes the next item; false when the queue is closed and empty, or the
    // stage is cancelled.
    bool next(Item& item)
    {
        std::unique_lock lock(mutex_);
        itemOrEnd_.wait(lock, [this] { return !items_.empty() || closed_ || cancelled_; });
        if (cancelled_ || items_.empty())
            return false;
        item = std::move(items_.front());
        items_.pop_front();
        const bool halfFree = items_.size() == capacity_ / 2;
        lock.unlock();
        if (halfFree)
            roomOrEnd_.notify_all();
        return true;
    }

    bool isCancelled() const
    {
        const std::lock_guard lock(mutex_);
        return cancelled_;
    }

    const std::size_t capacity_;
    const Work work_;
    const Finish finish_;
    mutable std::mutex mutex_;
    std::condition_variable roomOrEnd_;  // the feeder and the waiters wait on it
    std::condition_variable itemOrEnd_;  // the stage's thread waits on it
    std::deque<Item> items_;
    bool closed_ = false;
    bool cancelled_ = false;
    bool ended_ = false;
    std::exception_ptr failure_;
    // Last: the thread starts when everything it uses is ready.
    std::thread thread_;
};

} // namespace ridod2e
