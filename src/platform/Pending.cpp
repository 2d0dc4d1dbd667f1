#include "platform/Pending.h"

#include <QObject>

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

} // namespace

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
