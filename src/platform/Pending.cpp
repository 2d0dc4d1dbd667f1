#include "platform/Pending.h"

#include <QCoreApplication>
#include <QObject>
#include <QThreadPool>

namespace lumo {

namespace {

class Later final : public Pending {
public:
    explicit Later(std::function<void()> work) {
        QMetaObject::invokeMethod(&m_context, std::move(work), Qt::QueuedConnection);
    }

private:
    QObject m_context; // the queued call goes with it
};

class WhenDropped final : public Pending {
public:
    explicit WhenDropped(std::function<void()> cancel) : m_cancel(std::move(cancel)) {}
    ~WhenDropped() override {
        if (m_cancel) {
            m_cancel();
        }
    }
    WhenDropped(const WhenDropped&) = delete;
    WhenDropped& operator=(const WhenDropped&) = delete;

private:
    std::function<void()> m_cancel;
};

// The worker holds only a weak reference: the continuation is looked up on the calling thread,
// where the handle lives and is dropped.
class OffThread final : public Pending {
public:
    explicit OffThread(std::function<std::function<void()>()> work) {
        QThreadPool::globalInstance()->start(
            [alive = std::weak_ptr<bool>(m_alive), work = std::move(work)] {
                auto then = work();
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [alive, then = std::move(then)] {
                        if (alive.lock() && then) {
                            then();
                        }
                    },
                    Qt::QueuedConnection);
            });
    }

private:
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace

PendingPtr whenDropped(std::function<void()> cancel) {
    return std::make_unique<WhenDropped>(std::move(cancel));
}

PendingPtr offThread(std::function<std::function<void()>()> work) {
    return std::make_unique<OffThread>(std::move(work));
}

PendingPtr later(std::function<void()> work) {
    return std::make_unique<Later>(std::move(work));
}

DeferredCalls::DeferredCalls() : m_context(std::make_unique<QObject>()) {}

DeferredCalls::~DeferredCalls() = default;

void DeferredCalls::post(std::function<void()> call) {
    QMetaObject::invokeMethod(m_context.get(), std::move(call), Qt::QueuedConnection);
}

void DeferredCalls::cancel() {
    m_context = std::make_unique<QObject>();
}

} // namespace lumo
