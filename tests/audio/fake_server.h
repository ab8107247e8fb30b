#pragma once
// A sound server for the tests, with an audio thread of its own that asks for periods a few times
// faster than real time, and that can go away, stop answering, and come back.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/stream/output.h"

namespace verminadia::audio::test {

class FakeServer final : public Output {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kPeriod = 512;

    ~FakeServer() override { close(); }

    bool open(Client& client, std::string& error) override {
        std::lock_guard guard(lock_);
        attempts_.push_back(Clock::now());
        changed_.notify_all();
        if (away_) {
            error = "the fake server is away";
            return false;
        }
        client_ = &client;
        closing_ = broken_ = stalled_ = false;
        ++opens_;
        thread_ = std::thread([this] { run(); });
        return true;
    }
    void close() override {
        {
            std::lock_guard guard(lock_);
            closing_ = true;
        }
        changed_.notify_all();
        if (thread_.joinable()) thread_.join();
        std::lock_guard guard(lock_);
        if (open_) ++closes_;
        open_ = false;
        changed_.notify_all();
    }
    double bufferSeconds() const override { return 0.0; }

    // The server goes: the audio thread says so and ends, and opening fails until it is back.
    void goAway() {
        std::lock_guard guard(lock_);
        away_ = broken_ = true;
        changed_.notify_all();
    }
    void comeBack() {
        std::lock_guard guard(lock_);
        away_ = false;
    }
    // Away from the start.
    void beAway() {
        std::lock_guard guard(lock_);
        away_ = true;
    }
    // The audio thread stops asking, without a word.
    void stall() {
        std::lock_guard guard(lock_);
        stalled_ = true;
    }

    // Wraps every period the audio thread renders, for a test that watches what a period does.
    // Set before the stream opens.
    void setAroundPeriod(std::function<void(const std::function<void()>& render)> around) {
        around_ = std::move(around);
    }

    // Waits for `done` (called under the server's lock) for at most `timeout`.
    template <class Done>
    bool waitFor(std::chrono::milliseconds timeout, Done done) {
        std::unique_lock guard(lock_);
        return changed_.wait_for(guard, timeout, [&] { return done(*this); });
    }
    // Under the lock, in waitFor's condition; or after the keeper has stopped.
    bool isOpen() const { return open_; }
    int opens() const { return opens_; }
    int closes() const { return closes_; }
    long periods() const { return periods_; }
    std::vector<Clock::time_point> attempts() {
        std::lock_guard guard(lock_);
        return attempts_;
    }

private:
    void run() {
        std::vector<float> left(kPeriod), right(kPeriod);
        std::unique_lock guard(lock_);
        open_ = true;
        changed_.notify_all();
        for (;;) {
            changed_.wait(guard, [this] { return closing_ || broken_ || !stalled_; });
            if (closing_) return;
            if (broken_) {
                guard.unlock();
                client_->failed();
                return;
            }
            guard.unlock();
            const std::function<void()> render = [&] { client_->period(left.data(), right.data(), kPeriod); };
            if (around_)
                around_(render);
            else
                render();
            guard.lock();
            ++periods_;
            changed_.notify_all();
            // About five times real time: 11.6 ms of sound every 2 ms.
            changed_.wait_for(guard, std::chrono::milliseconds(2), [this] { return closing_ || broken_; });
        }
    }

    std::mutex lock_;
    std::condition_variable changed_;
    Client* client_ = nullptr;
    std::function<void(const std::function<void()>&)> around_;
    std::thread thread_;
    bool away_ = false, broken_ = false, stalled_ = false, closing_ = false, open_ = false;
    int opens_ = 0, closes_ = 0;
    long periods_ = 0;
    std::vector<Clock::time_point> attempts_;
};

}  // namespace verminadia::audio::test
