#pragma once

#include "platform/Pending.h"

#include <coroutine>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace lumo {

// A procedure of several steps written top to bottom: a coroutine that starts at once and waits
// for each step's result with `co_await step<T>(...)`. Its owner holds the Task; dropping or
// resetting it destroys the waiting frame, and with it the handle of the step it waits on,
// which cancels that step. A Task dropped by its own body (an owner told "done" who starts
// over) ends at the body's next wait or at its end.
class Task {
public:
    struct promise_type {
        bool running = true;    // the body is executing now, not waiting
        bool abandoned = false; // its Task is gone: the frame ends when the body next stops

        Task get_return_object() {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        std::suspend_never initial_suspend() noexcept { return {}; }
        auto final_suspend() noexcept {
            struct End {
                bool await_ready() noexcept { return false; }
                void await_suspend(std::coroutine_handle<promise_type> frame) noexcept {
                    frame.promise().running = false;
                    if (frame.promise().abandoned) {
                        frame.destroy();
                    }
                }
                void await_resume() noexcept {}
            };
            return End{};
        }
        void return_void() noexcept {}
        void unhandled_exception() noexcept { std::terminate(); }
    };
    using Frame = std::coroutine_handle<promise_type>;

    Task() = default;
    Task(Task&& other) noexcept : m_frame(std::exchange(other.m_frame, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            m_frame = std::exchange(other.m_frame, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    // The procedure has not reached its end (nor been dropped).
    bool running() const { return m_frame && !m_frame.done(); }

    void reset() {
        const Frame frame = std::exchange(m_frame, {});
        if (!frame) {
            return;
        }
        if (frame.promise().running) {
            frame.promise().abandoned = true; // the body is on the stack: it ends itself
        } else {
            frame.destroy();
        }
    }

private:
    explicit Task(Frame frame) : m_frame(frame) {}
    Frame m_frame;
};

// One step of a Task: `start` begins the work, given the call its result comes back through,
// and returns the work's handle (or null for work that cannot be cancelled, such as a message
// box). The result resumes the Task; a result that comes after the Task is gone is dropped.
template <typename T> class Step {
public:
    using Start = std::function<PendingPtr(std::function<void(T)>)>;
    explicit Step(Start start) : m_start(std::move(start)) {}

    bool await_ready() const noexcept { return false; }
    bool await_suspend(Task::Frame frame) {
        m_wait->frame = frame;
        m_pending = m_start([wait = std::weak_ptr<Wait>(m_wait)](T value) {
            const auto alive = wait.lock();
            if (!alive || alive->result) {
                return;
            }
            alive->result.emplace(std::move(value));
            if (!alive->starting) {
                alive->frame.promise().running = true;
                alive->frame.resume(); // may drop what called this: nothing is touched after
            }
        });
        m_wait->starting = false;
        if (m_wait->result) {
            return false; // the result came at once: go straight on
        }
        frame.promise().running = false;
        if (frame.promise().abandoned) {
            frame.destroy();
        }
        return true;
    }
    T await_resume() { return std::move(*m_wait->result); }

private:
    struct Wait {
        Task::Frame frame;
        bool starting = true;
        std::optional<T> result;
    };
    Start m_start;
    std::shared_ptr<Wait> m_wait = std::make_shared<Wait>();
    PendingPtr m_pending;
};

template <typename T> Step<T> step(typename Step<T>::Start start) {
    return Step<T>(std::move(start));
}

} // namespace lumo
